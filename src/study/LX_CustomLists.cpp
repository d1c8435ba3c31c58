#include "LX_CustomLists.h"

#include "AccentTyping.h"
#include "AppGlobals.h"
#include "CategoryPicker.h"
#include "FontScheme.h"
#include "LX_PuzzlesMain.h"
#include "LexGrid.h"
#include "WordListPieces.h"
#include "QtText.h"
#include "ShowMsg.h"
#include "WordFilters.h"

#include "LX_Data.h"
#include "TextCodec.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int RowsPerColumn = 15;
constexpr int CategoryBoxMax = 16;
constexpr int SubCategoryBoxMax = 20;
constexpr int WordBoxMax = 22;
constexpr int AddOnBoxMax = 10;
const char* const LineBreak = "\n\r";
const char* const DataTypeNames[8] = {"Masc.",        "Fem.",        "Masc. + Fem", "Masc. plural",
                                      "Fem. plural",  "Verb",        "Adjective",   "Other"};

LexGrid* MakeGrid(QWidget* parent, const char* name, int columns, int rows)
{
    auto* grid = new LexGrid(parent);
    grid->setObjectName(name);
    grid->SetColCount(columns);
    grid->SetRowCount(rows);
    grid->SetFixedRows(0);
    grid->SetFixedCols(0);
    grid->SetShowSelection(false);
    return grid;
}

// Text drawn in the grid font, bold, vertically centred on the height of "X". A word-list row
// (centred) too wide for its cell takes a smaller size.
void DrawText(QPainter& p, const QRect& rect, const QString& text, bool centred, bool chosen)
{
    p.fillRect(rect, BlueHigh(chosen ? ColorNavy : ColorWhite));
    p.setPen(chosen ? Qt::white : Qt::black);
    p.setFont(centred ? ListRowFont(text, rect.width()) : MakeFont(FontScheme.Grid, true));
    const QFontMetrics fm = p.fontMetrics();
    const int x = centred ? rect.left() + (rect.width() - fm.horizontalAdvance(text)) / 2 : rect.left();
    const int y = rect.top() + (rect.height() - fm.height()) / 2 + fm.ascent();
    p.save();
    p.setClipRect(rect);
    p.drawText(x, y, text);
    p.restore();
}

// A column caption: centred on the header colour.
void DrawHeaderCell(QPainter& p, const QRect& rect, const QString& text)
{
    p.fillRect(rect, BlueHigh(ColorHeader));
    p.setPen(Qt::black);
    p.setFont(MakeFont(FontScheme.Grid, true));
    const QFontMetrics fm = p.fontMetrics();
    p.drawText(rect.left() + (rect.width() - fm.horizontalAdvance(text)) / 2,
               rect.top() + (rect.height() - fm.height()) / 2 + fm.ascent(), text);
}

// The glyphs above the buttons' captions: 0 add, 1 edit, 2 delete.
QIcon ButtonGlyph(int kind)
{
    QPixmap pix(20, 20);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    if (kind == 0) {
        p.fillRect(8, 3, 4, 14, QColor(0, 128, 0));
        p.fillRect(3, 8, 14, 4, QColor(0, 128, 0));
    } else if (kind == 1) {
        p.setPen(QPen(QColor(0, 0, 160), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(5, 15, 15, 5);
        p.setPen(QPen(QColor(200, 150, 0), 3));
        p.drawLine(3, 17, 5, 15);
    } else {
        p.setPen(QPen(QColor(192, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(4, 4, 16, 16);
        p.drawLine(16, 4, 4, 16);
    }
    return QIcon(pix);
}

QToolButton* MakeButton(QWidget* parent, const char* name, int kind)
{
    static const char* const Captions[] = {"Add", "Edit", "Delete"};
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(Captions[kind]);
    button->setIcon(ButtonGlyph(kind));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    return button;
}

void CentreLabel(QLabel* label, int left, int width, int top)
{
    label->adjustSize();
    label->move(left + (width - label->width()) / 2, top);
}

}  // namespace

TfrmCustomLists::TfrmCustomLists(QWidget* mainWindow) : TScreenForm(mainWindow)
{
    setObjectName("frmCustomLists");
    ArrowBitmap = MoveArrow(true);

    PanelCustom = ColouredFrame(this, "PanelCustom", ColorMainWindow);

    // Left half: the built-in words.
    PanelFixedCategories = ColouredFrame(PanelCustom, "PanelFixedCategories", ColorMainWindow);
    PanelFixedCategories->setFrameShape(QFrame::Box);
    lblFixed = new QLabel("Fixed Categories", PanelFixedCategories);
    sgFixedCategory = MakeGrid(PanelFixedCategories, "sgFixedCategory", 1, RowsPerColumn);
    sgFixedSubCategory = MakeGrid(PanelFixedCategories, "sgFixedSubCategory", 1, 1);
    rbFixedCommon = new QRadioButton("Common words only", PanelFixedCategories);
    rbFixedNotCommon = new QRadioButton("Less common only", PanelFixedCategories);
    rbFixedAllCommon = new QRadioButton("All words", PanelFixedCategories);
    rbFixedAllCommon->setChecked(true);
    auto* commonGroup = new QButtonGroup(this);
    for (QRadioButton* rb : {rbFixedCommon, rbFixedNotCommon, rbFixedAllCommon}) {
        commonGroup->addButton(rb);
        connect(rb, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rbFixedCommonClick();
        });
    }
    dgFixedHeader = MakeGrid(PanelFixedCategories, "dgFixedHeader", 3, 1);
    dgFixedWords = MakeGrid(PanelFixedCategories, "dgFixedWords", 3, 1);
    PanelFixedSort1 = ColouredFrame(PanelFixedCategories, "PanelFixedSort1", ColorHeader);
    PanelFixedSort2 = ColouredFrame(PanelFixedCategories, "PanelFixedSort2", ColorHeader);
    auto sortButton = [this](QFrame* panel, Qt::ArrowType arrow, int mode, const char* name) {
        return MakeSortButton(panel, arrow, name, [this, mode] { SetSortMode(mode); });
    };
    imgFixedUp1 = sortButton(PanelFixedSort1, Qt::UpArrow, 1, "imgFixedUp1");
    imgFixedDown1 = sortButton(PanelFixedSort1, Qt::DownArrow, 2, "imgFixedDown1");
    imgFixedUp2 = sortButton(PanelFixedSort2, Qt::UpArrow, 3, "imgFixedUp2");
    imgFixedDown2 = sortButton(PanelFixedSort2, Qt::DownArrow, 4, "imgFixedDown2");

    // Right half: the custom vocabulary.
    PanelCustomCategories = ColouredFrame(PanelCustom, "PanelCustomCategories", ColorMainWindow);
    PanelCustomCategories->setFrameShape(QFrame::Box);
    lblCustom = new QLabel("Custom Categories", PanelCustomCategories);
    sgCustomCategory = MakeGrid(PanelCustomCategories, "sgCustomCategory", 1, RowsPerColumn);
    sgCustomSubCategory = MakeGrid(PanelCustomCategories, "sgCustomSubCategory", 1, MaxCustomSubCategories);
    dgCustomHeader = MakeGrid(PanelCustomCategories, "dgCustomHeader", 3, 1);
    dgCustomWords = MakeGrid(PanelCustomCategories, "dgCustomWords", 3, 1);
    bnAddCategory = MakeButton(PanelCustomCategories, "bnAddCategory", 0);
    bnEditCategory = MakeButton(PanelCustomCategories, "bnEditCategory", 1);
    bnDeleteCategory = MakeButton(PanelCustomCategories, "bnDeleteCategory", 2);
    bnAddSubCategory = MakeButton(PanelCustomCategories, "bnAddSubCategory", 0);
    bnEditSubCategory = MakeButton(PanelCustomCategories, "bnEditSubCategory", 1);
    bnDeleteSubCategory = MakeButton(PanelCustomCategories, "bnDeleteSubCategory", 2);
    bnAddWords = MakeButton(PanelCustomCategories, "bnAddWords", 0);
    bnEditWords = MakeButton(PanelCustomCategories, "bnEditWords", 1);
    bnDeleteWords = MakeButton(PanelCustomCategories, "bnDeleteWords", 2);
    connect(bnAddCategory, &QToolButton::clicked, this, &TfrmCustomLists::bnAddCategoryClick);
    connect(bnEditCategory, &QToolButton::clicked, this, &TfrmCustomLists::bnEditCategoryClick);
    connect(bnDeleteCategory, &QToolButton::clicked, this, &TfrmCustomLists::bnDeleteCategoryClick);
    connect(bnAddSubCategory, &QToolButton::clicked, this, &TfrmCustomLists::bnAddSubCategoryClick);
    connect(bnEditSubCategory, &QToolButton::clicked, this, &TfrmCustomLists::bnEditSubCategoryClick);
    connect(bnDeleteSubCategory, &QToolButton::clicked, this, &TfrmCustomLists::bnDeleteSubCategoryClick);
    connect(bnAddWords, &QToolButton::clicked, this, &TfrmCustomLists::bnAddWordsClick);
    connect(bnEditWords, &QToolButton::clicked, this, &TfrmCustomLists::bnEditWordsClick);
    connect(bnDeleteWords, &QToolButton::clicked, this, &TfrmCustomLists::bnDeleteWordsClick);

    PanelCustomInstruct = ColouredFrame(PanelCustom, "PanelCustomInstruct", ColorHeader);
    PanelCustomInstruct->setFrameShape(QFrame::Box);
    InstructLines[0] = new QLabel(
        "Add, edit and delete categories and sub categories using the buttons above.   Add new", PanelCustomInstruct);
    InstructLines[1] = new QLabel(
        "words to these categories, or copy from the existing categories using the green arrows.", PanelCustomInstruct);

    // The picker variant: built-in categories write the selection, custom ones do not.
    sgFixedCategory->OnDrawCell = [this](QPainter& p, int, int row, const QRect& rect, bool) {
        const bool used = row < CategoryCount;
        DrawPickerCell(p, rect, used ? " " + ToQt(CategoryTable[row].Name) : QString(),
                       used && row == SelFixedCategory, rect.height());
    };
    sgFixedSubCategory->OnDrawCell = [this](QPainter& p, int, int row, const QRect& rect, bool) {
        const TCategoryRecord& cat = CategoryTable[SelFixedCategory];
        const QString text = row == cat.SubCount ? QStringLiteral(" All")
                             : row < cat.SubCount ? " " + ToQt(cat.SubNames[row])
                                                  : QString();
        DrawPickerCell(p, rect, text, row == SelFixedSubCategory, rect.height());
    };
    sgCustomCategory->OnDrawCell = [this](QPainter& p, int, int row, const QRect& rect, bool) {
        const int slot = BuiltInCategorySlots + row;
        const bool used = row < CustomCategoryCount;
        DrawPickerCell(p, rect, used ? " " + ToQt(CustomCategories[slot].Name) : QString(),
                       used && slot == SelCustomCategory, rect.height());
    };
    sgCustomSubCategory->OnDrawCell = [this](QPainter& p, int, int row, const QRect& rect, bool) {
        const bool used = CustomCategoryExists(SelCustomCategory) && row < CustomCategories[SelCustomCategory].SubCount;
        DrawPickerCell(p, rect, used ? " " + ToQt(CustomCategories[SelCustomCategory].SubNames[row]) : QString(),
                       used && row == SelCustomSubCategory, rect.height());
    };
    sgFixedCategory->OnSelectCell = [this](int, int row) { return sgFixedCategorySelectCell(row); };
    sgFixedSubCategory->OnSelectCell = [this](int, int row) {
        sgFixedSubCategorySelectCell(row);
        return row <= CategoryTable[SelFixedCategory].SubCount;
    };
    sgCustomCategory->OnSelectCell = [this](int, int row) { return sgCustomCategorySelectCell(row); };
    sgCustomSubCategory->OnSelectCell = [this](int, int row) {
        if (!CustomSubCategoryExists(SelCustomCategory, row))
            return false;
        sgCustomSubCategorySelectCell(row);
        return true;
    };

    dgFixedHeader->OnDrawCell = [](QPainter& p, int col, int, const QRect& rect, bool) {
        const QString text = col == 0   ? QStringLiteral("Type")
                             : col == 1 ? (Preferences.SpanishAnswers() ? "English (Spanish)" : "Spanish (English)")
                                        : QString();
        DrawHeaderCell(p, rect, text);
    };
    dgCustomHeader->OnDrawCell = [](QPainter& p, int col, int, const QRect& rect, bool) {
        const bool spanish = Preferences.SpanishAnswers();
        const QString text = col == 0 ? QStringLiteral("Type")
                             : col == 1 ? (spanish ? "English" : "Spanish")
                                        : (spanish ? "Spanish" : "English");
        DrawHeaderCell(p, rect, text);
    };
    dgFixedWords->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        p.fillRect(rect, Qt::white);
        if (row < 0 || row >= static_cast<int>(FixedWordList.size()))
            return;
        const WordListRow& r = FixedWordList[row];
        if (col == 2) {
            p.drawPixmap(rect.left() + (rect.width() - ArrowBitmap.width()) / 2,
                         rect.top() + (rect.height() - ArrowBitmap.height()) / 2, ArrowBitmap);
            return;
        }
        DrawText(p, rect, col == 0 ? ToQt(r.TypeText) : " " + ToQt(r.FirstWord) + "  (" + ToQt(r.SecondWord) + ")",
                 true, false);
    };
    dgCustomWords->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        const bool chosen = row == SelCustomWordRow && row < static_cast<int>(CustomWordList.size());
        if (row < 0 || row >= static_cast<int>(CustomWordList.size())) {
            p.fillRect(rect, Qt::white);
            return;
        }
        const WordListRow& r = CustomWordList[row];
        DrawText(p, rect, ToQt(col == 0 ? r.TypeText : col == 1 ? r.FirstWord : r.SecondWord), true, chosen);
    };
    dgCustomWords->OnSelectCell = [this](int, int row) {
        dgCustomWordsSelectCell(row);
        return true;
    };
    dgFixedWords->OnMouseDown = [this](int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers) {
        if (button == Qt::LeftButton)
            dgFixedWordsMouseDown(col, row);
    };

    // The six panels over the left half.
    AddCategory = MakePanel("PanelAddCategory", "Add a new category", false, false, "Type the new category name in",
                            "the box below and then press 'Save'.");
    EditCategory = MakePanel("PanelEditCategory", "Edit the category name", false, false,
                             "Change the category name in the", "box below and then press 'Save'.");
    AddSubCategory = MakePanel("PanelAddSubCategory", "Add a new sub-category", true, false,
                               "Type the new sub-category name in", "the box below and then press 'Save'.");
    EditSubCategory = MakePanel("PanelEditSubCategory", "Edit the sub-category name", true, false,
                                "Change the sub-category name in", "the box below and then press 'Save'.");
    AddData = MakePanel("PanelAddData", "Add new vocabulary line to", true, true, "Fill in the boxes below with the",
                        "required data and then press 'Save'.");
    EditData = MakePanel("PanelEditData", "Edit vocabulary line for", true, true, "Change the required data in the",
                         "boxes below and then press 'Save'.");
    edAddCategory = MakeBox(AddCategory.Panel, "edAddCategory", CategoryBoxMax);
    edEditCategory = MakeBox(EditCategory.Panel, "edEditCategory", CategoryBoxMax);
    edAddSubCategory = MakeBox(AddSubCategory.Panel, "edAddSubCategory", SubCategoryBoxMax);
    edEditSubCategory = MakeBox(EditSubCategory.Panel, "edEditSubCategory", SubCategoryBoxMax);
    edAddEnglish = MakeBox(AddData.Panel, "edAddEnglish", WordBoxMax);
    edAddSpanish = MakeBox(AddData.Panel, "edAddSpanish", WordBoxMax);
    edAddSpanishAddOn = MakeBox(AddData.Panel, "edAddSpanishAddOn", AddOnBoxMax);
    edEditEnglish = MakeBox(EditData.Panel, "edEditEnglish", WordBoxMax);
    edEditSpanish = MakeBox(EditData.Panel, "edEditSpanish", WordBoxMax);
    edEditSpanishAddOn = MakeBox(EditData.Panel, "edEditSpanishAddOn", AddOnBoxMax);
    for (QLineEdit* spanish : {edAddSpanish, edEditSpanish})
        AttachAccentTyping(spanish);
    sgAddDataType = MakeDataTypeGrid(AddData.Panel, "sgAddDataType");
    sgEditDataType = MakeDataTypeGrid(EditData.Panel, "sgEditDataType");
    cbAddCommon = new QCheckBox("Click to indicate common word", AddData.Panel);
    cbAddCommon->setObjectName("cbAddCommon");
    cbEditCommon = new QCheckBox("Click to indicate common word", EditData.Panel);
    cbEditCommon->setObjectName("cbEditCommon");
    bnAddMoreInfo = new QPushButton("Click for explanation", AddData.Panel);
    bnAddMoreInfo->setObjectName("bnAddMoreInfo");
    bnEditMoreInfo = new QPushButton("Click for explanation", EditData.Panel);
    bnEditMoreInfo->setObjectName("bnEditMoreInfo");
    connect(bnAddMoreInfo, &QPushButton::clicked, this, &TfrmCustomLists::bnMoreInfoClick);
    connect(bnEditMoreInfo, &QPushButton::clicked, this, &TfrmCustomLists::bnMoreInfoClick);
    for (auto [panel, labels, help] : {std::tuple{AddData.Panel, &addLabels_, &addHelp_},
                                       std::tuple{EditData.Panel, &editLabels_, &editHelp_}}) {
        const char* const texts[] = {"English", "Spanish", "Additional spanish", "Data type", "(click to change)"};
        for (int i = 0; i < 5; ++i)
            (*labels)[i] = new QLabel(texts[i], panel);
        *help = ColouredFrame(panel, "AccentHelp", ColorHeader);
        (*help)->setFrameShape(QFrame::Box);
        auto* helpText = new QLabel(QString::fromUtf8("For \u00e1,\u00e9,\u00ed,\u00f3,\u00fa\nType ' then a,e,i,o,u\n"
                                                      "For \u00f1\nType ' or ~ then n\nFor \u00fc\nType \" then u"),
                                    *help);
        helpText->setObjectName("AccentHelpText");
        helpText->setAlignment(Qt::AlignCenter);
    }

    connect(AddCategory.Save, &QPushButton::clicked, this, &TfrmCustomLists::bnSaveAddCategoryClick);
    connect(EditCategory.Save, &QPushButton::clicked, this, &TfrmCustomLists::bnSaveEditCategoryClick);
    connect(AddSubCategory.Save, &QPushButton::clicked, this, &TfrmCustomLists::bnSaveAddSubCategoryClick);
    connect(EditSubCategory.Save, &QPushButton::clicked, this, &TfrmCustomLists::bnSaveEditSubCategoryClick);
    connect(AddData.Save, &QPushButton::clicked, this, [this] { bnSaveAddEditDataClick(false); });
    connect(EditData.Save, &QPushButton::clicked, this, [this] { bnSaveAddEditDataClick(true); });
    for (EditPanel* panel : {&AddCategory, &EditCategory, &AddSubCategory, &EditSubCategory, &AddData, &EditData})
        connect(panel->Cancel, &QPushButton::clicked, this, [this, panel] { CancelPanel(*panel); });
}

TfrmCustomLists::EditPanel TfrmCustomLists::MakePanel(const char* name, const char* header, bool header2,
                                                      bool header3, const char* line1, const char* line2)
{
    EditPanel e;
    e.Panel = ColouredFrame(PanelCustom, name, ColorMainWindow);
    e.Panel->setFrameShape(QFrame::Box);
    e.Panel->hide();
    e.Header = new QLabel(header, e.Panel);
    if (header2)
        e.Header2 = new QLabel(e.Panel);
    if (header3)
        e.Header3 = new QLabel(e.Panel);
    e.Instruct = ColouredFrame(e.Panel, "Instruct", ColorHeader);
    e.Instruct->setFrameShape(QFrame::Box);
    e.InstructLines[0] = new QLabel(line1, e.Instruct);
    e.InstructLines[1] = new QLabel(line2, e.Instruct);
    e.Save = new QPushButton("Save", e.Panel);
    e.Save->setObjectName(QStringLiteral("bnSave") + QString(name).mid(5));
    e.Cancel = new QPushButton("Cancel", e.Panel);
    e.Cancel->setObjectName(QStringLiteral("bnCancel") + QString(name).mid(5));
    return e;
}

QLineEdit* TfrmCustomLists::MakeBox(QFrame* panel, const char* name, int maxLength)
{
    auto* box = new QLineEdit(panel);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    box->setProperty("typingLimit", maxLength);
    AttachCaretToEnd(box);
    return box;
}

LexGrid* TfrmCustomLists::MakeDataTypeGrid(QFrame* panel, const char* name)
{
    LexGrid* grid = MakeGrid(panel, name, 2, 4);
    grid->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        const int type = row * 2 + col;
        DrawText(p, rect, QStringLiteral(" ") + DataTypeNames[type], false, type == SelDataType);
    };
    grid->OnSelectCell = [this, grid](int col, int row) {
        SelDataType = row * 2 + col;
        grid->update();
        return true;
    };
    return grid;
}

// ---- Lists and selection ----

void TfrmCustomLists::FixedSelection(WordSelection& s) const
{
    s.Category = SelFixedCategory;
    s.SubCategory = SelFixedSubCategory;
    s.AllSubCategories = SelFixedSubCategory >= CategoryTable[SelFixedCategory].SubCount;
    s.CommonFilter = CheckedFilter(rbFixedCommon, rbFixedNotCommon);
}

void TfrmCustomLists::FillFixedWordList()
{
    WordSelection s;
    FixedSelection(s);
    FixedWordList = FixedWordRows(s, Preferences.SpanishAnswers(), Preferences.WordSortMode);
    dgFixedWords->SetRowCount(std::max<int>(1, static_cast<int>(FixedWordList.size())));
    FormResize();
    dgFixedWords->update();
}

void TfrmCustomLists::FillCustomWordList()
{
    CustomWordList = CustomWordRows(SelCustomCategory, SelCustomSubCategory, Preferences.SpanishAnswers(),
                                    Preferences.WordSortMode);
    dgCustomWords->SetRowCount(std::max<int>(1, static_cast<int>(CustomWordList.size())));
    FormResize();
    dgCustomWords->update();
}

void TfrmCustomLists::UpdateCustomButtons()
{
    const CustomButtonsEnabled b = CustomButtons(SelCustomCategory, SelCustomSubCategory, CustomWordList, SelCustomWordRow);
    bnAddCategory->setEnabled(b.AddCategory);
    bnEditCategory->setEnabled(b.EditCategory);
    bnDeleteCategory->setEnabled(b.DeleteCategory);
    bnAddSubCategory->setEnabled(b.AddSubCategory);
    bnEditSubCategory->setEnabled(b.EditSubCategory);
    bnDeleteSubCategory->setEnabled(b.DeleteSubCategory);
    bnAddWords->setEnabled(b.AddWords);
    bnEditWords->setEnabled(b.EditWords);
    bnDeleteWords->setEnabled(b.DeleteWords);
}

bool TfrmCustomLists::sgFixedCategorySelectCell(int row)
{
    if (row < 0 || row >= CategoryCount || row >= RowsPerColumn)
        return false;
    SelFixedCategory = row;
    Preferences.SelectedCategory = row;
    sgFixedSubCategory->SetRowCount(CategoryTable[row].SubCount + 1);
    sgFixedCategory->update();
    sgFixedSubCategorySelectCell(Preferences.AllSubCategories ? CategoryTable[row].SubCount : 0);
    return true;
}

void TfrmCustomLists::sgFixedSubCategorySelectCell(int row)
{
    const int subCount = CategoryTable[SelFixedCategory].SubCount;
    if (row < 0 || row > subCount)
        return;
    SelFixedSubCategory = row;
    Preferences.SelectedCategory = SelFixedCategory;
    Preferences.SelectedSubCategory = row;
    Preferences.AllSubCategories = row == subCount ? 1 : 0;
    sgFixedSubCategory->update();
    dgFixedWords->SetTopRow(0);
    FillFixedWordList();
}

void TfrmCustomLists::CustomPick(int category)
{
    SelCustomCategory = category;
    sgCustomCategory->update();
    sgCustomSubCategorySelectCell(0);
}

bool TfrmCustomLists::sgCustomCategorySelectCell(int row)
{
    if (row < 0 || row >= CustomCategoryCount)
        return false;
    CustomPick(BuiltInCategorySlots + row);
    return true;
}

void TfrmCustomLists::sgCustomSubCategorySelectCell(int row)
{
    SelCustomSubCategory = row;
    SelCustomWordRow = 0;
    sgCustomSubCategory->update();
    dgCustomWords->SetTopRow(0);
    FillCustomWordList();
    UpdateCustomButtons();
}

void TfrmCustomLists::rbFixedCommonClick()
{
    FillFixedWordList();
}

void TfrmCustomLists::SetSortMode(int mode)
{
    Preferences.WordSortMode = mode;
    FillFixedWordList();
    FillCustomWordList();
}

void TfrmCustomLists::dgCustomWordsSelectCell(int row)
{
    SelCustomWordRow = row;
    dgCustomWords->update();
    UpdateCustomButtons();
}

void TfrmCustomLists::ScrollToSelectedWord()
{
    if (SelCustomWordRow < 0)
        SelCustomWordRow = 0;
    const int rows = static_cast<int>(CustomWordList.size());
    int top = 0;
    if (rows >= 11 && SelCustomWordRow >= 6) {
        top = SelCustomWordRow - 5;
        while (top > 0 && top + 9 >= rows)
            --top;
    }
    dgCustomWords->SetTopRow(top);
}

// ---- Edit mode ----

void TfrmCustomLists::EnterEditMode()
{
    editMode_ = true;
    PanelFixedCategories->setEnabled(false);
    PanelCustomCategories->setEnabled(false);
    SetWindowColour(PanelCustom, QColor(0xC0, 0xC0, 0xC0));
    if (frmMain) {
        frmMain->PanelHide->show();
        frmMain->PanelHide->raise();
    }
    for (QToolButton* b : {bnAddCategory, bnEditCategory, bnDeleteCategory, bnAddSubCategory, bnEditSubCategory,
                           bnDeleteSubCategory, bnAddWords, bnEditWords, bnDeleteWords})
        b->hide();
    PanelCustomInstruct->hide();
    FormResize();
}

void TfrmCustomLists::LeaveEditMode()
{
    editMode_ = false;
    PanelFixedCategories->setEnabled(true);
    PanelCustomCategories->setEnabled(true);
    SetWindowColour(PanelCustom, palette().color(QPalette::Window));
    if (frmMain)
        frmMain->PanelHide->hide();
    for (QToolButton* b : {bnAddCategory, bnEditCategory, bnDeleteCategory, bnAddSubCategory, bnEditSubCategory,
                           bnDeleteSubCategory, bnAddWords, bnEditWords, bnDeleteWords})
        b->show();
    PanelCustomInstruct->show();
    UpdateCustomButtons();
    FormResize();  // the buttons take their room again
}

void TfrmCustomLists::OpenPanel(EditPanel& panel, QLineEdit* focus)
{
    panel.Panel->show();
    panel.Panel->raise();
    focus->setFocus();
    EnterEditMode();
}

void TfrmCustomLists::ClosePanel(EditPanel& panel)
{
    panel.Panel->hide();
    LeaveEditMode();
}

void TfrmCustomLists::CancelPanel(EditPanel& panel)
{
    ClosePanel(panel);
}

bool TfrmCustomLists::ReadBox(QLineEdit* box, std::string& out)
{
    // Every way text reaches a box (typing, paste, drop, a rename) ends here before it is stored.
    QString bad;
    if (StoredTextFromQt(box->text(), out, &bad))
        return true;
    ShowMessageForm(frmShowMsg, CannotStoreText(bad), 0);
    box->setFocus();
    return false;
}

// Shows a name check's refusal, if any, and gives the box back the focus.
bool TfrmCustomLists::Refused(QLineEdit* box, const std::string& refusal)
{
    if (refusal.empty())
        return false;
    ShowMessageForm(frmShowMsg, ToQt(refusal), 0);
    box->setFocus();
    return true;
}

// ---- Categories and sub-categories ----

void TfrmCustomLists::bnAddCategoryClick()
{
    edAddCategory->clear();
    OpenPanel(AddCategory, edAddCategory);
}

void TfrmCustomLists::bnEditCategoryClick()
{
    if (!CustomCategoryExists(SelCustomCategory))
        return;
    const QString name = ToQt(CustomCategories[SelCustomCategory].Name);
    edEditCategory->setMaxLength(std::max<int>(CategoryBoxMax, name.size()));
    edEditCategory->setText(name);
    OpenPanel(EditCategory, edEditCategory);
}

void TfrmCustomLists::bnAddSubCategoryClick()
{
    if (!CustomCategoryExists(SelCustomCategory))
        return;
    edAddSubCategory->clear();
    AddSubCategory.Header2->setText("to category " + ToQt(CustomCategories[SelCustomCategory].Name));
    OpenPanel(AddSubCategory, edAddSubCategory);
}

void TfrmCustomLists::bnEditSubCategoryClick()
{
    if (!CustomSubCategoryExists(SelCustomCategory, SelCustomSubCategory))
        return;
    const QString name = ToQt(CustomCategories[SelCustomCategory].SubNames[SelCustomSubCategory]);
    edEditSubCategory->setMaxLength(std::max<int>(SubCategoryBoxMax, name.size()));
    edEditSubCategory->setText(name);
    EditSubCategory.Header2->setText("for category " + ToQt(CustomCategories[SelCustomCategory].Name));
    OpenPanel(EditSubCategory, edEditSubCategory);
}

void TfrmCustomLists::bnSaveAddCategoryClick()
{
    std::string name;
    if (!ReadBox(edAddCategory, name) || Refused(edAddCategory, CheckCategoryName(name, -1)))
        return;
    SelCustomCategory = AddCustomCategory(name);
    SelCustomSubCategory = 0;
    SelCustomWordRow = 0;
    FillCustomWordList();
    sgCustomCategory->update();
    sgCustomSubCategory->update();
    ClosePanel(AddCategory);
}

void TfrmCustomLists::bnSaveEditCategoryClick()
{
    std::string name;
    if (!ReadBox(edEditCategory, name) || Refused(edEditCategory, CheckCategoryName(name, SelCustomCategory)))
        return;
    SelCustomCategory = RenameCustomCategory(SelCustomCategory, name);
    FillCustomWordList();
    sgCustomCategory->update();
    sgCustomSubCategory->update();
    ClosePanel(EditCategory);
}

void TfrmCustomLists::bnSaveAddSubCategoryClick()
{
    std::string name;
    if (!ReadBox(edAddSubCategory, name) || Refused(edAddSubCategory, CheckSubCategoryName(SelCustomCategory, name, -1)))
        return;
    const int entry = AddCustomSubCategory(SelCustomCategory, name);
    if (entry >= 0)
        SelCustomSubCategory = entry;
    SelCustomWordRow = 0;
    FillCustomWordList();
    sgCustomSubCategory->update();
    ClosePanel(AddSubCategory);
}

void TfrmCustomLists::bnSaveEditSubCategoryClick()
{
    std::string name;
    if (!ReadBox(edEditSubCategory, name) ||
        Refused(edEditSubCategory, CheckSubCategoryName(SelCustomCategory, name, SelCustomSubCategory)))
        return;
    SelCustomSubCategory = RenameCustomSubCategory(SelCustomCategory, SelCustomSubCategory, name);
    FillCustomWordList();
    sgCustomSubCategory->update();
    ClosePanel(EditSubCategory);
}

void TfrmCustomLists::ShowCustomVocabulary()
{
    FillCustomWordList();  // which lays the screen out
    // The chosen row stays, but not past the end of a shorter list.
    SelCustomWordRow = KeptInList(SelCustomWordRow, static_cast<int>(CustomWordList.size()));
    for (LexGrid* g : {sgCustomCategory, sgCustomSubCategory})
        g->update();
    UpdateCustomButtons();
}

void TfrmCustomLists::bnDeleteCategoryClick()
{
    if (!CustomCategoryExists(SelCustomCategory))
        return;
    const QString name = ToQt(CustomCategories[SelCustomCategory].Name);
    const QString question = "You have chosen to delete the category : " + name +
                             " including ALL its sub-categories and vocabulary words" + LineBreak + LineBreak +
                             "Press 'O.K.' to delete this category" + LineBreak +
                             "and all its sub-categories and words" + LineBreak + LineBreak +
                             "Press 'Cancel' to cancel the delete request.";
    if (ShowMessageForm(frmShowMsg, question, 2) != 1)
        return;
    SelCustomCategory = DeleteCustomCategory(SelCustomCategory);
    SelCustomSubCategory = 0;
    ShowCustomVocabulary();
}

void TfrmCustomLists::bnDeleteSubCategoryClick()
{
    if (!CustomSubCategoryExists(SelCustomCategory, SelCustomSubCategory))
        return;
    const TCategoryRecord& cat = CustomCategories[SelCustomCategory];
    const QString question = "You have chosen to delete the sub-category : " + ToQt(cat.SubNames[SelCustomSubCategory]) +
                             " from category : " + ToQt(cat.Name) + " including ALL its vocabulary words" +
                             LineBreak + LineBreak + "Press 'O.K.' to delete this sub-category and words" + LineBreak +
                             "Press 'Cancel' to cancel the delete request.";
    if (ShowMessageForm(frmShowMsg, question, 2) != 1)
        return;
    SelCustomSubCategory = DeleteCustomSubCategory(SelCustomCategory, SelCustomSubCategory);
    ShowCustomVocabulary();
}

// ---- Words ----

void TfrmCustomLists::SetWordPanelHeaders(EditPanel& panel)
{
    const TCategoryRecord& cat = CustomCategories[SelCustomCategory];
    panel.Header2->setText("category : " + ToQt(cat.Name));
    const QString sub = SelCustomSubCategory >= 0 && SelCustomSubCategory < MaxSubCategories
                            ? ToQt(cat.SubNames[SelCustomSubCategory])
                            : QString();
    panel.Header3->setText(" sub-category : " + sub);
}

void TfrmCustomLists::bnAddWordsClick()
{
    if (!CustomSubCategoryExists(SelCustomCategory, SelCustomSubCategory))
        return;
    SetWordPanelHeaders(AddData);
    EditWordIndex = -1;
    SelDataType = -1;
    for (QLineEdit* box : {edAddEnglish, edAddSpanish, edAddSpanishAddOn}) {
        box->setMaxLength(box->property("typingLimit").toInt());
        box->clear();
    }
    sgAddDataType->update();
    OpenPanel(AddData, edAddEnglish);
}

int TfrmCustomLists::ChosenCustomWord() const
{
    const int word = SelCustomWordRow >= 0 && SelCustomWordRow < static_cast<int>(CustomWordList.size())
                         ? FindChosenWord(SelCustomCategory, SelCustomSubCategory, CustomWordList[SelCustomWordRow],
                                          Preferences.SpanishAnswers())
                         : -1;
    if (word < 0)
        ShowMessageForm(frmShowMsg, "Please click to select a word in the list.", 0);
    return word;
}

void TfrmCustomLists::bnEditWordsClick()
{
    const int word = ChosenCustomWord();
    if (word < 0)
        return;
    EditWordIndex = word;
    SetWordPanelHeaders(EditData);
    const TWordRecord& w = WordTable[word];
    SelDataType = w.WordType;
    // The box's limit is for typing: a longer stored text (a copied word) is shown whole.
    for (auto [box, text] : {std::pair{edEditEnglish, ToQt(w.English)}, std::pair{edEditSpanish, ToQt(w.Spanish)},
                             std::pair{edEditSpanishAddOn, ToQt(w.Note)}}) {
        box->setMaxLength(std::max<int>(box->property("typingLimit").toInt(), text.size()));
        box->setText(text);
    }
    cbEditCommon->setChecked(w.LessCommon == 0);
    sgEditDataType->update();
    OpenPanel(EditData, edEditEnglish);
}

void TfrmCustomLists::bnSaveAddEditDataClick(bool editPanel)
{
    QLineEdit* english = editPanel ? edEditEnglish : edAddEnglish;
    QLineEdit* spanish = editPanel ? edEditSpanish : edAddSpanish;
    QLineEdit* addOn = editPanel ? edEditSpanishAddOn : edAddSpanishAddOn;
    WordInput input;
    if (!ReadBox(english, input.English) || !ReadBox(spanish, input.Spanish) || !ReadBox(addOn, input.Note))
        return;
    input.DataType = SelDataType;
    input.Common = (editPanel ? cbEditCommon : cbAddCommon)->isChecked();
    const int editing = editPanel ? EditWordIndex : -1;
    if (const std::string refusal = CheckWordInput(input, SelCustomCategory, SelCustomSubCategory, editing);
        !refusal.empty()) {
        ShowMessageForm(frmShowMsg, ToQt(refusal), 0);
        return;
    }
    EditWordIndex = StoreCustomWord(input, SelCustomCategory, SelCustomSubCategory, editing);
    FillCustomWordList();
    SelCustomWordRow = RowOfEnglish(CustomWordList, Trim(input.English), Preferences.SpanishAnswers(), SelCustomWordRow);
    ScrollToSelectedWord();
    dgCustomWords->update();
    AddData.Panel->hide();
    ClosePanel(EditData);
}

void TfrmCustomLists::dgFixedWordsMouseDown(int col, int row)
{
    if (editMode_ || !bnAddWords->isEnabled())
        return;
    if (col == 2 && row >= 0 && row < static_cast<int>(FixedWordList.size())) {
        const CopyResult copy = CopyBuiltInWord(FixedWordList[row].WordIndex, SelCustomCategory, SelCustomSubCategory,
                                                static_cast<int>(CustomWordList.size()));
        if (!copy.Copied) {
            if (!copy.Message.empty())
                ShowMessageForm(frmShowMsg, ToQt(copy.Message), 0);
            return;
        }
        const std::string shown = FixedWordList[row].FirstWord;
        FillCustomWordList();
        for (int r = 0; r < static_cast<int>(CustomWordList.size()); ++r)
            if (CustomWordList[r].FirstWord == shown)
                SelCustomWordRow = r;
        ScrollToSelectedWord();
        dgCustomWords->update();
        UpdateCustomButtons();
    }
    FormResize();
    dgFixedWords->update();
}

void TfrmCustomLists::bnDeleteWordsClick()
{
    const bool spanish = Preferences.SpanishAnswers();
    const int word = ChosenCustomWord();
    if (word < 0)
        return;
    EditWordIndex = word;
    const TWordRecord& w = WordTable[word];
    const TCategoryRecord& cat = CustomCategories[SelCustomCategory];
    const QString question = "You have chosen to delete the word " + ToQt(w.English) + "(" + ToQt(w.Spanish) + ")" +
                             LineBreak + "from category : " + ToQt(cat.Name) +
                             " sub-category : " + ToQt(cat.SubNames[SelCustomSubCategory]) + LineBreak + LineBreak +
                             "Press 'O.K.' to delete this word" + LineBreak +
                             "Press 'Cancel' to cancel the delete request.";
    if (ShowMessageForm(frmShowMsg, question, 2) != 1) {
        FormResize();
        return;
    }
    const std::string removed = w.English.str();
    DeleteCustomWord(word);
    FillCustomWordList();
    SelCustomWordRow = RowAfterDelete(CustomWordList, removed, spanish, SelCustomWordRow);
    UpdateCustomButtons();
    ScrollToSelectedWord();
    dgCustomWords->update();
    FormResize();
}

void TfrmCustomLists::bnMoreInfoClick()
{
    const QStringList lines = {
        "Additional spanish shows the difference for the feminine form of the word.",
        "e.g. The adjective for the English word \"clean\" would be :",
        "          Spanish    = limpio",
        "          Additional = /a",
        "",
        "The masculine form of the word \"limpio\" is then used throughout the puzzles but shows as \"limpio/a\" "
        "in the vocabulary lists.",
        "",
        "Additional Spanish is used for adjectives and also for nouns which differ between the masculine and "
        "feminine forms e.g. pintor/ora"};
    ShowMessageForm(frmShowMsg, lines.join(LineBreak), 0);
}

// ---- Show and layout ----

void TfrmCustomLists::OnFormShow()
{
    setFont(MakeFont(FontScheme.Main));
    ScrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    Preferences.WordSortMode = NormalizedSortMode(Preferences.WordSortMode, Preferences.SpanishAnswers());

    // The left half follows the stored selection when it is a built-in category.
    const int stored = Preferences.SelectedCategory;
    if (stored >= 0 && stored < CategoryCount && stored < RowsPerColumn) {
        SelFixedCategory = stored;
        const int subCount = CategoryTable[stored].SubCount;
        SelFixedSubCategory = Preferences.AllSubCategories ? subCount
                              : Preferences.SelectedSubCategory >= 0 && Preferences.SelectedSubCategory < subCount
                                  ? Preferences.SelectedSubCategory
                                  : 0;
    } else {
        SelFixedCategory = 0;
        SelFixedSubCategory = 0;
    }
    sgFixedSubCategory->SetRowCount(CategoryTable[SelFixedCategory].SubCount + 1);
    FillFixedWordList();
    if (PanelCustomCategories->isEnabled() && sgFixedCategory->isVisible())
        sgFixedCategory->setFocus();

    // The right half always starts at the first custom category.
    SelCustomCategory = BuiltInCategorySlots;
    SelCustomSubCategory = 0;
    SelCustomWordRow = 0;
    dgCustomWords->SetTopRow(0);
    FillCustomWordList();
    UpdateCustomButtons();
    for (LexGrid* g : {sgFixedCategory, sgFixedSubCategory, sgCustomCategory, sgCustomSubCategory, dgFixedHeader,
                       dgCustomHeader})
        g->update();
    RefreshQuickHints();
}

void TfrmCustomLists::LayOutWordColumns(LexGrid* header, LexGrid* list, bool fixed)
{
    const int rows = static_cast<int>(fixed ? FixedWordList.size() : CustomWordList.size());
    const int w = list->width() - (rows > 10 ? ScrollBarWidth : 0);
    int widths[3];
    if (fixed) {
        const int s = (w - 297) / 3;
        widths[0] = s + 35;
        widths[2] = s + 30;
        widths[1] = w - 4 - widths[0] - widths[2];
    } else {
        const int s = (w - 377) / 3;
        widths[0] = s + 35;
        widths[1] = (w - 4 - widths[0]) / 2;
        widths[2] = w - 4 - widths[0] - widths[1];
    }
    for (int c = 0; c < 3; ++c)
        list->SetColWidth(c, std::max(10, widths[c]));
    header->SetColWidth(0, std::max(10, widths[0]));
    header->SetColWidth(1, std::max(10, widths[1]));
    header->SetColWidth(2, std::max(10, header->width() - widths[0] - widths[1] - 4));
}

void TfrmCustomLists::OnFormResize()
{
    const QFont main = MakeFont(FontScheme.Main);
    const QFont grid = MakeFont(FontScheme.Grid, true);
    const QFontMetrics mainMetrics(main);
    const QFontMetrics gridMetrics(grid);
    PanelCustom->setGeometry(0, 0, PageWidth, PageHeight);
    PanelCustom->setFont(grid);

    const int width = std::min(PageWidth, 1500);
    const int margin = (PageWidth - width) / 2 + 4;
    const int leftWidth = static_cast<int>((width - 20) / 2.4);
    const int rightWidth = width - leftWidth - 12 - 8;
    int halfHeight = 442;
    int instructHeight = 40;
    const int e = std::min(50, (PageHeight - 442 - 40 - 10) / 9);
    if (e > 0) {
        halfHeight += 8 * e;
        instructHeight += e;
    }
    // The page reaches a little below the window: the gaps stay within the spare 10 pixels.
    const QRect leftArea(margin, 2, leftWidth, halfHeight);
    PanelFixedCategories->setGeometry(leftArea);
    PanelCustomCategories->setGeometry(margin + leftWidth + 8, 2, rightWidth, halfHeight);
    PanelCustomInstruct->setGeometry(margin, 2 + halfHeight + 4, leftWidth + 8 + rightWidth, instructHeight);

    // Headings, the category grids and the word lists, the same on both halves.
    for (QLabel* heading : {lblFixed, lblCustom}) {
        heading->setFont(MakeFont(FontScheme.Main, true));
        CentreLabel(heading, 0, heading->parentWidget()->width(), 6);
    }
    const int top = lblFixed->y() + lblFixed->height() + 6;
    const int rowHeight = std::max(gridMetrics.height() + 2, (halfHeight - top) * 45 / 100 / RowsPerColumn - 1);
    const int pickerHeight = RowsPerColumn * (rowHeight + 1) + 2;
    const int radioTop = top + pickerHeight + 6;
    const int radioHeight = mainMetrics.height() + 6;
    const int headerTop = radioTop + radioHeight + 8;
    const int headerHeight = gridMetrics.height() + 8;
    const int listTop = headerTop + headerHeight;
    const int listHeight = std::max(40, halfHeight - listTop - 8);

    const int pickerWidth = (leftWidth - 24) / 2;
    sgFixedCategory->setGeometry(8, top, pickerWidth, pickerHeight);
    sgFixedSubCategory->setGeometry(16 + pickerWidth, top, leftWidth - 24 - pickerWidth,
                                    (CategoryTable[SelFixedCategory].SubCount + 1) * (rowHeight + 1) + 2);
    // The three radio buttons share the row; on a narrow half they close up, but never nearer
    // than a radio's caption stands from its own mark, so no caption runs into the next mark;
    // where even that is too little they take a smaller font.
    const int minGap = rbFixedCommon->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, rbFixedCommon);
    const QFont radioFont = FontFittingOneRow(PointSteps(main),
                                              {rbFixedCommon->text(), rbFixedNotCommon->text(), rbFixedAllCommon->text()},
                                              LayoutExtraWidth + minGap, leftWidth - 16)
                                .Font;
    const QFontMetrics radioMetrics(radioFont);
    int radioWidths = 0;
    for (QRadioButton* rb : {rbFixedCommon, rbFixedNotCommon, rbFixedAllCommon}) {
        rb->setFont(radioFont);
        radioWidths += radioMetrics.horizontalAdvance(rb->text()) + LayoutExtraWidth;
    }
    const int radioGap = std::max(minGap, std::min((leftWidth - 16 - radioWidths) / 3, 20));
    int x = 8;
    for (QRadioButton* rb : {rbFixedCommon, rbFixedNotCommon, rbFixedAllCommon}) {
        const int w = radioMetrics.horizontalAdvance(rb->text()) + LayoutExtraWidth;
        rb->setGeometry(x, radioTop, w, radioHeight);
        x += w + radioGap;
    }
    dgFixedHeader->setGeometry(8, headerTop, leftWidth - 16, headerHeight);
    dgFixedWords->setGeometry(8, listTop, leftWidth - 16, listHeight);

    const int buttonWidth = std::max(56, mainMetrics.horizontalAdvance("Delete") + 20);
    const int buttonHeight = std::min(60, (pickerHeight - 8) / 3);
    const bool buttons = !editMode_;
    const int room = rightWidth - 16 - (buttons ? 2 * (buttonWidth + 6) : 0) - 8;
    const int categoryWidth = room / 2;
    // Each group of three stays within the height of the grid beside it.
    auto placeButtons = [&](int left, int upper, int besideHeight, std::array<QToolButton*, 3> group) {
        const int height = std::min(buttonHeight, (besideHeight - 8) / 3);
        for (int i = 0; i < 3; ++i) {
            group[i]->setFont(main);
            group[i]->setGeometry(left, upper + i * (height + 4), buttonWidth, height);
        }
    };
    sgCustomCategory->setGeometry(8, top, categoryWidth, pickerHeight);
    int next = 8 + categoryWidth + 6;
    if (buttons) {
        placeButtons(next, top, pickerHeight, {bnAddCategory, bnEditCategory, bnDeleteCategory});
        next += buttonWidth + 8;
    }
    sgCustomSubCategory->setGeometry(next, top, room - categoryWidth, MaxCustomSubCategories * (rowHeight + 1) + 2);
    next += room - categoryWidth + 6;
    if (buttons)
        placeButtons(next, top, pickerHeight, {bnAddSubCategory, bnEditSubCategory, bnDeleteSubCategory});
    const int customListWidth = rightWidth - 16 - (buttons ? buttonWidth + 6 : 0);
    dgCustomHeader->setGeometry(8, headerTop, customListWidth, headerHeight);
    dgCustomWords->setGeometry(8, listTop, customListWidth, listHeight);
    if (buttons)
        placeButtons(8 + customListWidth + 6, listTop, listHeight, {bnAddWords, bnEditWords, bnDeleteWords});

    for (LexGrid* g : {sgFixedCategory, sgFixedSubCategory, sgCustomCategory, sgCustomSubCategory}) {
        g->SetDefaultRowHeight(rowHeight);
        g->SetColWidth(0, std::max(10, g->width() - 2));
    }
    for (LexGrid* g : {dgFixedHeader, dgFixedWords, dgCustomHeader, dgCustomWords})
        g->SetDefaultRowHeight(headerHeight - 2);
    LayOutWordColumns(dgFixedHeader, dgFixedWords, true);
    LayOutWordColumns(dgCustomHeader, dgCustomWords, false);

    // The sort buttons over the built-in header's two right columns.
    const int sortButton = std::max(12, headerHeight - 6);
    const QRect c1 = dgFixedHeader->CellRect(1, 0).translated(dgFixedHeader->pos());
    const QRect c2 = dgFixedHeader->CellRect(2, 0).translated(dgFixedHeader->pos());
    for (auto [panel, cell, up, down] : {std::tuple{PanelFixedSort1, c1, imgFixedUp1, imgFixedDown1},
                                         std::tuple{PanelFixedSort2, c2, imgFixedUp2, imgFixedDown2}}) {
        panel->setGeometry(cell.right() - 2 * sortButton - 4, cell.top() + 1, 2 * sortButton + 2, headerHeight - 2);
        up->setGeometry(0, 1, sortButton, sortButton);
        down->setGeometry(sortButton + 2, 1, sortButton, sortButton);
        panel->raise();
    }

    // The instructions below both halves.
    InstructLines[0]->setFont(main);
    InstructLines[1]->setFont(main);
    const int lineHeight = mainMetrics.height() + 2;
    const int textTop = std::max(2, (instructHeight - 2 * lineHeight) / 2);
    CentreLabel(InstructLines[0], 0, PanelCustomInstruct->width(), textTop);
    CentreLabel(InstructLines[1], 0, PanelCustomInstruct->width(), textTop + lineHeight);

    for (auto [panel, box] : {std::pair{&AddCategory, edAddCategory}, std::pair{&EditCategory, edEditCategory},
                              std::pair{&AddSubCategory, edAddSubCategory},
                              std::pair{&EditSubCategory, edEditSubCategory}})
        LayOutNamePanel(*panel, box, leftArea);
    LayOutWordPanel(AddData, edAddEnglish, edAddSpanish, edAddSpanishAddOn, sgAddDataType, cbAddCommon, bnAddMoreInfo,
                    addLabels_, addHelp_, leftArea);
    LayOutWordPanel(EditData, edEditEnglish, edEditSpanish, edEditSpanishAddOn, sgEditDataType, cbEditCommon,
                    bnEditMoreInfo, editLabels_, editHelp_, leftArea);
}

void TfrmCustomLists::LayOutPanel(EditPanel& panel, const QRect& area)
{
    const QFont main = MakeFont(FontScheme.Main);
    const QFontMetrics fm(main);
    panel.Panel->setGeometry(area);
    panel.Header->setFont(MakeFont(FontScheme.Header, true));
    CentreLabel(panel.Header, 0, area.width(), 12);
    int y = panel.Header->y() + panel.Header->height() + 6;
    for (QLabel* extra : {panel.Header2, panel.Header3}) {
        if (!extra)
            continue;
        extra->setFont(MakeFont(FontScheme.Main, true));
        CentreLabel(extra, 0, area.width(), y);
        y += extra->height() + 4;
    }
    const int lineHeight = fm.height() + 2;
    int instructWidth = 0;
    for (QLabel* line : panel.InstructLines) {
        line->setFont(main);
        instructWidth = std::max(instructWidth, fm.horizontalAdvance(line->text()));
    }
    instructWidth = std::min(area.width() - 20, instructWidth + 30);
    panel.Instruct->setGeometry((area.width() - instructWidth) / 2, y + 8, instructWidth, 2 * lineHeight + 12);
    CentreLabel(panel.InstructLines[0], 0, instructWidth, 6);
    CentreLabel(panel.InstructLines[1], 0, instructWidth, 6 + lineHeight);
    for (QPushButton* b : {panel.Save, panel.Cancel})
        b->setFont(main);
}

void TfrmCustomLists::LayOutNamePanel(EditPanel& panel, QLineEdit* box, const QRect& area)
{
    LayOutPanel(panel, area);
    const QFontMetrics fm(MakeFont(FontScheme.Main));
    const int boxTop = panel.Instruct->y() + panel.Instruct->height() + 30;
    const int boxWidth = std::min(area.width() - 40, fm.horizontalAdvance('W') * 14 + 12);
    box->setFont(MakeFont(FontScheme.Main));
    box->setGeometry((area.width() - boxWidth) / 2, boxTop, boxWidth, fm.height() + 10);
    const int buttonTop = boxTop + box->height() + 30;
    const int buttonWidth = 90;
    panel.Save->setGeometry(area.width() / 2 - buttonWidth - 10, buttonTop, buttonWidth, fm.height() + 14);
    panel.Cancel->setGeometry(area.width() / 2 + 10, buttonTop, buttonWidth, fm.height() + 14);
}

void TfrmCustomLists::LayOutWordPanel(EditPanel& panel, QLineEdit* english, QLineEdit* spanish, QLineEdit* addOn,
                                      LexGrid* types, QCheckBox* common, QPushButton* moreInfo,
                                      std::array<QLabel*, 5>& labels, QFrame* help, const QRect& area)
{
    LayOutPanel(panel, area);
    const QFont main = MakeFont(FontScheme.Main);
    const QFontMetrics fm(main);
    const int rowHeight = fm.height() + 10;
    int labelWidth = 0;
    for (QLabel* label : labels) {
        label->setFont(main);
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(label->text()));
    }
    const int labelLeft = 16;
    const int boxLeft = labelLeft + labelWidth + 10;
    auto* helpText = help->findChild<QLabel*>("AccentHelpText");
    helpText->setFont(MakeFont(FontScheme.Small.Name.isEmpty() ? FontScheme.Main : FontScheme.Small));
    helpText->adjustSize();
    const int helpWidth = helpText->width() + 16;
    const int boxWidth =
        std::max(60, std::min(fm.horizontalAdvance('W') * 13 + 12, area.width() - boxLeft - helpWidth - 24));
    int y = panel.Instruct->y() + panel.Instruct->height() + 16;
    const int firstRow = y;
    for (auto [i, box] : {std::pair{0, english}, std::pair{1, spanish}, std::pair{2, addOn}}) {
        box->setFont(main);
        const int w = box == addOn ? boxWidth / 2 : boxWidth;
        box->setGeometry(boxLeft, y, w, rowHeight);
        labels[i]->adjustSize();
        labels[i]->move(labelLeft, y + (rowHeight - labels[i]->height()) / 2);
        y += rowHeight + 8;
    }

    // The accent help beside the boxes.
    const int helpLeft = boxLeft + boxWidth + 12;
    help->setGeometry(helpLeft, firstRow, std::min(helpWidth, area.width() - helpLeft - 6),
                      std::max(y - firstRow - 8, helpText->height() + 8));
    helpText->setGeometry(2, 2, help->width() - 4, help->height() - 4);

    // The data type chooser, two columns of four.
    const int cellHeight = QFontMetrics(MakeFont(FontScheme.Grid, true)).height() + 6;
    const int typesWidth = std::min(area.width() - boxLeft - 12, 2 * (fm.horizontalAdvance("Masc. plural") + 30));
    types->setGeometry(boxLeft, y, typesWidth, 4 * (cellHeight + 1) + 2);
    types->SetDefaultRowHeight(cellHeight);
    types->SetColWidth(0, (typesWidth - 3) / 2);
    types->SetColWidth(1, typesWidth - 3 - (typesWidth - 3) / 2);
    labels[3]->adjustSize();
    labels[3]->move(labelLeft, y + 2);
    labels[4]->adjustSize();
    labels[4]->move(labelLeft, y + 4 + labels[3]->height());
    y += types->height() + 12;

    // Under the boxes where they fit, moved left (no further than the labels) where they do not.
    auto fitLeft = [&](int width) { return std::max(labelLeft, std::min(boxLeft, area.width() - 8 - width)); };
    common->setFont(main);
    const int commonWidth = fm.horizontalAdvance(common->text()) + LayoutExtraWidth + 10;
    common->setGeometry(fitLeft(commonWidth), y, commonWidth, rowHeight);
    y += rowHeight + 8;
    moreInfo->setFont(main);
    const int moreInfoWidth = fm.horizontalAdvance(moreInfo->text()) + 24;
    moreInfo->setGeometry(fitLeft(moreInfoWidth), y, moreInfoWidth, rowHeight + 4);
    y += rowHeight + 20;

    const int buttonWidth = 90;
    const int buttonTop = std::min(y, area.height() - rowHeight - 16);
    panel.Save->setGeometry(area.width() / 2 - buttonWidth - 10, buttonTop, buttonWidth, rowHeight + 4);
    panel.Cancel->setGeometry(area.width() / 2 + 10, buttonTop, buttonWidth, rowHeight + 4);
}
