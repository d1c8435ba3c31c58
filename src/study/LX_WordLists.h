#pragma once
// The Word Lists screen: the words of a selection in two lists, to learn and learned; the
// arrows and the "All" buttons move words between them.

#include "ScreenForm.h"
#include "WordListsRules.h"

#include <QPixmap>

#include <array>

class CategoryPicker;
class LexGrid;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

class TfrmWordLists : public TScreenForm {
    Q_OBJECT
public:
    explicit TfrmWordLists(QWidget* mainWindow);

    QFrame* PanelLearn;
    QFrame* PanelInstruct;
    QFrame* PanelTopInstruct;
    std::array<QLabel*, 7> InstructLabels{};
    QFrame* PanelCategory;
    CategoryPicker* Picker;
    QRadioButton* rbCommon;
    QRadioButton* rbNotCommon;
    QRadioButton* rbAllCommon;
    LexGrid* dgWordsHeader;
    LexGrid* dgLearnedHeader;
    LexGrid* dgWords;
    LexGrid* dgLearned;
    QLabel* lblNotLearned;
    QLabel* lblLearned;
    QPushButton* bnAllToLearned;
    QPushButton* bnAllToData;
    QFrame* PanelSort1;
    QFrame* PanelSort2;
    QToolButton* imgSortUp1;
    QToolButton* imgSortDown1;
    QToolButton* imgSortUp2;
    QToolButton* imgSortDown2;

    WordLists Lists;  // as shown

    void BuildWordLists();
    void rbCommonClick();
    void dgWordsMouseDown(LexGrid* list, int col, int row);
    void bnAllClick(bool toLearned);
    void SetSortMode(int mode);
    WordSelection Selection() const;

protected:
    void OnFormShow() override;
    void OnFormResize() override;

private:
    void DrawHeaderCell(QPainter& p, int col, const QRect& rect, bool learnedHeader);
    void DrawListCell(QPainter& p, int col, int row, const QRect& rect, bool learnedList);
    void LayOutColumns();

    QPixmap arrowRight_;
    QPixmap arrowLeft_;
};
