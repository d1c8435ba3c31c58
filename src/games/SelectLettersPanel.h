#pragma once
// The Select Letters panel of the Word Games screen: the answer grid of six rows, the clue
// buttons beside it, the pool of column letters below and the note on letters placed
// beforehand. The form owns it and calls the set-up.

#include "SelectLettersRules.h"

#include <QFrame>

#include <array>

class LexGrid;
class QLabel;
class QPushButton;

class SelectLettersPanel : public QFrame {
    Q_OBJECT
public:
    explicit SelectLettersPanel(QWidget* parent);

    QLabel* lblSelectHeader;
    QFrame* PanelSelectInstruct;
    std::array<QLabel*, 3> lblSelectInstruct{};
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
    QPushButton* bnSelectSame;
    QPushButton* bnSelectReturn;

    SelectBoard Board;

    void SetupSelectLetters(const WordDraw& draw);
    void bnSelectCheckClick();
    void bnSelectFillClick();
    void bnSelectEngClick(int k);

    void ApplyCaptions(bool spanishAnswers);
    void LayOut(int width, int height);
    // The model onto the grids and the clues.
    void ShowBoard();
};
