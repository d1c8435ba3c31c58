#pragma once
// The Match Words panel: the clues beside their boxes, the answers in a pool beside them.

#include "MatchWordsRules.h"
#include "WordGamePanel.h"

class LexGrid;

class TMatchWordsPanel : public TWordGamePanel {
    Q_OBJECT
public:
    explicit TMatchWordsPanel(QWidget* parent);

    LexGrid* sgMatchAns;  // column 0 the clue, column 1 its box
    LexGrid* sgMatchMix;  // the answers to place
    QPushButton* bnMatchCheck;
    QPushButton* bnMatchFillAll;
    MatchBoard Board;

    void SetupMatchWords(const WordDraw& draw);
    void bnMatchCheckClick();
    void bnMatchFillAllClick();
    void ApplyCaptions(bool spanishAnswers) override;
    void LayOut(int pageWidth, int pageHeight) override;

private:
    void ShowBoard();  // the model onto both grids
};
