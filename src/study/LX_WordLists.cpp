#include "LX_WordLists.h"

#include "AppGlobals.h"
#include "CategoryPicker.h"
#include "FontScheme.h"
#include "LexGrid.h"
#include "WordListPieces.h"
#include "QtText.h"
#include "WordFilters.h"

#include "LX_Data.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>

namespace {

void DrawCentred(QPainter& p, const QRect& rect, const QString& text)
{
    const QFontMetrics fm = p.fontMetrics();
    const int x = rect.left() + (rect.width() - fm.horizontalAdvance(text.trimmed())) / 2;
    const int y = rect.top() + (rect.height() - fm.height()) / 2 + fm.ascent();
    p.save();
    p.setClipRect(rect);
    p.drawText(x - fm.horizontalAdvance(QLatin1Char(' ')), y, text);
    p.restore();
}

LexGrid* MakeList(QWidget* parent, const char* name, int columns)
{
    auto* grid = new LexGrid(parent);
    grid->setObjectName(name);
    grid->SetColCount(columns);
    grid->SetRowCount(1);
    grid->SetFixedRows(0);
    grid->SetFixedCols(0);
    grid->SetShowSelection(false);
    return grid;
}

}  // namespace

TfrmWordLists::TfrmWordLists(QWidget* mainWindow) : TScreenForm(mainWindow)
{
    setObjectName("frmWordLists");
    arrowRight_ = MoveArrow(true);
    arrowLeft_ = MoveArrow(false);

    PanelLearn = new QFrame(this);
    PanelInstruct = new QFrame(PanelLearn);
    PanelInstruct->setFrameShape(QFrame::Box);
    PanelTopInstruct = ColouredFrame(PanelInstruct, "PanelTopInstruct", ColorHeader);
    static const char* const Instructions[] = {
        "- Select the required category and sub category", "   by clicking within the lists to the right.",
        "- Select whether to include common and/or less",  "   common words, using the radio buttons",
        "   on the right.",                                 "- Use the arrows to move words between the",
        "   'Words to learn' and 'Words learned' lists."};
    for (int i = 0; i < 7; ++i)
        InstructLabels[i] = new QLabel(Instructions[i], PanelTopInstruct);

    PanelCategory = new QFrame(PanelLearn);
    PanelCategory->setFrameShape(QFrame::Box);
    Picker = new CategoryPicker(PanelCategory);
    Picker->OnSubCategoryPicked = [this] { BuildWordLists(); };  // which lays the screen out
    MakeFilterRadios(PanelCategory, WordFilterKind::Common, rbCommon, rbNotCommon, rbAllCommon,
                     [this] { rbCommonClick(); });

    dgWordsHeader = MakeList(PanelLearn, "dgWordsHeader", 4);
    dgLearnedHeader = MakeList(PanelLearn, "dgLearnedHeader", 3);
    dgWords = MakeList(PanelLearn, "dgWords", 4);
    dgLearned = MakeList(PanelLearn, "dgLearned", 3);
    dgWordsHeader->OnDrawCell = [this](QPainter& p, int col, int, const QRect& rect, bool) {
        DrawHeaderCell(p, col, rect, false);
    };
    dgLearnedHeader->OnDrawCell = [this](QPainter& p, int col, int, const QRect& rect, bool) {
        DrawHeaderCell(p, col, rect, true);
    };
    dgWords->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        DrawListCell(p, col, row, rect, false);
    };
    dgLearned->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        DrawListCell(p, col, row, rect, true);
    };
    for (LexGrid* list : {dgWords, dgLearned})
        list->OnMouseDown = [this, list](int col, int row, Qt::MouseButton, Qt::KeyboardModifiers) {
            dgWordsMouseDown(list, col, row);
        };

    lblNotLearned = new QLabel(PanelLearn);
    lblNotLearned->setObjectName("lblNotLearned");
    lblLearned = new QLabel(PanelLearn);
    lblLearned->setObjectName("lblLearned");
    bnAllToLearned = new QPushButton("All", PanelLearn);
    bnAllToLearned->setObjectName("bnAllToLearned");
    bnAllToData = new QPushButton("All", PanelLearn);
    bnAllToData->setObjectName("bnAllToData");
    connect(bnAllToLearned, &QPushButton::clicked, this, [this] { bnAllClick(true); });
    connect(bnAllToData, &QPushButton::clicked, this, [this] { bnAllClick(false); });

    PanelSort1 = ColouredFrame(PanelLearn, "PanelSort1", ColorHeader);
    PanelSort2 = ColouredFrame(PanelLearn, "PanelSort2", ColorHeader);
    auto sortButton = [this](QFrame* panel, Qt::ArrowType arrow, int mode, const char* name) {
        return MakeSortButton(panel, arrow, name, [this, mode] { SetSortMode(mode); });
    };
    imgSortUp1 = sortButton(PanelSort1, Qt::UpArrow, 1, "imgSortUp1");
    imgSortDown1 = sortButton(PanelSort1, Qt::DownArrow, 2, "imgSortDown1");
    imgSortUp2 = sortButton(PanelSort2, Qt::UpArrow, 3, "imgSortUp2");
    imgSortDown2 = sortButton(PanelSort2, Qt::DownArrow, 4, "imgSortDown2");
}

WordSelection TfrmWordLists::Selection() const
{
    return PickerSelection(*Picker, CheckedFilter(rbCommon, rbNotCommon));
}

void TfrmWordLists::OnFormShow()
{
    setFont(MakeFont(FontScheme.Main));
    Preferences.WordSortMode = NormalizedSortMode(Preferences.WordSortMode, Preferences.SpanishAnswers());
    PanelLearn->show();
    {
        // Restoring the radio is not a user's choice: no rebuild until the picker is restored.
        const QSignalBlocker b1(rbCommon), b2(rbNotCommon), b3(rbAllCommon);
        QRadioButton* radio = Preferences.CommonFilter == 0 ? rbCommon : Preferences.CommonFilter == 1 ? rbNotCommon
                                                                                                      : rbAllCommon;
        radio->setChecked(true);
    }
    Picker->Restore();
    BuildWordLists();
    if (Picker->sgCategory->isVisible())
        Picker->sgCategory->setFocus();
    RefreshQuickHints();
}

void TfrmWordLists::BuildWordLists()
{
    Lists = BuildWordListRows(Selection(), Preferences.SpanishAnswers(), Preferences.WordSortMode);
    dgWords->SetRowCount(std::max<int>(1, static_cast<int>(Lists.ToLearn.size())));
    dgLearned->SetRowCount(std::max<int>(1, static_cast<int>(Lists.Learned.size())));
    for (QWidget* w : std::initializer_list<QWidget*>{dgWords, dgLearned, lblNotLearned, lblLearned, bnAllToLearned,
                                                      bnAllToData})
        w->show();
    lblNotLearned->setText(QStringLiteral("Words to Learn : %1").arg(Lists.ToLearn.size()));
    lblLearned->setText(QStringLiteral("Words Learned : %1").arg(Lists.Learned.size()));
    bnAllToLearned->setEnabled(!Lists.ToLearn.empty());
    bnAllToData->setEnabled(!Lists.Learned.empty());
    dgWords->update();
    dgLearned->update();
    dgWordsHeader->update();
    dgLearnedHeader->update();
    FormResize();
}

void TfrmWordLists::rbCommonClick()
{
    Preferences.CommonFilter = CheckedFilter(rbCommon, rbNotCommon);
    BuildWordLists();
}

void TfrmWordLists::dgWordsMouseDown(LexGrid* list, int col, int row)
{
    const bool toLearnList = list == dgWords;
    const auto& rows = toLearnList ? Lists.ToLearn : Lists.Learned;
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return;
    if (col != (toLearnList ? 3 : 0))
        return;
    MarkWordLearned(rows[row].WordIndex, toLearnList);
    BuildWordLists();
}

void TfrmWordLists::bnAllClick(bool toLearned)
{
    MarkSelectionLearned(Selection(), toLearned);
    BuildWordLists();
}

void TfrmWordLists::SetSortMode(int mode)
{
    Preferences.WordSortMode = mode;
    BuildWordLists();
}

void TfrmWordLists::DrawHeaderCell(QPainter& p, int col, const QRect& rect, bool learnedHeader)
{
    p.fillRect(rect, BlueHigh(ColorHeader));
    p.setPen(Qt::black);
    p.setFont(MakeFont(FontScheme.Grid, true));
    const bool spanish = Preferences.SpanishAnswers();
    QString text;
    if (learnedHeader)
        text = col == 1 ? (spanish ? "English (Spanish)" : "Spanish (English)") : col == 2 ? "Type     " : "";
    else
        text = col == 0 ? "Type" : col == 1 ? (spanish ? "English" : "Spanish") : col == 2 ? (spanish ? "Spanish" : "English") : "";
    DrawCentred(p, rect, " " + text);
}

void TfrmWordLists::DrawListCell(QPainter& p, int col, int row, const QRect& rect, bool learnedList)
{
    p.fillRect(rect, Qt::white);
    const auto& rows = learnedList ? Lists.Learned : Lists.ToLearn;
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return;
    const WordListRow& r = rows[row];
    const int arrowCol = learnedList ? 0 : 3;
    if (col == arrowCol) {
        const QPixmap& arrow = learnedList ? arrowLeft_ : arrowRight_;
        p.drawPixmap(rect.left() + (rect.width() - arrow.width()) / 2, rect.top() + (rect.height() - arrow.height()) / 2,
                     arrow);
        return;
    }
    p.setPen(Qt::black);
    QString text;
    if (learnedList)
        text = col == 1 ? ToQt(r.FirstWord) + "  (" + ToQt(r.SecondWord) + ")" : ToQt(r.TypeText);
    else
        text = col == 0 ? ToQt(r.TypeText) : col == 1 ? ToQt(r.FirstWord) : ToQt(r.SecondWord);
    p.setFont(ListRowFont(text.trimmed(), rect.width()));  // centred on the text without its blanks
    DrawCentred(p, rect, " " + text);
}

void TfrmWordLists::OnFormResize()
{
    PanelLearn->setGeometry(0, 0, PageWidth, PageHeight);
    const QFontMetrics main(MakeFont(FontScheme.Main));
    const QFontMetrics grid(MakeFont(FontScheme.Grid, true));

    // Upper part: the instructions and the picker share the spare width.
    int instructWidth = main.horizontalAdvance(InstructLabels[0]->text()) + LayoutExtraWidth;
    int categoryWidth = 410;
    const int spare = std::max(0, PageWidth - instructWidth - categoryWidth - 30);
    const int add = std::min(spare / 3, 200);
    instructWidth += add;
    categoryWidth += 2 * add;
    const int gap = std::max(0, (PageWidth - instructWidth - categoryWidth) / 3);
    const int spareHeight = std::clamp(PageHeight - 600, 0, 120);
    const int upperHeight = 250 + spareHeight;
    PanelInstruct->setGeometry(gap, 8, instructWidth, upperHeight);
    PanelTopInstruct->setGeometry(4, 4, instructWidth - 8, upperHeight - 8);
    const int lineHeight = main.height() + 4;
    const int textTop = std::max(4, (upperHeight - 8 - 7 * lineHeight) / 2);
    for (int i = 0; i < 7; ++i) {
        InstructLabels[i]->setFont(MakeFont(FontScheme.Main));
        InstructLabels[i]->setGeometry(8, textTop + i * lineHeight, instructWidth - 16, lineHeight);
    }

    PanelCategory->setGeometry(2 * gap + instructWidth, 8, categoryWidth, upperHeight);
    const int radioHeight = main.height() + 6;
    const int gridHeight = upperHeight - radioHeight - 16;
    const int categoryGridWidth = Picker->CategoryColumns() == 2 ? categoryWidth * 3 / 5 : categoryWidth / 2;
    Picker->sgCategory->setGeometry(4, 4, categoryGridWidth, gridHeight);
    Picker->sgSubCategory->setGeometry(8 + categoryGridWidth, 4, categoryWidth - categoryGridWidth - 12, gridHeight);
    Picker->FitGrids();
    int x = 6;
    for (QRadioButton* rb : {rbCommon, rbNotCommon, rbAllCommon}) {
        rb->setFont(MakeFont(FontScheme.Main));
        const int w = main.horizontalAdvance(rb->text()) + LayoutExtraWidth + 10;
        rb->setGeometry(x, upperHeight - radioHeight - 4, w, radioHeight);
        x += w + 8;
    }

    // Lower part: the two lists with their headers.
    int wordsWidth = 428;
    int learnedWidth = 340;
    const int widen = std::clamp((PageWidth - wordsWidth - learnedWidth - 15) / 2, 0, 200);
    wordsWidth += widen;
    learnedWidth += widen;
    const int listGap = std::max(0, (PageWidth - wordsWidth - learnedWidth) / 3);
    const int headerHeight = grid.height() + 6;
    const int headerTop = 8 + upperHeight + 10;
    const int listTop = headerTop + headerHeight;
    const int bottomRoom = std::max(main.height(), 26) + 12;
    const int listHeight = std::max(40, PageHeight - listTop - bottomRoom - 8);
    dgWordsHeader->setGeometry(listGap, headerTop, wordsWidth, headerHeight);
    dgLearnedHeader->setGeometry(2 * listGap + wordsWidth, headerTop, learnedWidth, headerHeight);
    dgWords->setGeometry(listGap, listTop, wordsWidth, listHeight);
    dgLearned->setGeometry(2 * listGap + wordsWidth, listTop, learnedWidth, listHeight);
    for (LexGrid* g : {dgWordsHeader, dgLearnedHeader, dgWords, dgLearned})
        g->SetDefaultRowHeight(headerHeight);
    LayOutColumns();

    const int labelTop = listTop + listHeight + 6;
    for (QLabel* label : {lblNotLearned, lblLearned})
        label->setFont(MakeFont(FontScheme.Main));
    lblNotLearned->adjustSize();
    lblLearned->adjustSize();
    lblNotLearned->move(dgWords->x() + (dgWords->width() - lblNotLearned->width()) / 2, labelTop + 4);
    lblLearned->move(dgLearned->x() + (dgLearned->width() - lblLearned->width()) / 2, labelTop + 4);
    const int buttonWidth = main.horizontalAdvance("All") + 40;
    bnAllToLearned->setGeometry(dgWords->x() + dgWords->width() - buttonWidth, labelTop, buttonWidth, 26);
    bnAllToData->setGeometry(dgLearned->x(), labelTop, buttonWidth, 26);

    // The sort buttons sit over the header's word columns.
    const QRect c1 = dgWordsHeader->CellRect(1, 0).translated(dgWordsHeader->pos());
    const QRect c2 = dgWordsHeader->CellRect(2, 0).translated(dgWordsHeader->pos());
    const int button = std::max(12, headerHeight - 4);
    for (auto [panel, cell, up, down] : {std::tuple{PanelSort1, c1, imgSortUp1, imgSortDown1},
                                         std::tuple{PanelSort2, c2, imgSortUp2, imgSortDown2}}) {
        panel->setGeometry(cell.right() - 2 * button - 4, cell.top() + 1, 2 * button + 2, headerHeight - 2);
        up->setGeometry(0, 1, button, button);
        down->setGeometry(button + 2, 1, button, button);
        panel->raise();
    }
}

void TfrmWordLists::LayOutColumns()
{
    // The word columns take what the fixed type and arrow columns, the grid lines and a
    // scroll bar leave, in the proportions of their design widths.
    const int scroll = 18;
    const int lines = 5;
    const int wordsRoom = std::max(60, dgWords->width() - 41 - 24 - scroll - lines);
    for (LexGrid* g : {dgWordsHeader, dgWords}) {
        g->SetColWidth(0, 41);
        g->SetColWidth(1, wordsRoom * 161 / 341);
        g->SetColWidth(2, wordsRoom - wordsRoom * 161 / 341);
        g->SetColWidth(3, 24);
    }
    const int typeWidth = 49;  // room for "M pl."
    const int learnedRoom = std::max(60, dgLearned->width() - 24 - typeWidth - scroll - lines);
    for (LexGrid* g : {dgLearnedHeader, dgLearned}) {
        g->SetColWidth(0, 24);
        g->SetColWidth(1, learnedRoom);
        g->SetColWidth(2, typeWidth);
    }
}
