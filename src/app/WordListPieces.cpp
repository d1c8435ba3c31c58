#include "WordListPieces.h"

#include "FontScheme.h"
#include "ScreenForm.h"

#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

QPixmap MoveArrow(bool pointsRight)
{
    QPixmap pix(21, 15);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    if (pointsRight) {
        path.moveTo(1, 5); path.lineTo(11, 5); path.lineTo(11, 1); path.lineTo(20, 7.5);
        path.lineTo(11, 14); path.lineTo(11, 10); path.lineTo(1, 10);
    } else {
        path.moveTo(20, 5); path.lineTo(10, 5); path.lineTo(10, 1); path.lineTo(1, 7.5);
        path.lineTo(10, 14); path.lineTo(10, 10); path.lineTo(20, 10);
    }
    path.closeSubpath();
    p.fillPath(path, pointsRight ? QColor(0, 128, 0) : QColor(160, 0, 0));
    return pix;
}

QToolButton* MakeSortButton(QWidget* panel, Qt::ArrowType arrow, const char* name, std::function<void()> onClick)
{
    auto* button = new QToolButton(panel);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    QObject::connect(button, &QToolButton::clicked, button, std::move(onClick));
    return button;
}

QFont ListRowFont(const QString& text, int cellWidth)
{
    // Below this size a row is no longer read but guessed at.
    constexpr int SmallestRowPointSize = 4;
    return FontFittingEachLine(PointSteps(MakeFont(FontScheme.Grid, true), SmallestRowPointSize), {text}, cellWidth).Font;
}
