// Word Tests: a fresh test, a test part answered and checked (Spanish and English answers),
// and the smallest window.

#include "Screenshots.h"

#include "LX_WordTests.h"

#include "LX_Data.h"
#include "QtText.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

// Answers the first rows: two right, one wrong, then checks each with Enter.
void AnswerSome(TfrmWordTests& screen)
{
    const int rows = screen.Test.RowCount();
    for (int n = 0; n < rows && n < 3; ++n) {
        const QString answer = ToQt(screen.Test.Rows[n].Answer);
        screen.edAns[n]->setText(n == 1 ? answer.left(answer.size() - 1) + "x" : answer);
        screen.edAnsKeyDown(n);
    }
}

}  // namespace

void ShotsWordTests(ShotContext& shots)
{
    auto* screen = shots.ScreenAs<TfrmWordTests>(ScreenWordTests);
    if (!screen)
        return;
    const ShotState saved = shots.Keep();

    Preferences.AnswerLanguage = "S";
    shots.UseWindow(2, 1260, 960);
    shots.main.ChangeScreenClick(ScreenWordTests);
    screen->bnNewTest->click();
    shots.Save("wordtests-fresh");
    AnswerSome(*screen);
    shots.Save("wordtests-checked-S");

    Preferences.AnswerLanguage = "E";
    shots.main.ChangeScreenClick(ScreenWordLists);
    shots.main.ChangeScreenClick(ScreenWordTests);  // the test on view keeps its language
    screen->bnNewTest->click();
    AnswerSome(*screen);
    shots.Save("wordtests-checked-E");

    // The smallest window, with a long-clued category, part answered and filled.
    Preferences.AnswerLanguage = "S";
    shots.UseWindow(1, 800, 600);
    shots.main.ChangeScreenClick(ScreenWordTests);
    screen->bnNewTest->click();
    AnswerSome(*screen);
    shots.Save("wordtests-800x600");
    screen->bnFill->click();
    shots.Save("wordtests-800x600-filled");

    shots.Restore(saved);
}
