#include "SinkTheBoatPanel.h"

#include "FontScheme.h"
#include "LexGrid.h"
#include "QtText.h"
#include "WordGameGrids.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int BoatWidth = 220;
constexpr int BoatHeight = 150;

// The two pictures: a sailing boat on the water, and the same boat going down.
QPixmap BoatPicture(bool sunk)
{
    QPixmap pixmap(BoatWidth, BoatHeight);
    pixmap.fill(QColor(0xCC, 0xE8, 0xFF));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const int sea = 100;
    if (sunk) {
        // Heeled over, the hull under the water line.
        p.translate(110, 128);
        p.rotate(28);
        p.translate(-110, -100);
    }
    QPainterPath hull;
    hull.moveTo(40, 88);
    hull.lineTo(180, 88);
    hull.lineTo(158, 112);
    hull.lineTo(62, 112);
    hull.closeSubpath();
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(0x8B, 0x45, 0x13));
    p.drawPath(hull);
    p.drawLine(110, 88, 110, 18);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(113, 22), QPoint(113, 82), QPoint(165, 82)}));
    p.drawPolygon(QPolygon({QPoint(107, 30), QPoint(107, 82), QPoint(66, 82)}));
    p.resetTransform();
    // The sea over the lower part of the hull.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1E, 0x5A, 0xA8));
    p.drawRect(0, sea, BoatWidth, BoatHeight - sea);
    p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF), 2));
    for (int x = 0; x < BoatWidth; x += 24)
        p.drawArc(x, sea - 4, 24, 8, 0, 180 * 16);
    if (sunk) {
        p.setBrush(Qt::NoBrush);
        for (const QPoint c : {QPoint(60, 92), QPoint(52, 80), QPoint(62, 68)})
            p.drawEllipse(c, 4, 4);
    }
    return pixmap;
}

QLabel* Picture(QWidget* parent, const char* name, bool sunk)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(BoatPicture(sunk));
    label->setFixedSize(BoatWidth, BoatHeight);
    return label;
}

}  // namespace

TSinkTheBoatPanel::TSinkTheBoatPanel(QWidget* parent)
    : TWordGamePanel(parent, "PanelSinkTheBoat", "Sink", {"Click letters of the alphabet to guess the word before",
                      "the boat sinks.  6 incorrect letters will sink the boat."})
{
    lblAnswer = new QLabel("Answer :", this);
    lblAnswer->setObjectName("lblAnswer");
    sgSinkAns = new LexGrid(this);
    sgSinkAns->setObjectName("sgSinkAns");
    sgAlphabet = new LexGrid(this);
    sgAlphabet->setObjectName("sgAlphabet");
    PanelSinkBoatImage = new QFrame(this);
    PanelSinkBoatImage->setObjectName("PanelSinkBoatImage");
    PanelSinkBoatImage->setFrameShape(QFrame::Box);
    imgBoat = Picture(PanelSinkBoatImage, "imgBoat", false);
    imgBoat2 = Picture(PanelSinkBoatImage, "imgBoat2", true);
    imgBoat2->hide();
    sgSinkUsed = new LexGrid(PanelSinkBoatImage);
    sgSinkUsed->setObjectName("sgSinkUsed");
    lblSinkCongrats = new QLabel("Congratulations", this);
    lblSinkCongrats->setObjectName("lblSinkCongrats");
    lblSinkCongrats->setAlignment(Qt::AlignCenter);
    lblSinkCongrats->hide();
    lblSinkEnglish = new QLabel(this);
    lblSinkEnglish->setObjectName("lblSinkEnglish");
    lblSinkEnglish->setAlignment(Qt::AlignCenter);
    lblSinkEnglish->hide();
    bnSinkEnglish = new QPushButton("Show English Clue", this);
    bnSinkEnglish->setObjectName("bnSinkEnglish");
    connect(bnSinkEnglish, &QPushButton::clicked, this, [this] { bnSinkEnglishClick(); });

    SetupGameGrid(sgSinkAns, 1, 1);
    SetupGameGrid(sgAlphabet, AlphabetCols, AlphabetRows);
    SetupGameGrid(sgSinkUsed, SinkMissesAllowed, 1);
    for (LexGrid* g : {sgSinkAns, sgAlphabet, sgSinkUsed})
        g->SetDragEnabled(false);

    sgAlphabet->OnMouseDown = [this](int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers) {
        if (button == Qt::LeftButton)
            AlphabetClick(col, row);
    };
    DrawAsLetterPool(sgAlphabet);
    sgSinkAns->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        const QString cell = sgSinkAns->Cell(col, row);
        const QFont font = MakeFont(FontScheme.Letter, true);
        // A hidden letter shows nothing; the blank between two words shows as a dash.
        DrawGameCell(p, rect, col, row, cell.startsWith(QLatin1Char('1')) ? cell : QString(), Qt::white, font);
        if (cell == QLatin1String("1-")) {
            p.setFont(font);
            p.drawText(rect, Qt::AlignCenter, QStringLiteral("-"));
        }
    };
    sgSinkUsed->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        DrawGameCell(p, rect, col, row, QLatin1Char(' ') + sgSinkUsed->Cell(col, row), Qt::white,
                     MakeFont(FontScheme.Letter, true));
    };
}

void TSinkTheBoatPanel::SetupSinkTheBoat(const WordDraw& draw, bool spanishAnswers)
{
    ::SetupSinkTheBoat(Board, draw.Chosen[1]);
    clueShown_ = false;
    lblSinkEnglish->setText((spanishAnswers ? "English : " : "Spanish : ") + ToQt(Board.Clue));
    sgSinkAns->SetColCount(std::max(1, static_cast<int>(Board.Cells.size())));
    ShowBoard();
}

void TSinkTheBoatPanel::ShowBoard()
{
    for (int row = 0; row < AlphabetRows; ++row)
        for (int col = 0; col < AlphabetCols; ++col)
            sgAlphabet->SetCell(col, row, ToQt(Board.Alphabet[col + row * AlphabetCols]));
    for (int c = 0; c < static_cast<int>(Board.Cells.size()); ++c)
        sgSinkAns->SetCell(c, 0, ToQt(Board.Cells[c]));
    for (int c = 0; c < SinkMissesAllowed; ++c)
        sgSinkUsed->SetCell(c, 0, ToQt(Board.Used[c]));
    imgBoat->setVisible(!Board.Sunk);
    imgBoat2->setVisible(Board.Sunk);
    lblSinkCongrats->setVisible(Board.Won);
    const bool clue = clueShown_ || Board.Over();
    bnSinkEnglish->setVisible(!clue);
    lblSinkEnglish->setVisible(clue);
    for (LexGrid* g : {sgAlphabet, sgSinkAns, sgSinkUsed})
        g->update();
}

void TSinkTheBoatPanel::AlphabetClick(int col, int row)
{
    if (GuessLetter(Board, col, row) != SinkGuess::Ignored)
        ShowBoard();
}

void TSinkTheBoatPanel::bnSinkEnglishClick()
{
    clueShown_ = true;
    ShowBoard();
}

void TSinkTheBoatPanel::ApplyCaptions(bool spanishAnswers)
{
    bnSinkEnglish->setText(spanishAnswers ? "Show English Clue" : "Show Spanish Clue");
}

void TSinkTheBoatPanel::LayOut(int pageWidth, int pageHeight)
{
    const QRect area = LayOutFrame(pageWidth, pageHeight);
    const QFontMetrics fm(MakeFont(FontScheme.Main));
    const QFontMetrics letter(MakeFont(FontScheme.Letter, true));
    const int lineHeight = LineHeight();

    // The answer row: 35-pixel cells, narrower ones in 720 pixels for a long answer.
    const int length = std::max(1, sgSinkAns->ColCount());
    int cellWidth = 35;
    if (length > 20)
        cellWidth = 720 / length - 1;
    cellWidth = std::min(cellWidth, std::max(8, (pageWidth - 40) / length - 1));
    const int cellHeight = std::max(35, letter.height() + 8);
    const int ansWidth = length * (cellWidth + 1) + 1;
    const int labelWidth = fm.horizontalAdvance(lblAnswer->text()) + 10;

    const int alphaCell = std::max(35, letter.height() + 8);
    const int alphaWidth = AlphabetCols * (alphaCell + 1) + 1;
    const int alphaHeight = AlphabetRows * (alphaCell + 1) + 1;
    const int usedCell = std::max(30, letter.height() + 6);
    const int usedWidth = SinkMissesAllowed * (usedCell + 1) + 1;
    const int imageWidth = std::max(BoatWidth, usedWidth) + 20;
    const int imageHeight = BoatHeight + usedCell + 30;
    const int blockHeight = cellHeight + 30 + std::max(alphaHeight, imageHeight) + 20 + 2 * lineHeight + 20;
    int y = area.top() + std::max(0, (area.height() - blockHeight) / 2);

    const int rowLeft = std::max(4, (pageWidth - labelWidth - ansWidth) / 2);
    lblAnswer->setGeometry(rowLeft, y, labelWidth, cellHeight + 2);
    sgSinkAns->SetDefaultColWidth(cellWidth);
    sgSinkAns->SetDefaultRowHeight(cellHeight);
    sgSinkAns->setGeometry(rowLeft + labelWidth, y, ansWidth, cellHeight + 2);
    y += cellHeight + 30;

    const int gap = 40;
    const int left = std::max(4, (pageWidth - alphaWidth - gap - imageWidth) / 2);
    sgAlphabet->SetDefaultColWidth(alphaCell);
    sgAlphabet->SetDefaultRowHeight(alphaCell);
    sgAlphabet->setGeometry(left, y, alphaWidth, alphaHeight);
    PanelSinkBoatImage->setGeometry(left + alphaWidth + gap, y, imageWidth, imageHeight);
    imgBoat->move((imageWidth - BoatWidth) / 2, 8);
    imgBoat2->move((imageWidth - BoatWidth) / 2, 8);
    sgSinkUsed->SetDefaultColWidth(usedCell);
    sgSinkUsed->SetDefaultRowHeight(usedCell);
    sgSinkUsed->setGeometry((imageWidth - usedWidth) / 2, BoatHeight + 18, usedWidth, usedCell + 2);
    y += std::max(alphaHeight, imageHeight) + 20;

    const int buttonWidth = fm.horizontalAdvance("Show Spanish Clue") + 40;
    bnSinkEnglish->setGeometry((pageWidth - buttonWidth) / 2, y, buttonWidth, ButtonHeight());
    lblSinkEnglish->setGeometry(0, y, pageWidth, ButtonHeight());
    lblSinkEnglish->setFont(MakeFont(FontScheme.Main, true));
    y += ButtonHeight() + 6;
    lblSinkCongrats->setGeometry(0, y, pageWidth, lineHeight + 8);
    lblSinkCongrats->setFont(MakeFont(FontScheme.Header, true));
}
