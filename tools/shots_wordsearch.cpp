#include "Screenshots.h"

#include "CategoryPicker.h"
#include "LX_WordSearch.h"
#include "LexGrid.h"

#include "LX_Data.h"
#include "Random.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

// The set-up panel, then a 40-word puzzle in all directions with some words found (by drags
// forwards and backwards), an answer shown and a clue area, then the same filled.
void ShotsWordSearch(ShotContext& shots)
{
    auto* screen = shots.ScreenAs<TfrmWordSearch>(ScreenWordSearch);
    if (!screen)
        return;
    const ShotState saved = shots.Keep();
    shots.main.resize(1260, 960);
    Preferences.FontSizeMode = 2;
    shots.main.ApplyFontScheme();
    shots.main.FormResize();
    shots.main.ChangeScreenClick(ScreenWordSearch);
    screen->bnReturnClick();
    screen->Picker->sgCategorySelectCell(0, 5);  // Food
    screen->Picker->sgSubCategorySelectCell(CategoryTable[5].SubCount);
    screen->rbAllCommon->setChecked(true);
    screen->rbAllLearned->setChecked(true);
    screen->rbAllDir->setChecked(true);
    screen->senWords->setValue(40);
    shots.Save("wordsearch-setup");

    RandSeed(11);
    screen->bnStartGame->click();
    WordSearchPuzzle* puzzle = screen->Puzzle();
    if (puzzle && screen->PuzzleShowing == 1) {
        // Find a few words the way a user would: press on one end, release on the other.
        int found = 0;
        for (int w = 1; w <= puzzle->PuzzleWordCount() && found < 12; w += 3) {
            const SearchStart s = FindWordStart(*puzzle, w);
            const TSearchCell& c = puzzle->Layer(s.Layer, s.Col, s.Row);
            const SearchStep step = SearchDirectionStep(c.Direction);
            const int endCol = s.Col + (c.Length - 1) * step.Col;
            const int endRow = s.Row + (c.Length - 1) * step.Row;
            const bool backwards = found % 2 == 1;
            screen->sgWordSearchMouseDown(backwards ? endCol : s.Col, backwards ? endRow : s.Row);
            screen->sgWordSearchEndDrag(backwards ? s.Col : endCol, backwards ? s.Row : endRow);
            ++found;
        }
        screen->sgWordsMouseDown(0, 1);
        screen->sgWordsMouseDown(2, 4);
        shots.Save("wordsearch-40-all-found");
        // A drag in progress.
        const SearchStart s = FindWordStart(*puzzle, 2);
        screen->sgWordSearchMouseDown(s.Col, s.Row);
        screen->sgWordSearchDragOver(std::min(puzzle->Side - 1, s.Col + 4), s.Row);
        shots.Save("wordsearch-40-all-dragging");
        screen->sgWordSearchEndDrag(-1, -1);
        screen->bnFill->click();
        shots.Save("wordsearch-40-all-filled");
    }
    for (auto [mode, name] : {std::pair{1, "wordsearch-mode1"}, std::pair{3, "wordsearch-mode3"}}) {
        Preferences.FontSizeMode = mode;
        shots.main.ApplyFontScheme();
        shots.main.FormResize();
        screen->FormShow();
        shots.Save(name);
    }
    shots.UseWindow(1, 800, 600);
    screen->FormShow();
    shots.Save("wordsearch-800x600");
    screen->bnReturnClick();
    shots.Save("wordsearch-setup-800x600");
    shots.Restore(saved);
    shots.main.FormResize();
}
