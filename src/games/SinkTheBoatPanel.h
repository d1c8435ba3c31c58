#pragma once
// The Sink the Boat panel: the hidden word, the alphabet to guess from, the boat and the six
// cells of wrong letters.

#include "SinkTheBoatRules.h"
#include "WordGamePanel.h"

class LexGrid;

class TSinkTheBoatPanel : public TWordGamePanel {
    Q_OBJECT
public:
    explicit TSinkTheBoatPanel(QWidget* parent);

    QLabel* lblAnswer;
    LexGrid* sgSinkAns;
    LexGrid* sgAlphabet;
    QFrame* PanelSinkBoatImage;
    QLabel* imgBoat;   // afloat
    QLabel* imgBoat2;  // sunk
    LexGrid* sgSinkUsed;
    QLabel* lblSinkCongrats;
    QLabel* lblSinkEnglish;
    QPushButton* bnSinkEnglish;
    SinkBoard Board;

    void SetupSinkTheBoat(const WordDraw& draw, bool spanishAnswers);
    void AlphabetClick(int col, int row);
    void bnSinkEnglishClick();
    void ApplyCaptions(bool spanishAnswers) override;
    void LayOut(int pageWidth, int pageHeight) override;

private:
    void ShowBoard();
    bool clueShown_ = false;
};
