// Saved crosswords and word searches, driven as a user would: a puzzle in progress saved (a
// 19 x 19 crossword, over an old file only when the user agrees, never lost to a failed write), the
// program restarted with another puzzle on view, the saved one loaded back exactly as it was
// and played on; a free-format crossword loaded with its header; a damaged file refused.

#include "AppFixture.h"
#include "FileBytes.h"
#include "FileSizeLimit.h"

#include "CategoryPicker.h"
#include "CrosswordFile.h"
#include "CrosswordPlay.h"
#include "LX_Crosswords.h"
#include "LX_WordSearch.h"
#include "LexGrid.h"
#include "SavedFiles.h"
#include "WordSearchFile.h"
#include "WordSearchRules.h"

#include "AppGlobals.h"
#include "Random.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

namespace {

// Kind, answer, typed letter and mark of every cell of the crossword on view.
QStringList Cells()
{
    QStringList cells;
    for (int c = 0; c < XWordCols; ++c)
        for (int r = 0; r < XWordRows; ++r) {
            const XWordCell& x = XWordGrid[c][r];
            cells << QString::number(x.Kind) + ToQt(x.Answer) + "|" + ToQt(x.Typed) + "|" + ToQt(x.CheckMark);
        }
    return cells;
}

// Drags across a word of the puzzle on view, from its last letter to its first when backwards.
void DragWord(LexGrid* grid, const WordSearchPuzzle& p, int word, bool backwards)
{
    const SearchStart s = FindWordStart(p, word);
    const TSearchCell& cell = p.Layer(s.Layer, s.Col, s.Row);
    const SearchStep step = SearchDirectionStep(cell.Direction);
    QPoint from = grid->CellRect(s.Col, s.Row).center();
    QPoint to = grid->CellRect(s.Col + (cell.Length - 1) * step.Col, s.Row + (cell.Length - 1) * step.Row).center();
    if (backwards)
        std::swap(from, to);
    QTest::mousePress(grid, Qt::LeftButton, {}, from);
    QTest::mouseMove(grid, to);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, to);
}

}  // namespace

class TestSaves : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        QVERIFY(fixture->WriteDataFile());
        Start();
    }
    void cleanup() { fixture.reset(); }

    void crosswordSavedAndResumedAfterARestart()
    {
        // The largest grid offered, 19 x 19.
        for (int i = 0; i < 4; ++i)
            crosswords->spnGridSizeUp->click();
        QCOMPARE(crosswords->edSelectGridSize->text(), QStringLiteral("19 x 19"));
        RandSeed(23);
        crosswords->bnStartCrossword->click();
        QCOMPARE(XWordCols, 19);
        QCOMPARE(XWordRows, 19);
        for (Qt::Key key : {Qt::Key_E, Qt::Key_L, Qt::Key_A})
            QTest::keyClick(crosswords->sgCross, key);
        crosswords->PanelFill.Word->click();
        crosswords->PanelCheck.All->click();
        const QStringList saved = Cells();
        fixture->shown.clear();
        crosswords->bnSave->click();
        QCOMPARE(fixture->messages(), QStringList{"Crossword file has been saved."});
        QCOMPARE(QFileInfo(ProgramDir + "/LXQ_CrossWord.dat").size(), qint64(SavedXWordSize));
        QVERIFY(!QFile::exists(ProgramDir + "/LXQ_FreeFormat.dat"));
        QVERIFY(crosswords->sgCross->hasFocus());
        const QString path = ProgramDir + "/LXQ_CrossWord.dat";
        const QByteArray first = FileBytes(path);

        // Saved again after a change: the question first; "Cancel" writes nothing.
        const QString question = "A saved crossword already exists.\n\nPress \"O.K.\" to overwrite the existing saved "
                                 "crossword.\nPress \"Cancel\" to cancel the save request.";
        crosswords->PanelClear.All->click();
        fixture->cancelQuestions = true;
        fixture->shown.clear();
        crosswords->bnSave->click();
        QCOMPARE(fixture->messages(), QStringList{question});
        QCOMPARE(FileBytes(path), first);
        fixture->cancelQuestions = false;
        // A save that cannot write its new file says so and keeps the old one.
        fixture->shown.clear();
        {
            const FileSizeLimit full(100);
            QVERIFY(full.IsSet());
            crosswords->bnSave->click();
        }
        QCOMPARE(fixture->messages(), QStringList({question, "Error occurred while creating the crossword file."}));
        QCOMPARE(FileBytes(path), first);
        QCOMPARE(QDir(ProgramDir).entryList({"*LXQ_CrossWord*"}, QDir::AllEntries | QDir::Hidden), QStringList{"LXQ_CrossWord.dat"});
        // "O.K." replaces it; the first file is put back for the load below.
        crosswords->bnSave->click();
        QVERIFY(FileBytes(path) != first);
        QCOMPARE(fixture->shown.last().Text, QStringLiteral("Crossword file has been saved."));
        WriteBytes(path, first);

        // A new run of the program with another crossword, then back to the set-up page.
        Restart();
        RandSeed(99);
        crosswords->bnStartCrossword->click();
        QVERIFY(Cells() != saved);
        crosswords->bnReturn->click();
        crosswords->bnLoadExisting->click();
        QCOMPARE(Cells(), saved);
        QCOMPARE(XWordCols, 19);
        QCOMPARE(crosswords->sgCross->RowCount(), 19);
        QCOMPARE(XWordMode, 1);
        QCOMPARE(crosswords->HintSubMode(), 1);
        QVERIFY(crosswords->PanelXWord->isVisible());
        QVERIFY(!crosswords->lblFreeFormHeader->isVisible());
        QCOMPARE(crosswords->sgClues->RowCount(), XWordClues.RowCount);
        // The first Across clue is selected, and typing goes on from there.
        QCOMPARE(SelClueRow, 1);
        QCOMPARE(XWordClues.At(1, 1)[0], '2');
        const int col = SelCol, row = SelRow;
        QTest::keyClick(crosswords->sgCross, Qt::Key_K);
        QCOMPARE(XWordGrid[col][row].Typed, "k");

        // A damaged file is refused with nothing changed; the puzzle stays on view.
        WriteBytes(ProgramDir + "/LXQ_CrossWord.dat", FileBytes(ProgramDir + "/LXQ_CrossWord.dat").left(1000));
        const QStringList before = Cells();
        crosswords->bnReturn->click();
        fixture->shown.clear();
        crosswords->bnLoadExisting->click();
        QCOMPARE(fixture->messages(), QStringList{"Error reading the saved crossword file."});
        QVERIFY(crosswords->PanelMain->isVisible());
        QCOMPARE(Cells(), before);
    }

    void freeFormatCrosswordLoadsWithItsHeaderAndType()
    {
        // A free-format crossword saved earlier: "cat" over "rod", "car" down, one letter typed.
        XWordMode = 2;
        XWordCols = 4;
        XWordRows = 3;
        const char* rows[] = {"cat.", "a...", "rod>"};
        for (int c = 0; c < XWordGridDim; ++c)
            for (int r = 0; r < XWordGridDim; ++r)
                XWordGrid[c][r] = XWordCell();
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                if (rows[r][c] != '.')
                    XWordGrid[c][r].Answer = std::string(1, rows[r][c]);
        NumberGrid();
        XWordGrid[0][2].Typed = "r";
        BuildClueLists();
        std::vector<uint8_t> record;
        QVERIFY(AssembleCrosswordRecord(record, "Free Format Crossword : Animals"));
        WriteBytes(ProgramDir + "/LXQ_FreeFormat.dat", QByteArray(reinterpret_cast<const char*>(record.data()),
                                                                  static_cast<qsizetype>(record.size())));
        XWordMode = 0;
        crosswords->FormShow();

        fixture->shown.clear();
        crosswords->bnLoadExisting->click();  // the regular file: there is none
        QCOMPARE(fixture->messages(), QStringList{"There is no existing saved crossword."});
        QTest::mouseClick(crosswords->lblFreeLines[0], Qt::LeftButton);
        crosswords->bnLoadExisting->click();
        QCOMPARE(XWordMode, 2);
        QCOMPARE(crosswords->HintSubMode(), 2);
        QVERIFY(crosswords->lblFreeFormHeader->isVisible());
        QCOMPARE(crosswords->lblFreeFormHeader->text(), QStringLiteral("Free Format Crossword : Animals"));
        QCOMPARE(XWordGrid[0][2].Typed, "r");

        // A free record found in the regular file shows as free format, its type button checked.
        QVERIFY(QFile::rename(ProgramDir + "/LXQ_FreeFormat.dat", ProgramDir + "/LXQ_CrossWord.dat"));
        crosswords->bnReturn->click();
        QTest::mouseClick(crosswords->lblXWordLines[0], Qt::LeftButton);
        crosswords->bnLoadExisting->click();
        QCOMPARE(XWordMode, 2);
        QVERIFY(crosswords->rbFree->isChecked());
        QCOMPARE(Preferences.XWordType, 1);
        crosswords->bnSave->click();  // saved to the free-format file again
        QVERIFY(QFile::exists(ProgramDir + "/LXQ_FreeFormat.dat"));
    }

    void wordSearchSavedAndResumedAfterARestart()
    {
        fixture->main->ChangeScreenClick(ScreenWordSearch);
        fixture->shown.clear();
        search->bnLoadExisting->click();
        QCOMPARE(fixture->messages(), QStringList{"There is no existing saved word search puzzle."});
        RandSeed(7);
        search->Picker->sgCategorySelectCell(0, 5);  // Food
        search->rbAllDir->click();
        search->senWords->setValue(12);
        search->bnStartGame->click();
        WordSearchPuzzle& p = *search->Puzzle();
        // Word 2 found, answer 4 shown, the clue area of word 6 on view.
        DragWord(search->sgWordSearch, p, 2, false);
        QTest::mouseClick(search->sgWords, Qt::LeftButton, {}, search->sgWords->CellRect(0, 3).center());
        QTest::mouseClick(search->sgWords, Qt::LeftButton, {}, search->sgWords->CellRect(2, 5).center());
        const QString header = search->lblSearchHeader->text();
        const std::vector<uint8_t> saved = AssembleSearchRecord(p, FromQt(header));
        fixture->shown.clear();
        search->bnSave->click();
        QCOMPARE(fixture->messages(), QStringList{"Word Search file has been saved."});

        // A new run with English answers: forward directions, another puzzle, then the saved one.
        Restart();
        fixture->ClickBox(ScreenOptions);
        fixture->options().rbEnglishAns->click();
        fixture->main->ChangeScreenClick(ScreenWordSearch);
        search->rbForward->click();
        search->senWords->setValue(10);
        search->bnStartGame->click();
        search->bnReturn->click();
        search->bnLoadExisting->click();
        QCOMPARE(search->PuzzleShowing, 1);
        QCOMPARE(search->HintSubMode(), 1);
        QVERIFY(search->PanelWordSearch->isVisible());
        QVERIFY(search->rbAllDir->isChecked());
        QCOMPARE(Preferences.SearchAllDirections, uint8_t{1});
        WordSearchPuzzle& q = *search->Puzzle();
        QCOMPARE(search->sgWordSearch->ColCount(), q.Side);
        QCOMPARE(search->sgWords->RowCount(), 12);
        QCOMPARE(search->lblSearchHeader->text(), header);
        QVERIFY(AssembleSearchRecord(q, FromQt(header)) == saved);  // every letter, flag and outline as it was
        // Its list is Spanish, and so are its captions.
        QCOMPARE(search->bnShowSpanish->text(), QString("Click to show Spanish words"));
        QCOMPARE(search->lblInstruct2->text(), QString("Click the first column to show the Spanish word."));

        // Play goes on: a backward drag finds a word, and Clear restores the loaded list.
        DragWord(search->sgWordSearch, q, 7, true);
        QVERIFY(WordFound(q, 7));
        search->bnClear->click();
        QVERIFY(!WordFound(q, 2));
        QCOMPARE(q.List[3].Answer, "00" + q.Answers[3].Answer);

        // A saved list that no word of the table settles is in the language chosen now, either one.
        std::vector<TAnswer> unknown;
        for (const char* w : {"qxv", "qxw", "qxz", "zqv", "zqw", "zqx"})
            unknown.push_back(TAnswer{std::string("clue ") + w, w, w});
        WordSearchPuzzle undecided;
        uint32_t seed = 1;
        while (RandSeed(seed), !BuildPuzzle(undecided, unknown, 12, false))
            QVERIFY2(++seed <= 200, "no word search of six words built in 200 seeds");
        const std::vector<uint8_t> record = AssembleSearchRecord(undecided, "Word Search : Mine");
        WriteBytes(SavedFilePath("LXQ_Search.dat"), QByteArray(reinterpret_cast<const char*>(record.data()), record.size()));
        for (const bool spanish : {false, true}) {
            fixture->ClickBox(ScreenOptions);
            (spanish ? fixture->options().rbSpanishAns : fixture->options().rbEnglishAns)->click();
            fixture->main->ChangeScreenClick(ScreenWordSearch);
            search->bnReturn->click();
            search->bnLoadExisting->click();
            QCOMPARE(search->lblSearchHeader->text(), QString("Word Search : Mine"));
            QCOMPARE(search->bnShowSpanish->text(),
                     spanish ? QString("Click to show Spanish words") : QString("Click to show English words"));
        }
    }

private:
    void Start()
    {
        QVERIFY(fixture->Start());
        crosswords = fixture->ScreenAs<TfrmCrosswords>(ScreenCrosswords);
        search = fixture->ScreenAs<TfrmWordSearch>(ScreenWordSearch);
        QVERIFY(crosswords && search);
        fixture->main->ChangeScreenClick(ScreenCrosswords);
    }
    void Restart()
    {
        fixture->Stop();
        Start();
    }

    std::unique_ptr<AppFixture> fixture;
    TfrmCrosswords* crosswords = nullptr;
    TfrmWordSearch* search = nullptr;
};

QTEST_MAIN(TestSaves)
#include "test_saves.moc"
