#pragma once
// The Word Tests screen: up to 20 words of a selection to translate, each row checked and
// scored on its own, with Check All, Fill All and the total.

#include "ScreenForm.h"
#include "WordTestsRules.h"

#include <array>

class CategoryPicker;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TfrmWordTests : public TScreenForm {
    Q_OBJECT
public:
    explicit TfrmWordTests(QWidget* mainWindow);

    static constexpr int Rows = TestRowCapacity;
    static constexpr int MinRowFontSize = 6;  // the rows' font is lowered no further

    QFrame* PanelTest;
    QFrame* PanelCategory;
    QFrame* PanelInstruct;
    QLabel* lblInstruct1;
    QLabel* lblInstruct2;
    QLabel* lblInstruct3;
    CategoryPicker* Picker;
    QFrame* PanelMemo;
    std::array<QLabel*, 4> lblMemo{};
    QFrame* PanelCommon;
    QRadioButton* rbCommon;
    QRadioButton* rbNotCommon;
    QRadioButton* rbAllCommon;
    QFrame* PanelLearned;
    QRadioButton* rbLearned;
    QRadioButton* rbNotLearned;
    QRadioButton* rbAllLearned;
    QPushButton* bnNewTest;
    QLabel* lblTest1;
    QLabel* lblTest2;

    std::array<QFrame*, Rows> PanelShow{};
    std::array<QLabel*, Rows> lblType{};
    std::array<QLabel*, Rows> lblClue{};
    std::array<QLineEdit*, Rows> edAns{};
    std::array<QFrame*, Rows> PanelScore{};
    std::array<QLabel*, Rows> imgY{};
    std::array<QLabel*, Rows> imgN{};
    std::array<QLabel*, Rows> lblSc{};
    QPushButton* bnFill;
    QPushButton* bnCheck;
    QLabel* PanelTotal;
    QLabel* lblTest3;

    WordTest Test;          // the test on view
    int RowFontSize = 0;    // the rows' font size, lowered while the rows do not fit
    int MaxTypeWidth = 0;   // widest type text, clue and answer of the test in the rows' font
    int MaxClueWidth = 0;
    int AnswerBoxWidth = 0;
    bool FirstShow = true;

    void NewTest();
    void ShowTest();
    void HideTestRows();
    void rbCommonClick();
    void rbLearnedClick();
    // Checks one row (an answer box's Enter) or, with -1, every row in use.
    void bnCheckClick(int row = -1);
    void bnFillClick();
    void edAnsKeyDown(int row);

    WordSelection Selection() const;
    // Whether a test (possibly without rows) stands on view: row 0 is shown.
    bool TestOnView() const;

protected:
    void OnFormShow() override;
    void OnFormResize() override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MeasureRows();
    void ApplyRowFont();
    void LayOutParameters(int panelHeight);
    void LayOutRows(int top, int rowHeight);
    void ShowRowMarks(int row, bool right);
    int ScorePanelWidth() const;

    int rowFontBase_ = 0;  // the main font size the rows' font was last reset to
    // Leaving Options runs FormShow twice: an empty selection is told once a visit, while a
    // user's own New test or pick always tells it.
    bool inFormShow_ = false;
    bool noWordsToldThisVisit_ = false;
};
