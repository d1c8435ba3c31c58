#pragma once
// The Uncover Squares panel: the cards in three columns, the size radio buttons beside them.

#include "UncoverRules.h"
#include "WordGamePanel.h"

#include <array>

class LexGrid;
class QRadioButton;

class TUncoverPanel : public TWordGamePanel {
    Q_OBJECT
public:
    explicit TUncoverPanel(QWidget* parent);

    LexGrid* sgUncover;
    QFrame* PanelUncoverSize;
    QLabel* lblUncoverSize;
    QRadioButton* rb3x2;
    QRadioButton* rb3x4;
    QRadioButton* rb3x6;
    QRadioButton* rb3x8;
    QRadioButton* rb3x10;
    std::array<QRadioButton*, 5> SizeRadios{};  // 2, 4, 6, 8, 10 rows
    QPushButton* bnUncoverFill;
    UncoverBoard Board;

    // The size button of rows checked; no click handler runs.
    void CheckSize(int rows);
    static int RowsOfSizeButton(int index) { return 2 * (index + 1); }

    void SetupUncoverSquares(const WordDraw& draw);
    void CardClick(int col, int row);
    void bnUncoverFillClick();
    void ApplyCaptions(bool spanishAnswers) override;
    void LayOut(int pageWidth, int pageHeight) override;

private:
    void ShowBoard();
};
