#pragma once
// The Codewords panel of the Word Games screen: six coded words, the key table and the game
// alphabet the letters are dragged from. The form owns it and calls the set-up.

#include "CodewordsRules.h"
#include "WordGamePanel.h"

#include <array>

class LexGrid;

class CodewordsPanel : public TWordGamePanel {
    Q_OBJECT
public:
    explicit CodewordsPanel(QWidget* parent);

    std::array<LexGrid*, CodeWordCount> sgCodeGrid{};
    std::array<QLabel*, CodeWordCount> lblCodeEnglish{};       // the bare clue
    std::array<QPushButton*, CodeWordCount> bnCodeEnglish{};  // "Show English" / "Show Spanish"
    LexGrid* sgCode;          // the key
    LexGrid* sgCodeAlphabet;  // the letters to drag
    QPushButton* bnCodeCheck;
    QPushButton* bnCodeFill;
    QPushButton* bnCodePrint;

    CodewordsBoard Board;

    // The code of the six words (first), then each word in turn.
    void SetupCodewords(const WordDraw& draw);
    void SetupCodeRow(int k, const TAnswer& word);

    void bnCodeCheckClick();
    void bnCodeFillClick();
    void bnCodeEnglishClick(int k);

    void ApplyCaptions(bool spanishAnswers) override;
    void LayOut(int width, int height) override;
    // The model onto the grids and the clues.
    void ShowBoard();

private:
    int maxAnswerLen_ = 0;
};
