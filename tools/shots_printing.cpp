// The printouts: each printed through the print dialog's seam to a PDF file beside the
// pictures, then turned into a PNG with pdftoppm. Crosswords (11 x 11, 19 x 19 and again with
// long clues, a generated free-format one and a trimmed free-format grid of 19 x 5), word
// searches (10 and 40 words), Scrambled Words on the top and on the bottom half of the page,
// Codewords on the top and Select Letters on the bottom half.

#include "Screenshots.h"

#include "CategoryPicker.h"
#include "CrosswordPrint.h"
#include "LX_Crosswords.h"
#include "LX_WordGames.h"
#include "LX_WordSearch.h"
#include "Platform.h"
#include "ShowMsg.h"
#include "XWordGrid.h"
#include "CodewordsPanel.h"
#include "SelectLettersPanel.h"

#include "LX_Data.h"
#include "Random.h"

#include <QFile>
#include <QGroupBox>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <cstdio>

namespace {

// Prints through the dialog's seam to OUT/name.pdf (A4), then converts it to OUT/name.png.
struct PrintShot {
    ShotContext& shots;
    QString name;
    QString Pdf() const { return shots.out + "/" + name + ".pdf"; }

    void Arm()
    {
        QFile::remove(Pdf());
        const QString file = Pdf();
        SetPrintDialogAnswer([file](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            printer.setPageSize(QPageSize(QPageSize::A4));
            return true;
        });
    }
    void Convert()
    {
        SetPrintDialogAnswer(nullptr);
        bool ok = QFile::exists(Pdf());
        if (ok) {
            const int rc = QProcess::execute("pdftoppm", {"-png", "-r", "100", "-singlefile", Pdf(), shots.out + "/" + name});
            ok = rc == 0;
        }
        std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(name));
        shots.failures += !ok;
    }
};

// A free-format crossword trimmed to 19 x 5 squares, numbered and listed.
void MakeWideFreeFormat()
{
    for (auto& column : XWordGrid)
        for (XWordCell& cell : column)
            cell = XWordCell{};
    auto across = [](int col, int row, const char* word) {
        for (int i = 0; word[i]; ++i)
            XWordGrid[col + i][row].Answer = std::string(1, word[i]);
    };
    auto down = [](int col, int row, const char* word) {
        for (int i = 0; word[i]; ++i)
            XWordGrid[col][row + i].Answer = std::string(1, word[i]);
    };
    across(0, 0, "hospital");
    across(11, 0, "mountain");
    down(0, 0, "horse");
    down(18, 0, "nurse");
    across(0, 4, "elbow");
    across(14, 4, "table");
    XWordMode = 2;
    XWordCols = 19;
    XWordRows = 5;
    NumberGrid();
    XWordGrid[0][0].AcrossClue = "el hospital";
    XWordGrid[0][0].DownClue = "el caballo";
    XWordGrid[11][0].AcrossClue = "la monta\xF1" "a";
    XWordGrid[18][0].DownClue = "la enfermera";
    XWordGrid[0][4].AcrossClue = "el codo";
    XWordGrid[14][4].AcrossClue = "la mesa";
    BuildClueLists();
}

}  // namespace

void ShotsPrinting(ShotContext& shots)
{
    const ShotState saved = shots.Keep();
    shots.main.resize(1260, 960);
    Preferences.FontSizeMode = 2;
    Preferences.AnswerLanguage = "S";
    shots.main.ApplyFontScheme();
    shots.main.FormResize();

    if (auto* form = shots.ScreenAs<TfrmCrosswords>(ScreenCrosswords)) {
        shots.main.ChangeScreenClick(ScreenCrosswords);
        for (int sizeIndex : {1, 5}) {
            if (XWordMode != 0)
                form->bnReturn->click();
            form->rbXWord->click();
            Preferences.GridSizeIndex = sizeIndex;
            form->FormShow();
            RandSeed(17 + sizeIndex);
            form->bnStartCrossword->click();
            PrintShot shot{shots, QStringLiteral("print-crossword-%1x%1").arg(2 * sizeIndex + 9)};
            shot.Arm();
            form->bnPrint->click();
            shot.Convert();
        }
        // The 19 x 19 again with long clues: a clue too wide for its column takes two lines.
        const char* longClues[] = {"tiendas libres de impuestos (9,5)", "where is the bathroom? (6,4,2,5)",
                                   "boletas de calificaciones (6,5)", "a la vuelta de la esquina (6,3,6)"};
        int next = 0;
        for (int r = 0; r < XWordRows; ++r)
            for (int c = 0; c < XWordCols; ++c) {
                if (XWordGrid[c][r].AcrossNumber > 0)
                    XWordGrid[c][r].AcrossClue = longClues[next++ % 4];
                if (XWordGrid[c][r].DownNumber > 0)
                    XWordGrid[c][r].DownClue = longClues[next++ % 4];
            }
        BuildClueLists();
        PrintShot longShot{shots, "print-crossword-19x19-long-clues"};
        longShot.Arm();
        form->bnPrint->click();
        longShot.Convert();
        // A generated free-format crossword of 20 words, then a trimmed 19 x 5 one made by hand.
        form->bnReturn->click();
        form->rbFree->click();
        form->Picker->sgCategorySelectCell(0, 5);  // Food
        form->senWords->setValue(20);
        RandSeed(3);
        form->bnStartCrossword->click();
        if (XWordMode == 2) {
            PrintShot shot{shots, "print-crossword-free-20"};
            shot.Arm();
            form->bnPrint->click();
            shot.Convert();
        }
        form->bnReturn->click();
        form->rbXWord->click();
        MakeWideFreeFormat();
        PrintShot shot{shots, "print-crossword-free-19x5"};
        shot.Arm();
        PrintCrossword(form, "Free format crossword : Health");
        shot.Convert();
        XWordMode = 0;
        form->FormShow();
    }

    if (auto* search = shots.ScreenAs<TfrmWordSearch>(ScreenWordSearch)) {
        shots.main.ChangeScreenClick(ScreenWordSearch);
        for (int words : {10, 40}) {
            search->bnReturnClick();
            search->Picker->sgCategorySelectCell(0, 5);  // Food
            search->Picker->sgSubCategorySelectCell(CategoryTable[5].SubCount);
            search->rbAllCommon->setChecked(true);
            search->rbAllLearned->setChecked(true);
            (words == 40 ? search->rbAllDir : search->rbForward)->setChecked(true);
            search->senWords->setValue(words);
            RandSeed(11 + words);
            search->bnStartGame->click();
            PrintShot shot{shots, QStringLiteral("print-wordsearch-%1").arg(words)};
            shot.Arm();
            search->bnPrint->click();
            shot.Convert();
        }
        search->bnReturnClick();
    }

    if (auto* games = shots.ScreenAs<TfrmWordGames>(ScreenWordGames)) {
        shots.main.ChangeScreenClick(ScreenWordGames);
        if (games->GameMode != GameOptionsPage)
            games->bnScrambleReturn->click();
        games->rbScrambledWords->click();
        games->Picker->sgCategorySelectCell(0, 5);
        RandSeed(7);
        games->bnStartGame->click();
        games->bnFill[0]->click();
        shots.Save("print-wordgames-scrambled-screen");
        for (int half : {1, 2}) {
            SetMessageFormAnswer([half](TfrmShowMsg& form) {
                if (!form.rgMessages->isHidden())
                    form.Options[half - 1]->setChecked(true);
                form.bnOK->click();
            });
            PrintShot shot{shots, QStringLiteral("print-wordgames-scrambled-%1").arg(half == 1 ? "top" : "bottom")};
            shot.Arm();
            games->bnScramblePrint->click();
            shot.Convert();
        }
        games->bnScrambleReturn->click();

        // Codewords on the top half and Select Letters on the bottom half, with English answers.
        Preferences.AnswerLanguage = "E";
        struct Game {
            QRadioButton* radio;
            QPushButton* print;
            const char* name;
            int half;
        };
        for (const Game& game : {Game{games->rbCodeWords, games->PanelCodeWords->bnCodePrint, "codewords", 1},
                                 Game{games->rbSelectLetters, games->PanelSelectLetters->bnSelectPrint, "select", 2}}) {
            shots.main.ChangeScreenClick(ScreenWordGames);
            if (games->GameMode != GameOptionsPage)
                games->bnReturnClick();
            game.radio->click();
            RandSeed(5);
            games->bnStartGame->click();
            shots.Save(QStringLiteral("print-wordgames-%1-screen").arg(game.name));
            const int half = game.half;
            SetMessageFormAnswer([half](TfrmShowMsg& form) {
                if (!form.rgMessages->isHidden())
                    form.Options[half - 1]->setChecked(true);
                form.bnOK->click();
            });
            PrintShot shot{shots, QStringLiteral("print-wordgames-%1-%2").arg(game.name).arg(half == 1 ? "top" : "bottom")};
            shot.Arm();
            game.print->click();
            shot.Convert();
        }
        games->bnReturnClick();
        SetMessageFormAnswer([](TfrmShowMsg& form) { form.bnOK->click(); });
    }

    shots.Restore(saved);
}
