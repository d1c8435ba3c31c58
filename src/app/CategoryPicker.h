#pragma once
// The category picker every screen with a selection shows: the categories, 15 to a column,
// and the chosen category's sub-categories with a last row " All". A pick is written to
// Preferences at once, so the next screen starts from it.

#include <QObject>
#include <QString>

#include <functional>

class LexGrid;
class QPainter;
class QRect;
class QWidget;

// One picker cell, for every screen's picker grids: the text at the cell's left edge in the grid
// font, bold, white on navy when picked; a name wider than its cell takes the largest smaller
// size at which it fits, so it shows whole.
void DrawPickerCell(QPainter& p, const QRect& rect, const QString& text, bool picked, int rowHeight);

class CategoryPicker : public QObject {
    Q_OBJECT
public:
    explicit CategoryPicker(QWidget* parent);

    LexGrid* sgCategory;
    LexGrid* sgSubCategory;

    int PickedCategory = 0;
    int PickedSubCategory = 0;

    // The screen's own step after a sub-category pick.
    std::function<void()> OnSubCategoryPicked;

    // Restores the choice from Preferences (a screen's FormShow).
    void Restore();
    // Picks a category cell; false (and nothing changes) for an empty cell. A pick from the
    // category grid itself goes on to pick " All" when it was chosen, else the first row.
    bool sgCategorySelectCell(int col, int row, bool fromCategoryGrid = true);
    void sgSubCategorySelectCell(int row);

    // The selection's caption: the category name, with " - " and the sub-category name when
    // a named sub-category is chosen.
    QString CategoryCaption() const;
    bool AllChosen() const;
    // Column count of the category grid: two once there is a custom category.
    int CategoryColumns() const;
    // Fits the grids' row heights and column widths to their sizes (after the screen's layout).
    void FitGrids();

private:
    void Refresh();
};
