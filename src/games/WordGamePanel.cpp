#include "WordGamePanel.h"

#include "FontScheme.h"
#include "WordGameGrids.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

TWordGamePanel::TWordGamePanel(QWidget* parent, const QString& name, const QString& prefix,
                               const QStringList& lines)
    : QFrame(parent)
{
    setObjectName(name);
    hide();
    lblHeader = new QLabel(this);
    lblHeader->setObjectName("lbl" + prefix + "Header");
    lblHeader->setAlignment(Qt::AlignCenter);
    PanelInstruct = MakeInstructionFrame(this, "Panel" + prefix + "Instruct");
    for (const QString& line : lines)
        lblInstruct.push_back(new QLabel(line, PanelInstruct));
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
    const GameBand band = LayOutGameFrame(pageWidth, pageHeight, lblHeader, PanelInstruct, lblInstruct, bottom_);
    return QRect(0, band.Top, pageWidth, std::max(0, band.Bottom - band.Top));
}
