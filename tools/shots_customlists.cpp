// Custom Lists with two custom categories of its own, a sub-category with words, and the
// add-word panel open over the left half; in the smaller windows the built-in category with the
// longest rows, and Word Lists with that category and a custom word as long as its boxes allow.

#include "Screenshots.h"

#include "CategoryPicker.h"
#include "LX_CustomLists.h"
#include "LX_WordGames.h"
#include "LX_WordLists.h"
#include "LexGrid.h"

#include "LX_Data.h"
#include "LX_Globals.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <tuple>

void ShotsCustomLists(ShotContext& shots)
{
    auto* screen = shots.ScreenAs<TfrmCustomLists>(ScreenCustomLists);
    if (!screen)
        return;
    const ShotState saved = shots.Keep();
    shots.UseWindow(2, 1260, 960);
    shots.main.ChangeScreenClick(ScreenCustomLists);

    auto addName = [&](QToolButton* button, QLineEdit* box, QPushButton* save, const char* name) {
        button->click();
        box->setText(name);
        save->click();
    };
    addName(screen->bnAddCategory, screen->edAddCategory, screen->AddCategory.Save, "My Kitchen");
    addName(screen->bnAddCategory, screen->edAddCategory, screen->AddCategory.Save, "Garden");
    addName(screen->bnAddSubCategory, screen->edAddSubCategory, screen->AddSubCategory.Save, "Flowers");
    addName(screen->bnAddSubCategory, screen->edAddSubCategory, screen->AddSubCategory.Save, "Tools");
    screen->sgCustomSubCategorySelectCell(0);
    for (int row = 0; row < 3 && row < static_cast<int>(screen->FixedWordList.size()); ++row)
        screen->dgFixedWordsMouseDown(2, row);
    shots.Save("customlists-two-categories");

    screen->bnAddWordsClick();
    screen->edAddEnglish->setText("sunflower");
    screen->edAddSpanish->setText("girasol");
    screen->SelDataType = 0;
    screen->sgAddDataType->update();
    shots.Save("customlists-add-word");
    screen->CancelPanel(screen->AddData);

    screen->bnEditCategoryClick();
    shots.Save("customlists-edit-category");
    screen->CancelPanel(screen->EditCategory);

    screen->bnAddWordsClick();
    screen->edAddEnglish->setText("black-handed spider monkey");  // cut to the boxes' lengths
    screen->edAddSpanish->setText(QString::fromUtf8("mono ara\u00f1a de manos negras"));
    screen->edAddSpanishAddOn->setText("/Ateles geoffroyi");
    screen->SelDataType = 3;
    screen->AddData.Save->click();

    // Names as long as their boxes take, in capitals and in the widest letter, for the pickers.
    addName(screen->bnAddCategory, screen->edAddCategory, screen->AddCategory.Save, "MUSEUMS AND WORK");
    addName(screen->bnAddSubCategory, screen->edAddSubCategory, screen->AddSubCategory.Save, "MOMENTS WITH MUSEUMS");
    addName(screen->bnAddCategory, screen->edAddCategory, screen->AddCategory.Save, "WWWWWWWWWWWWWWWW");
    addName(screen->bnAddSubCategory, screen->edAddSubCategory, screen->AddSubCategory.Save, "WWWWWWWWWWWWWWWW");

    int longRows = 0;  // the category whose rows are the longest
    for (int c = 0; c < CategoryCount; ++c)
        if (CategoryTable[c].Name == "Miscellaneous")
            longRows = c;
    auto* lists = shots.ScreenAs<TfrmWordLists>(ScreenWordLists);

    // The smaller windows with the largest font each allows, lists and the add-word panel.
    for (auto [width, height, mode] : {std::tuple{800, 600, 2}, std::tuple{1000, 720, 3}}) {
        shots.UseWindow(mode, width, height);
        shots.main.ChangeScreenClick(ScreenCustomLists);
        const QString size = QStringLiteral("-%1x%2-mode%3").arg(width).arg(height).arg(mode);
        shots.Save("customlists" + size);
        screen->bnAddWordsClick();
        shots.Save("customlists-add-word" + size);
        screen->CancelPanel(screen->AddData);
        screen->sgFixedCategorySelectCell(longRows);
        screen->sgFixedSubCategorySelectCell(CategoryTable[longRows].SubCount);
        shots.Save("customlists-long-rows" + size);
        if (!lists)
            continue;
        shots.main.ChangeScreenClick(ScreenWordLists);
        lists->Picker->sgCategorySelectCell(1, 0);
        lists->Picker->sgSubCategorySelectCell(0);
        lists->bnAllToLearned->click();
        shots.Save("wordlists-long-word" + size);
        lists->bnAllToData->click();
        lists->Picker->sgCategorySelectCell(0, longRows);
        lists->Picker->sgSubCategorySelectCell(CategoryTable[longRows].SubCount);
        lists->bnAllToLearned->click();
        shots.Save("wordlists-long-rows" + size);
        lists->bnAllToData->click();
        shots.main.ChangeScreenClick(ScreenWordTests);
        shots.Save("wordtests-long-names" + size);
        if (auto* games = shots.ScreenAs<TfrmWordGames>(ScreenWordGames)) {
            shots.main.ChangeScreenClick(ScreenWordGames);
            ShowWordGameOptions(shots, *games);
            games->Picker->sgCategorySelectCell(1, 1);  // the widest letters
            shots.Save("wordgames-long-names" + size);
        }
    }

    shots.Restore(saved);
}
