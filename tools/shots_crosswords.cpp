// Crosswords: the set-up page for both crossword types, generated regular crosswords of the
// smallest and largest sizes in both answer languages, and one partly typed and checked.

#include "Screenshots.h"

#include "CrosswordPlay.h"
#include "LX_Crosswords.h"
#include "XWordGrid.h"

#include "LX_Data.h"
#include "Random.h"

#include <QPushButton>
#include <QRadioButton>

void ShotsCrosswords(ShotContext& shots)
{
    auto* form = shots.ScreenAs<TfrmCrosswords>(ScreenCrosswords);
    if (!form)
        return;
    const ShotState saved = shots.Keep();
    shots.main.resize(1260, 960);

    shots.main.ChangeScreenClick(ScreenCrosswords);
    form->rbFree->click();
    shots.Save("crosswords-setup-free");
    form->rbXWord->click();
    shots.Save("crosswords-setup-regular");

    for (const char* language : {"S", "E"}) {
        Preferences.AnswerLanguage = language;
        for (int sizeIndex : {1, 5}) {
            Preferences.GridSizeIndex = sizeIndex;
            form->FormShow();
            RandSeed(17 + sizeIndex);
            form->bnStartCrossword->click();
            shots.Save(QStringLiteral("crosswords-%1x%1-%2").arg(2 * sizeIndex + 9).arg(language));
            if (sizeIndex == 1 && language[0] == 'S' && XWordMode == 1) {
                // The first across word typed right but for one letter, the next word half typed.
                const int start = SelCol;
                const int length = XWordGrid[WordStartCol][WordStartRow].AcrossLength;
                for (int i = 0; i < length; ++i) {
                    const unsigned char answer = static_cast<unsigned char>(XWordGrid[start + i][SelRow].Answer[0]);
                    const int key = i == 1 ? 'Z' : std::toupper(answer < 128 ? answer : 'A');
                    form->sgCrossKeyDown(key, false);
                }
                for (int i = 0; i < 2; ++i)
                    form->sgCrossKeyDown('E', false);
                form->PanelCheck.All->click();
                shots.Save("crosswords-11x11-S-checked");
                // The same at the smallest window and font.
                shots.UseWindow(1, 800, 600);
                form->FormShow();
                shots.Save("crosswords-11x11-S-800x600");
                shots.UseWindow(saved.preferences.FontSizeMode, 1260, 960);
            }
            form->bnReturn->click();
        }
    }
    shots.Restore(saved);
    form->FormShow();
}
