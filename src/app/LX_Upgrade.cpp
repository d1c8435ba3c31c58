#include "LX_Upgrade.h"

#include "FontScheme.h"
#include "QtText.h"

#include "LX_Globals.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap ProgramIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    // A navy tile with a yellow band: the colours of the program's messages.
    QPainterPath tile;
    tile.addRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.16, s * 0.16);
    QLinearGradient navy(0, 0, 0, s);
    navy.setColorAt(0, QColor(0x20, 0x30, 0xA0));
    navy.setColorAt(1, BlueHigh(ColorNavy));
    p.fillPath(tile, navy);
    p.setClipPath(tile);
    p.fillRect(QRectF(0, s * 0.64, s, s * 0.18), QColor(0xFF, 0xD8, 0x30));
    p.setClipping(false);
    p.setPen(QPen(Qt::white, s * 0.02));
    p.drawPath(tile);

    // "Lx" on the tile, and "ñ" on the band: two languages in one word list.
    QFont big("Ariel");
    big.setBold(true);
    big.setPixelSize(qMax(1, int(s * 0.46)));
    p.setFont(big);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, s * 0.08, s, s * 0.56), Qt::AlignCenter, "Lx");
    QFont small("Ariel");
    small.setBold(true);
    small.setPixelSize(qMax(1, int(s * 0.17)));
    p.setFont(small);
    p.setPen(BlueHigh(ColorNavy));
    p.drawText(QRectF(0, s * 0.64, s, s * 0.18), Qt::AlignCenter, QString::fromUtf8("a \xC3\xB1 \xC3\xA9 \xC3\xBC"));
    return pixmap;
}

TfrmUpgrade::TfrmUpgrade(QWidget* mainWindow) : TScreenForm(mainWindow)
{
    setObjectName("frmUpgrade");
    PanelMain = new QFrame(this);
    PanelMain->setObjectName("PanelMain");
    ProgramIcon = new QLabel(PanelMain);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setPixmap(ProgramIconPixmap(130));
    ProgramIcon->resize(130, 130);
    lblProductName = new QLabel("Lexory", PanelMain);
    lblProductName->setObjectName("lblProductName");
    lblVersion = new QLabel(PanelMain);
    lblVersion->setObjectName("lblVersion");
}

void TfrmUpgrade::OnFormShow()
{
    // The labels take the form's font.
    setFont(MakeFont(FontScheme.Header));
    lblVersion->setText(ToQt(VersionText) + " " + ToQt(VersionDate));
    RefreshQuickHints();
}

void TfrmUpgrade::OnFormResize()
{
    PanelMain->setGeometry(rect());
    for (QLabel* label : {lblProductName, lblVersion})
        label->resize(label->sizeHint());
    const int gap = QFontMetrics(font()).height();
    const int column = ProgramIcon->height() + gap + lblProductName->height() + gap / 2 + lblVersion->height();
    int top = std::max(10, (PanelMain->height() - column) / 3);
    for (QWidget* w : std::initializer_list<QWidget*>{ProgramIcon, lblProductName, lblVersion}) {
        w->move((PanelMain->width() - w->width()) / 2, top);
        top += w->height() + (w == ProgramIcon ? gap : gap / 2);
    }
}
