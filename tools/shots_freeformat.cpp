// Free-format crosswords: the set-up page on free format, and a 20-word crossword of one
// category in both answer languages, partly solved and checked.

#include "Screenshots.h"

#include "CategoryPicker.h"
#include "CrosswordPlay.h"
#include "LX_Crosswords.h"
#include "LexGrid.h"
#include "XWordGrid.h"

#include "LX_Data.h"
#include "Random.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <cctype>

void ShotsFreeFormat(ShotContext& shots)
{
    auto* form = shots.ScreenAs<TfrmCrosswords>(ScreenCrosswords);
    if (!form)
        return;
    const ShotState saved = shots.Keep();
    shots.main.resize(1260, 960);

    shots.main.ChangeScreenClick(ScreenCrosswords);
    if (XWordMode != 0)
        form->bnReturn->click();
    form->rbFree->click();
    form->rbAllCommon->click();
    form->Picker->sgCategorySelectCell(0, 5);  // Food
    form->Picker->sgSubCategorySelectCell(CategoryTable[5].SubCount);
    form->senWords->setValue(20);
    shots.Save("freeformat-setup");

    for (const char* language : {"S", "E"}) {
        Preferences.AnswerLanguage = language;
        RandSeed(language[0] == 'S' ? 3 : 4);
        form->bnStartCrossword->click();
        if (XWordMode != 2)
            continue;
        shots.Save(QStringLiteral("freeformat-20-%1").arg(language));
        // Two words typed, one of them with a wrong letter, then everything checked.
        for (int word = 0; word < 2; ++word) {
            const int length = SelDown ? XWordGrid[WordStartCol][WordStartRow].DownLength
                                       : XWordGrid[WordStartCol][WordStartRow].AcrossLength;
            const int col = WordStartCol, row = WordStartRow;
            const bool down = SelDown;
            for (int i = 0; i < length; ++i) {
                const auto answer = static_cast<unsigned char>(
                    XWordGrid[down ? col : col + i][down ? row + i : row].Answer[0]);
                const int key = word == 1 && i == 1 ? 'Z' : std::toupper(answer < 128 ? answer : 'A');
                form->sgCrossKeyDown(key, false);
            }
        }
        form->PanelCheck.All->click();
        shots.Save(QStringLiteral("freeformat-20-%1-checked").arg(language));
        form->bnReturn->click();
    }
    shots.Restore(saved);
    form->FormShow();
}
