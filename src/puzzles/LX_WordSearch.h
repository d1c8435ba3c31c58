#pragma once
// The Word Search screen: a set-up panel (word count, directions, filters, category) and the
// puzzle panel with the letter grid, the word list and the play buttons.

#include "ScreenForm.h"
#include "WordSearchRules.h"

#include <QFont>

#include <memory>

class CategoryPicker;
class LexGrid;
class QFrame;
class QLabel;
class QPainter;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TfrmWordSearch : public TScreenForm {
    Q_OBJECT
public:
    explicit TfrmWordSearch(QWidget* mainWindow);
    ~TfrmWordSearch() override;

    int HintSubMode() const override { return PuzzleShowing; }

    // Set-up panel.
    QFrame* PanelMain;
    QFrame* PanelStep1;
    QFrame* PanelStep2;
    QFrame* PanelStep3;
    QFrame* PanelStep4;
    QLabel* PanelInstructStep1;
    QLabel* PanelInstructStep2;
    QLabel* PanelInstructStep3;
    QLabel* PanelInstructStep4;
    QLabel* lblWords;
    QSpinBox* senWords;
    QRadioButton* rbForward;
    QRadioButton* rbAllDir;
    QLabel* imgForward;
    QLabel* imgAllDir;
    QRadioButton* rbCommon;
    QRadioButton* rbNotCommon;
    QRadioButton* rbAllCommon;
    CategoryPicker* Picker;
    QRadioButton* rbLearned;
    QRadioButton* rbNotLearned;
    QRadioButton* rbAllLearned;
    QPushButton* bnLoadExisting;
    QPushButton* bnStartGame;

    // Puzzle panel.
    QFrame* PanelWordSearch;
    QLabel* lblSearchHeader;
    LexGrid* sgWordSearch;
    QPushButton* bnShowSpanish;
    LexGrid* sgWords;
    QLabel* PanelInstruct;
    QPushButton* bnFill;
    QPushButton* bnClear;
    QPushButton* bnReturn;
    QPushButton* bnSame;
    QPushButton* bnPrint;
    QPushButton* bnSave;
    QFrame* PanelInstruct2;
    QLabel* lblInstruct2;
    QLabel* lblInstruct3;

    int PuzzleShowing = 0;
    int RestartCount = 0;
    int WordListFontStep = 3;
    QString CategoryCaption;

    // The puzzle on view (null before the first) and the drag across it.
    const WordSearchPuzzle* Puzzle() const { return puzzle_.get(); }
    WordSearchPuzzle* Puzzle() { return puzzle_.get(); }
    const SearchDrag& Drag() const { return *drag_; }

    void senWordsChange();
    void rbDirectionClick();
    void rbCommonClick();
    void rbLearnedClick();
    // fromSame: the request comes from "New puzzle" (never asks about fewer words).
    void bnStartGameClick(bool fromSame = false);
    void bnSameClick();
    void bnReturnClick();
    void bnFillClick();
    void bnClearClick();
    void bnShowSpanishClick();
    void bnSaveClick();
    void bnLoadExistingClick();
    void sgWordSearchMouseDown(int col, int row);
    void sgWordSearchDragOver(int col, int row);
    void sgWordSearchEndDrag(int col, int row);
    void sgWordsMouseDown(int col, int row);
    void bnPrintClick();

protected:
    void OnFormShow() override;
    void OnFormResize() override;

private:
    WordSelection Selection() const;
    bool AllWordsFilters() const;
    void ShowPuzzle(std::unique_ptr<WordSearchPuzzle> puzzle, bool spanishAnswers);
    // The list's instruction and show-all button, in the answer language of the list on view.
    void ApplyListCaptions();
    // The list's font step: the largest, from the one it has, at which every shown text fits.
    void FitWordList();
    void RepaintGrids();
    void LayOutSetup();
    void LayOutPuzzle();
    void DrawLetterCell(QPainter& p, int col, int row, const QRect& rect);
    void DrawListCell(QPainter& p, int col, int row, const QRect& rect);

    std::unique_ptr<WordSearchPuzzle> puzzle_;
    bool puzzleSpanish_ = true;  // the answer language the puzzle on view was built in
    QFont letterFont_;           // the grid's letters, for its cell size
    QFont listFonts_[3];         // the list's steps 1 to 3, for its row height
    std::unique_ptr<SearchDrag> drag_;
    bool dragging_ = false;
};
