#include "WordGamePanel.h"

#include "FontScheme.h"
#include "WordGameGrids.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

TWordGamePanel::TWordGamePanel(QWidget* parent, const QString& name, const QString& prefix, const QString& line1,
                               const QString& line2)
    : QFrame(parent)
{
    setObjectName(name);
    hide();
    lblHeader = new QLabel(this);
    lblHeader->setObjectName("lbl" + prefix + "Header");
    lblHeader->setAlignment(Qt::AlignCenter);
    PanelInstruct = MakeInstructionFrame(this, "Panel" + prefix + "Instruct");
    lblInstruct[0] = new QLabel(line1, PanelInstruct);
    lblInstruct[1] = new QLabel(line2, PanelInstruct);
    bnSame = new QPushButton("New game", this);
    bnSame->setObjectName("bn" + prefix + "Same");
    bnReturn = new QPushButton("Change options", this);
    bnReturn->setObjectName("bn" + prefix + "Return");
    bottom_ = {bnSame, bnReturn};
}

QPushButton* TWordGamePanel::AddBottomButton(const QString& name, const QString& text)
{
    auto* bn = new QPushButton(text, this);
    bn->setObjectName(name);
    bottom_.insert(bottom_.end() - 2, bn);
    return bn;
}

void TWordGamePanel::ApplyHeaderFont()
{
    lblHeader->setFont(MakeFont(FontScheme.Header, true));
}

int TWordGamePanel::LineHeight() const
{
    return QFontMetrics(MakeFont(FontScheme.Main)).height() + 4;
}

QRect TWordGamePanel::LayOutFrame(int pageWidth, int pageHeight)
{
    setGeometry(0, 0, pageWidth, pageHeight);
    const QFontMetrics fm(MakeFont(FontScheme.Main));
    const QFontMetrics header(MakeFont(FontScheme.Header, true));
    const int lineHeight = LineHeight();

    int top = 6;
    lblHeader->setGeometry(0, top, pageWidth, header.height() + 6);
    top += header.height() + 10;
    int instructWidth = 0;
    for (QLabel* l : lblInstruct)
        instructWidth = std::max(instructWidth, fm.horizontalAdvance(l->text()));
    instructWidth += 40;
    PanelInstruct->setGeometry((pageWidth - instructWidth) / 2, top, instructWidth, 2 * lineHeight + 8);
    for (int l = 0; l < 2; ++l)
        lblInstruct[l]->setGeometry(20, 4 + l * lineHeight, instructWidth - 40, lineHeight);
    top += 2 * lineHeight + 16;

    const int bottomTop = pageHeight - ButtonHeight() - 10;
    int total = 0;
    for (QPushButton* bn : bottom_)
        total += fm.horizontalAdvance(bn->text()) + 40 + 20;
    int x = (pageWidth - total + 20) / 2;
    for (QPushButton* bn : bottom_) {
        const int w = fm.horizontalAdvance(bn->text()) + 40;
        bn->setGeometry(x, bottomTop, w, ButtonHeight());
        x += w + 20;
    }
    return QRect(0, top, pageWidth, std::max(0, bottomTop - 8 - top));
}
