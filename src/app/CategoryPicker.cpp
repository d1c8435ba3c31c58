#include "CategoryPicker.h"

#include "LexGrid.h"
#include "QtText.h"
#include "WordListPieces.h"

#include "LX_Data.h"
#include "LX_Globals.h"

#include <QPainter>

namespace {

constexpr int RowsPerColumn = 15;

}  // namespace

void DrawPickerCell(QPainter& p, const QRect& rect, const QString& text, bool picked, int rowHeight)
{
    p.fillRect(rect, BlueHigh(picked ? ColorNavy : ColorWhite));
    p.setPen(picked ? Qt::white : Qt::black);
    p.setFont(ListRowFont(text, rect.width()));
    const int top = rect.top() + (rowHeight - p.fontMetrics().height()) / 2;
    p.save();
    p.setClipRect(rect);
    p.drawText(rect.left(), top + p.fontMetrics().ascent(), text);
    p.restore();
}

CategoryPicker::CategoryPicker(QWidget* parent) : QObject(parent)
{
    sgCategory = new LexGrid(parent);
    sgCategory->setObjectName("sgCategory");
    sgSubCategory = new LexGrid(parent);
    sgSubCategory->setObjectName("sgSubCategory");
    for (LexGrid* g : {sgCategory, sgSubCategory}) {
        g->SetFixedRows(0);
        g->SetFixedCols(0);
        g->SetShowSelection(false);
    }
    sgCategory->SetRowCount(RowsPerColumn);
    sgCategory->SetColCount(1);
    sgSubCategory->SetColCount(1);
    sgSubCategory->SetRowCount(1);

    sgCategory->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        const int index = col * RowsPerColumn + row;
        const bool used = index < TotalCategoryCount && index < MaxCategories;
        const QString text = used ? " " + ToQt(CategoryTable[index].Name) : QString();
        DrawPickerCell(p, rect, text, used && index == PickedCategory, sgCategory->DefaultRowHeight());
    };
    sgSubCategory->OnDrawCell = [this](QPainter& p, int, int row, const QRect& rect, bool) {
        if (PickedCategory < 0 || PickedCategory >= MaxCategories) {
            p.fillRect(rect, Qt::white);
            return;
        }
        const TCategoryRecord& cat = CategoryTable[PickedCategory];
        QString text;
        if (row == cat.SubCount)
            text = " All";
        else if (row >= 0 && row < cat.SubCount && row < MaxSubCategories)
            text = " " + ToQt(cat.SubNames[row]);
        DrawPickerCell(p, rect, text, row == PickedSubCategory, sgSubCategory->DefaultRowHeight());
    };
    sgCategory->OnSelectCell = [this](int col, int row) { return sgCategorySelectCell(col, row); };
    sgSubCategory->OnSelectCell = [this](int, int row) {
        sgSubCategorySelectCell(row);
        return true;
    };
}

int CategoryPicker::CategoryColumns() const
{
    return CustomCategoryCount > 0 ? 2 : 1;
}

void CategoryPicker::Refresh()
{
    sgCategory->SetColCount(CategoryColumns());
    const int subCount =
        PickedCategory >= 0 && PickedCategory < MaxCategories ? CategoryTable[PickedCategory].SubCount : 0;
    sgSubCategory->SetRowCount(subCount + 1);
    FitGrids();
    sgCategory->update();
    sgSubCategory->update();
}

void CategoryPicker::FitGrids()
{
    // Rows share the grid's height; columns its width (the second column takes the rest).
    // Every row must fit: the picker grids have no scroll bars.
    const int line = sgCategory->GridLineWidth();
    const int rowHeight = std::max(12, (sgCategory->height() - 2) / RowsPerColumn - line);
    sgCategory->SetDefaultRowHeight(rowHeight);
    sgSubCategory->SetDefaultRowHeight(rowHeight);
    if (CategoryColumns() == 2) {
        const int first = (sgCategory->width() - 220) / 2 + 95;
        sgCategory->SetColWidth(0, first);
        sgCategory->SetColWidth(1, std::max(0, sgCategory->width() - first - 3));
    } else {
        sgCategory->SetColWidth(0, std::max(0, sgCategory->width() - 2));
    }
    sgSubCategory->SetColWidth(0, std::max(0, sgSubCategory->width() - 2));
}

void CategoryPicker::Restore()
{
    PickedCategory = Preferences.SelectedCategory;
    if (PickedCategory < 0 || PickedCategory >= TotalCategoryCount || PickedCategory >= MaxCategories)
        PickedCategory = 0;  // a choice that no longer exists (a deleted custom category)
    const int subCount = CategoryTable[PickedCategory].SubCount;
    if (Preferences.AllSubCategories)
        PickedSubCategory = subCount;
    else
        PickedSubCategory = Preferences.SelectedSubCategory >= 0 && Preferences.SelectedSubCategory <= subCount - 1
                                ? Preferences.SelectedSubCategory
                                : 0;
    Refresh();
}

bool CategoryPicker::sgCategorySelectCell(int col, int row, bool fromCategoryGrid)
{
    const int index = col * RowsPerColumn + row;
    if (index < 0 || index >= TotalCategoryCount || index >= MaxCategories)
        return false;
    PickedCategory = index;
    Preferences.SelectedCategory = index;
    Refresh();
    if (fromCategoryGrid)
        sgSubCategorySelectCell(Preferences.AllSubCategories ? CategoryTable[index].SubCount : 0);
    return true;
}

void CategoryPicker::sgSubCategorySelectCell(int row)
{
    const int subCount = CategoryTable[PickedCategory].SubCount;
    if (row < 0 || row > subCount)
        return;
    PickedSubCategory = row;
    Preferences.SelectedSubCategory = row;
    Preferences.AllSubCategories = row == subCount ? 1 : 0;
    sgSubCategory->update();
    if (OnSubCategoryPicked)
        OnSubCategoryPicked();
}

bool CategoryPicker::AllChosen() const
{
    return PickedSubCategory >= CategoryTable[PickedCategory].SubCount;
}

QString CategoryPicker::CategoryCaption() const
{
    const TCategoryRecord& cat = CategoryTable[PickedCategory];
    QString caption = ToQt(cat.Name);
    if (!AllChosen() && cat.SubCount > 0)
        caption += " - " + ToQt(cat.SubNames[PickedSubCategory]);
    return caption;
}
