#pragma once
// The Custom Lists screen: built-in words on the left, the user's own categories,
// sub-categories and words on the right. Every add, edit or delete panel opens over the left
// half in edit mode, with the tool bar covered until it closes.

#include "CustomListsRules.h"
#include "ScreenForm.h"

#include <QPixmap>

#include <array>

class LexGrid;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

class TfrmCustomLists : public TScreenForm {
    Q_OBJECT
public:
    explicit TfrmCustomLists(QWidget* mainWindow);

    // One add or edit panel: headers, a two-line instruction box, boxes, Save and Cancel.
    struct EditPanel {
        QFrame* Panel = nullptr;
        QLabel* Header = nullptr;
        QLabel* Header2 = nullptr;  // null where the panel has none
        QLabel* Header3 = nullptr;
        QFrame* Instruct = nullptr;
        std::array<QLabel*, 2> InstructLines{};
        QPushButton* Save = nullptr;
        QPushButton* Cancel = nullptr;
    };

    QFrame* PanelCustom;
    QFrame* PanelFixedCategories;
    QLabel* lblFixed;
    LexGrid* sgFixedCategory;
    LexGrid* sgFixedSubCategory;
    QRadioButton* rbFixedCommon;
    QRadioButton* rbFixedNotCommon;
    QRadioButton* rbFixedAllCommon;
    LexGrid* dgFixedHeader;
    LexGrid* dgFixedWords;
    QFrame* PanelFixedSort1;
    QFrame* PanelFixedSort2;
    QToolButton* imgFixedUp1;
    QToolButton* imgFixedDown1;
    QToolButton* imgFixedUp2;
    QToolButton* imgFixedDown2;

    QFrame* PanelCustomCategories;
    QLabel* lblCustom;
    LexGrid* sgCustomCategory;
    LexGrid* sgCustomSubCategory;
    LexGrid* dgCustomHeader;
    LexGrid* dgCustomWords;
    QToolButton* bnAddCategory;
    QToolButton* bnEditCategory;
    QToolButton* bnDeleteCategory;
    QToolButton* bnAddSubCategory;
    QToolButton* bnEditSubCategory;
    QToolButton* bnDeleteSubCategory;
    QToolButton* bnAddWords;
    QToolButton* bnEditWords;
    QToolButton* bnDeleteWords;

    QFrame* PanelCustomInstruct;
    std::array<QLabel*, 2> InstructLines{};

    EditPanel AddCategory, EditCategory, AddSubCategory, EditSubCategory, AddData, EditData;
    QFrame*& PanelAddCategory = AddCategory.Panel;
    QFrame*& PanelEditCategory = EditCategory.Panel;
    QFrame*& PanelAddSubCategory = AddSubCategory.Panel;
    QFrame*& PanelEditSubCategory = EditSubCategory.Panel;
    QFrame*& PanelAddData = AddData.Panel;
    QFrame*& PanelEditData = EditData.Panel;
    QLineEdit* edAddCategory;
    QLineEdit* edEditCategory;
    QLineEdit* edAddSubCategory;
    QLineEdit* edEditSubCategory;
    QLineEdit* edAddEnglish;
    QLineEdit* edAddSpanish;
    QLineEdit* edAddSpanishAddOn;
    QLineEdit* edEditEnglish;
    QLineEdit* edEditSpanish;
    QLineEdit* edEditSpanishAddOn;
    LexGrid* sgAddDataType;
    LexGrid* sgEditDataType;
    QCheckBox* cbAddCommon;
    QCheckBox* cbEditCommon;
    QPushButton* bnAddMoreInfo;
    QPushButton* bnEditMoreInfo;

    int SelFixedCategory = 0;
    int SelFixedSubCategory = 0;
    int SelCustomCategory = BuiltInCategorySlots;
    int SelCustomSubCategory = 0;
    int SelCustomWordRow = 0;
    int SelDataType = -1;
    int EditWordIndex = -1;
    int ScrollBarWidth = 16;

    std::vector<WordListRow> FixedWordList;   // as shown
    std::vector<WordListRow> CustomWordList;  // as shown

    void FillFixedWordList();
    void FillCustomWordList();
    void UpdateCustomButtons();
    void EnterEditMode();
    void LeaveEditMode();
    bool InEditMode() const { return editMode_; }
    void ScrollToSelectedWord();
    // The word chosen in the custom list, or -1 once the user is told to choose one.
    int ChosenCustomWord() const;
    // The custom grids and buttons after a category or sub-category went.
    void ShowCustomVocabulary();

    bool sgFixedCategorySelectCell(int row);
    void sgFixedSubCategorySelectCell(int row);
    bool sgCustomCategorySelectCell(int row);
    void sgCustomSubCategorySelectCell(int row);
    void rbFixedCommonClick();
    void SetSortMode(int mode);
    void dgCustomWordsSelectCell(int row);
    void dgFixedWordsMouseDown(int col, int row);

    void bnAddCategoryClick();
    void bnEditCategoryClick();
    void bnAddSubCategoryClick();
    void bnEditSubCategoryClick();
    void bnSaveAddCategoryClick();
    void bnSaveEditCategoryClick();
    void bnSaveAddSubCategoryClick();
    void bnSaveEditSubCategoryClick();
    void bnDeleteCategoryClick();
    void bnDeleteSubCategoryClick();
    void bnAddWordsClick();
    void bnEditWordsClick();
    void bnDeleteWordsClick();
    void bnSaveAddEditDataClick(bool editPanel);
    void bnMoreInfoClick();
    void CancelPanel(EditPanel& panel);

protected:
    void OnFormShow() override;
    void OnFormResize() override;

private:
    EditPanel MakePanel(const char* name, const char* header, bool header2, bool header3, const char* line1,
                        const char* line2);
    QLineEdit* MakeBox(QFrame* panel, const char* name, int maxLength);
    LexGrid* MakeDataTypeGrid(QFrame* panel, const char* name);
    void OpenPanel(EditPanel& panel, QLineEdit* focus);
    void ClosePanel(EditPanel& panel);
    void SetWordPanelHeaders(EditPanel& panel);
    bool ReadBox(QLineEdit* box, std::string& out);
    bool Refused(QLineEdit* box, const std::string& refusal);
    void LayOutPanel(EditPanel& panel, const QRect& area);
    void LayOutWordPanel(EditPanel& panel, QLineEdit* english, QLineEdit* spanish, QLineEdit* addOn, LexGrid* types,
                         QCheckBox* common, QPushButton* moreInfo, std::array<QLabel*, 5>& labels, QFrame* help,
                         const QRect& area);
    void LayOutNamePanel(EditPanel& panel, QLineEdit* box, const QRect& area);
    void LayOutWordColumns(LexGrid* header, LexGrid* list, bool fixed);
    void FixedSelection(WordSelection& s) const;
    void CustomPick(int category);

    QPixmap ArrowBitmap;
    bool editMode_ = false;
    std::array<QLabel*, 5> addLabels_{};
    std::array<QLabel*, 5> editLabels_{};
    QFrame* addHelp_ = nullptr;
    QFrame* editHelp_ = nullptr;
};
