#pragma once
// The Select Letters panel of the Word Games screen: the answer grid of six rows, the clue
// buttons beside it, the pool of column letters below and the note on letters placed
// beforehand. The form owns it and calls the set-up.

#include "SelectLettersRules.h"
#include "WordGamePanel.h"

#include <array>

class LexGrid;

class SelectLettersPanel : public TWordGamePanel {
    Q_OBJECT
public:
    explicit SelectLettersPanel(QWidget* parent);

    LexGrid* sgSelectAns;
    LexGrid* sgSelectMix;
    QFrame* PanelSelectBtns;
    std::array<QLabel*, SelectRowCount> lblSelectEng{};       // the bare clue
    std::array<QPushButton*, SelectRowCount> bnSelectEng{};  // "Show English" / "Show Spanish"
    QFrame* PanelNote;
    std::array<QLabel*, 4> lblNote{};
    QPushButton* bnSelectCheck;
    QPushButton* bnSelectFill;
    QPushButton* bnSelectPrint;

    SelectBoard Board;

    void SetupSelectLetters(const WordDraw& draw);
    void bnSelectCheckClick();
    void bnSelectFillClick();
    void bnSelectEngClick(int k);

    void ApplyCaptions(bool spanishAnswers) override;
    void LayOut(int width, int height) override;
    // The model onto the grids and the clues.
    void ShowBoard();
};
