#pragma once
// The Options screen: overview, first-run set-up, display settings and the word search.

#include "OptionsRules.h"
#include "ScreenForm.h"
#include "SearchRules.h"

#include <cstdint>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class AlphabetGrid;
class LexGrid;
class QPainter;
class QPushButton;
class QRadioButton;
class TfrmMain;

class TfrmOptions : public TScreenForm {
    Q_OBJECT
public:
    explicit TfrmOptions(QWidget* mainWindow);

    uint8_t ShowOverviewPage = 0;
    uint8_t ShowSetupPage = 0;
    uint8_t OpenedAtStart = 0;

    // Overview page.
    QFrame* PanelInstruct;
    QWidget* pbInstruct;
    QLabel* lblTest;
    QPushButton* bnContinue;
    QFrame* PanelOverview2;
    QLabel* lblOverview2;
    QCheckBox* cbOverview2;

    // Set-up page.
    QFrame* PanelChangeIt;
    QLabel* lblHeader;
    QLabel* lblGotoOptions;
    QFrame* PanelInfo;
    QFrame* PanelShowOverview;
    QLabel* lblOverview;
    QCheckBox* cbOverview;
    QFrame* PanelScreenSize;
    QLabel* lblScreen1;
    QRadioButton* rbScreen800;
    QRadioButton* rbScreen1000;
    QRadioButton* rbScreen1260;
    QFrame* PanelAnswer;
    QLabel* lblAnswer;
    QRadioButton* rbSpanishAns;
    QRadioButton* rbEnglishAns;
    QFrame* PanelFontSize;
    QLabel* lblFont1;
    QRadioButton* rbFont1;
    QRadioButton* rbFont2;
    QRadioButton* rbFont3;
    QFrame* PanelSearch;
    QLabel* lblSearch;
    QPushButton* bnSearch;
    QFrame* PanelText;
    QLabel* PanelScreenInstruct;
    QLabel* PanelOverviewInstruct;
    QLabel* PanelAnswerInstruct;
    QLabel* PanelFontInstruct;
    QPushButton* bnEndSetupOK;

    // Word search page.
    QFrame* PanelSearchIt;
    QPushButton* bnReturn;
    QRadioButton* rbStarting;
    QRadioButton* rbContaining;
    QLabel* PanelSearchInstruct;
    QLineEdit* edSearch;
    QPushButton* bnClear;
    QFrame* PanelMemo1;
    QPushButton* bnSearchSpanish;
    QPushButton* bnSearchEnglish;
    AlphabetGrid* sgAlphabet;
    LexGrid* dgSearch;
    SearchOutcome SearchResults;

    // The overview while its page is up (the Quick Hints buffer).
    HintLineBuffer HintLines;

    void bnContinueClick();
    void bnEndSetupOKClick();
    void cbOverviewClick();
    void PanelOverviewClick();
    void rbScreenClick();
    void rbFontClick();
    void rbAnsLangClick();
    void bnSearchClick();
    void bnReturnClick();
    void rbSearchClick();
    void edSearchChange();
    void bnClearClick();
    void bnSearchWordsClick(QPushButton* sender);
    void dgSearchDrawCell(QPainter& canvas, int col, int row, const QRect& rect);

    // The word search page is a sub-mode of its own for the hints and help.
    int HintSubMode() const override;
    void pbInstructPaint(QPainter& canvas);

protected:
    void OnFormShow() override;
    void OnFormResize() override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TfrmMain* Main() const;
    int PixelsPerInch() const;
    int CheckedFontMode() const;
    ScreenSizeChoice CheckedScreenSize() const;
    void CheckSizeRadiosForWindow();
    void SetOverviewCells();
    void LayOutOverviewPage();
    void LayOutSetupPage();
    void LayOutSearchPage();
    void BuildSearchPage();
    void SetSearchButtons();
    void TakeMainFont();
};
