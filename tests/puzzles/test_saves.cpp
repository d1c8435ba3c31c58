// Saved crosswords and word searches, driven as a user would: a puzzle in progress saved,
// the overwrite question cancelled and accepted, the program restarted with another puzzle on
// view, the saved one loaded back exactly as it was; a failed save that keeps the old file,
// and damaged files refused with nothing changed.

#include "AppFixture.h"

#include "CategoryPicker.h"
#include "CrosswordFile.h"
#include "CrosswordPlay.h"
#include "LX_Crosswords.h"
#include "LX_WordSearch.h"
#include "LexGrid.h"
#include "WordSearchFile.h"
#include "XWordGrid.h"

#include "AppGlobals.h"
#include "LX_Globals.h"
#include "Random.h"
#include "RecordIO.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

namespace {

constexpr int Food = 5;

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray Bytes(const std::vector<uint8_t>& record)
{
    return QByteArray(reinterpret_cast<const char*>(record.data()), static_cast<qsizetype>(record.size()));
}

struct CrosswordSnapshot {
    int Cols = 0, Rows = 0;
    std::vector<std::string> Cells;  // kind, answer, typed letter and mark of each cell
    bool operator==(const CrosswordSnapshot&) const = default;
};

CrosswordSnapshot Snapshot()
{
    CrosswordSnapshot s{XWordCols, XWordRows, {}};
    for (int c = 0; c < XWordCols; ++c)
        for (int r = 0; r < XWordRows; ++r) {
            const XWordCell& x = XWordGrid[c][r];
            s.Cells.push_back(std::to_string(x.Kind) + x.Answer.str() + "|" + x.Typed.str() + "|" + x.CheckMark.str());
        }
    return s;
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
        ShowCrosswords();
        RandSeed(23);
        crosswords->bnStartCrossword->click();
        QCOMPARE(XWordMode, 1);
        // Some letters typed, a word filled and everything checked.
        for (Qt::Key key : {Qt::Key_E, Qt::Key_L, Qt::Key_A})
            QTest::keyClick(crosswords->sgCross, key);
        crosswords->PanelFill.Word->click();
        crosswords->PanelCheck.All->click();
        const CrosswordSnapshot saved = Snapshot();
        const QString regular = ProgramDir + "/LXQ_CrossWord.dat";
        const QString free = ProgramDir + "/LXQ_FreeFormat.dat";

        fixture->shown.clear();
        crosswords->bnSave->click();
        QCOMPARE(fixture->messages(), QStringList{"Crossword file has been saved."});
        const QByteArray first = FileBytes(regular);
        QCOMPARE(first.size(), qsizetype(SavedXWordSize));
        QVERIFY(!QFile::exists(free));
        QVERIFY(!QFile::exists(regular + ".tmp"));
        QVERIFY(crosswords->sgCross->hasFocus());

        // More letters, then a second save: the question, cancelled, writes nothing.
        crosswords->PanelFill.All->click();
        cancelQuestions = true;
        fixture->shown.clear();
        crosswords->bnSave->click();
        QCOMPARE(fixture->messages(),
                 QStringList{"A saved crossword already exists.\n\nPress \"O.K.\" to overwrite the existing saved "
                             "crossword.\nPress \"Cancel\" to cancel the save request."});
        QCOMPARE(FileBytes(regular), first);

        // A save that cannot write keeps the old file as it was.
        cancelQuestions = false;
        QVERIFY(QDir(ProgramDir).mkdir("LXQ_CrossWord.dat.tmp"));
        fixture->shown.clear();
        crosswords->bnSave->click();
        QCOMPARE(fixture->shown.size(), 2);
        QCOMPARE(fixture->shown[1].Text, QStringLiteral("Error occurred while creating the crossword file."));
        QCOMPARE(FileBytes(regular), first);
        QVERIFY(QDir(ProgramDir).rmdir("LXQ_CrossWord.dat.tmp"));

        // A new run of the program with another crossword on view.
        Restart();
        ShowCrosswords();
        RandSeed(99);
        crosswords->bnStartCrossword->click();
        QVERIFY(!(Snapshot() == saved));
        crosswords->bnReturn->click();
        QVERIFY(crosswords->PanelMain->isVisible());

        fixture->shown.clear();
        crosswords->bnLoadExisting->click();
        QVERIFY(fixture->shown.isEmpty());
        QVERIFY(Snapshot() == saved);
        QCOMPARE(XWordMode, 1);
        QCOMPARE(crosswords->HintSubMode(), 1);
        QVERIFY(crosswords->PanelXWord->isVisible());
        QVERIFY(!crosswords->PanelMain->isVisible());
        QVERIFY(!crosswords->lblFreeFormHeader->isVisible());
        QCOMPARE(crosswords->sgCross->ColCount(), saved.Cols);
        QCOMPARE(crosswords->sgClues->RowCount(), XWordClues.RowCount);
        // The first Across clue is selected, and typing goes on from there.
        QCOMPARE(SelClueRow, 1);
        QCOMPARE(SelDown, uint8_t{0});
        QCOMPARE(XWordClues.At(1, 1)[0], '2');
        const int col = SelCol, row = SelRow;
        QTest::keyClick(crosswords->sgCross, Qt::Key_K);
        QCOMPARE(XWordGrid[col][row].Typed, "k");

    }

    void freeFormatCrosswordLoadsWithItsHeaderAndType()
    {
        // A free-format crossword saved earlier (the record the screen writes for one).
        LayFreeFormat();
        std::vector<uint8_t> record;
        QVERIFY(AssembleCrosswordRecord(record, "Free Format Crossword : Animals"));
        WriteBytes(ProgramDir + "/LXQ_FreeFormat.dat", Bytes(record));
        XWordMode = 0;  // nothing on view yet

        ShowCrosswords();
        QVERIFY(crosswords->rbXWord->isChecked());
        fixture->shown.clear();
        crosswords->bnLoadExisting->click();  // the regular file: none
        QCOMPARE(fixture->messages(), QStringList{"There is no existing saved crossword."});
        QVERIFY(crosswords->PanelMain->isVisible());

        QTest::mouseClick(crosswords->lblFreeLines[0], Qt::LeftButton);
        QVERIFY(crosswords->rbFree->isChecked());
        crosswords->bnLoadExisting->click();
        QCOMPARE(XWordMode, 2);
        QCOMPARE(crosswords->HintSubMode(), 2);
        QVERIFY(crosswords->lblFreeFormHeader->isVisible());
        QCOMPARE(crosswords->lblFreeFormHeader->text(), QStringLiteral("Free Format Crossword : Animals"));
        QCOMPARE(XWordGrid[0][2].Typed, "r");
        QCOMPARE(XWordGrid[3][2].Kind, uint8_t{1});  // the end marker is no square

        // Saving writes the free-format file, and back on the set-up page the type stays free.
        crosswords->bnSave->click();
        QCOMPARE(fixture->shown.last().Text, QStringLiteral("Crossword file has been saved."));
        QVERIFY(!QFile::exists(ProgramDir + "/LXQ_CrossWord.dat"));
        crosswords->bnReturn->click();
        QVERIFY(crosswords->rbFree->isChecked());
        QCOMPARE(Preferences.XWordType, 1);

        // With the regular button checked the same load would read the other file; a free
        // record found there is still shown as free format, its type button checked.
        QFile::copy(ProgramDir + "/LXQ_FreeFormat.dat", ProgramDir + "/LXQ_CrossWord.dat");
        QTest::mouseClick(crosswords->lblXWordLines[0], Qt::LeftButton);
        crosswords->bnLoadExisting->click();
        QCOMPARE(XWordMode, 2);
        QVERIFY(crosswords->rbFree->isChecked());
    }

    void damagedCrosswordFilesChangeNothing()
    {
        ShowCrosswords();
        RandSeed(5);
        crosswords->bnStartCrossword->click();
        crosswords->PanelFill.All->click();
        std::vector<uint8_t> good;
        QVERIFY(AssembleCrosswordRecord(good, ""));
        const CrosswordSnapshot before = Snapshot();
        const QString path = ProgramDir + "/LXQ_CrossWord.dat";

        std::vector<QByteArray> damaged;
        damaged.push_back(Bytes(good).left(SavedXWordSize - 1));  // short
        damaged.push_back(QByteArray());                           // empty
        std::vector<uint8_t> bad = good;
        RecordWriter(bad).I32(XWordFileOffset::ColCount, 40);  // would index past the grid
        damaged.push_back(Bytes(bad));
        bad = good;
        bad[XWordFileOffset::Cell(1, 1) + XWordCellOffset::Typed] = 200;
        damaged.push_back(Bytes(bad));
        bad = good;
        bad[XWordFileOffset::Kind] = 7;
        damaged.push_back(Bytes(bad));
        crosswords->bnReturn->click();  // the set-up page, the puzzle still in memory
        for (const QByteArray& bytes : damaged) {
            WriteBytes(path, bytes);
            fixture->shown.clear();
            crosswords->bnLoadExisting->click();
            QCOMPARE(fixture->messages(), QStringList{"Error reading the saved crossword file."});
            QVERIFY(crosswords->PanelMain->isVisible());
            QCOMPARE(XWordMode, 0);
            QVERIFY(crosswords->rbXWord->isChecked());
            QVERIFY(Snapshot() == before);
        }
        // A longer file is read by its first record.
        WriteBytes(path, Bytes(good) + QByteArray(100, 'x'));
        crosswords->bnLoadExisting->click();
        QVERIFY(Snapshot() == before);
        QCOMPARE(XWordMode, 1);
    }

    void wordSearchSavedAndResumedAfterARestart()
    {
        ShowWordSearch();
        RandSeed(7);
        search->Picker->sgCategorySelectCell(0, Food);
        search->Picker->sgSubCategorySelectCell(CategoryTable[Food].SubCount);
        search->rbAllCommon->click();
        search->rbAllLearned->click();
        search->rbAllDir->click();
        search->senWords->setValue(12);
        search->bnStartGame->click();
        QVERIFY(search->Puzzle());
        WordSearchPuzzle& p = *search->Puzzle();

        // Word 2 found by a drag, answer 4 shown, the clue area of word 6 on view.
        const SearchStart s = FindWordStart(p, 2);
        const TSearchCell& cell = p.Layer(s.Layer, s.Col, s.Row);
        const SearchStep step = SearchDirectionStep(cell.Direction);
        const QPoint from = search->sgWordSearch->CellRect(s.Col, s.Row).center();
        const QPoint to = search->sgWordSearch
                              ->CellRect(s.Col + (cell.Length - 1) * step.Col, s.Row + (cell.Length - 1) * step.Row)
                              .center();
        QTest::mousePress(search->sgWordSearch, Qt::LeftButton, {}, from);
        QTest::mouseMove(search->sgWordSearch, to);
        QTest::mouseRelease(search->sgWordSearch, Qt::LeftButton, {}, to);
        QVERIFY(WordFound(p, 2));
        QTest::mouseClick(search->sgWords, Qt::LeftButton, {}, search->sgWords->CellRect(0, 3).center());
        QTest::mouseClick(search->sgWords, Qt::LeftButton, {}, search->sgWords->CellRect(2, 5).center());
        QCOMPARE(p.List[5].Mark, '2');
        const WordSearchPuzzle saved = p;
        const QString header = search->lblSearchHeader->text();
        const QString path = ProgramDir + "/LXQ_Search.dat";

        fixture->shown.clear();
        search->bnSave->click();
        QCOMPARE(fixture->messages(), QStringList{"Word Search file has been saved."});
        const QByteArray first = FileBytes(path);
        QCOMPARE(first.size(), qsizetype(SearchSaveSize));

        cancelQuestions = true;
        search->bnFill->click();
        search->bnSave->click();
        QVERIFY(fixture->shown.last().Text.startsWith("A saved word search puzzle already exists.\n\nPress"));
        QCOMPARE(FileBytes(path), first);
        cancelQuestions = false;

        // A failed write keeps the old file.
        QVERIFY(QDir(ProgramDir).mkdir("LXQ_Search.dat.tmp"));
        search->bnSave->click();
        QCOMPARE(fixture->shown.last().Text, QStringLiteral("Error occurred while creating the word search file."));
        QCOMPARE(FileBytes(path), first);
        QVERIFY(QDir(ProgramDir).rmdir("LXQ_Search.dat.tmp"));

        // A new run: forward directions set up, another puzzle, then the saved one loaded.
        Restart();
        ShowWordSearch();
        search->rbForward->click();
        QCOMPARE(Preferences.SearchAllDirections, uint8_t{0});
        search->senWords->setValue(10);
        search->bnStartGame->click();
        search->bnReturn->click();
        fixture->shown.clear();
        search->bnLoadExisting->click();
        QVERIFY(fixture->shown.isEmpty());
        QCOMPARE(search->PuzzleShowing, 1);
        QCOMPARE(search->HintSubMode(), 1);
        QVERIFY(search->PanelWordSearch->isVisible());
        QCOMPARE(search->lblSearchHeader->text(), header);
        QVERIFY(search->rbAllDir->isChecked());
        QCOMPARE(Preferences.SearchAllDirections, uint8_t{1});
        QCOMPARE(search->WordListFontStep, 3);
        const WordSearchPuzzle& q = *search->Puzzle();
        QCOMPARE(q.Side, saved.Side);
        QCOMPARE(search->sgWordSearch->ColCount(), saved.Side);
        QCOMPARE(search->sgWords->RowCount(), 12);
        for (int c = 0; c < q.Side; ++c)
            for (int r = 0; r < q.Side; ++r)
                QCOMPARE(q.Grid[c][r].Text(), saved.Grid[c][r].Text());
        for (int w = 1; w <= 12; ++w) {
            QCOMPARE(q.List[w - 1].Answer, saved.List[w - 1].Answer);
            QCOMPARE(q.List[w - 1].Clue, saved.List[w - 1].Clue);
            QCOMPARE(q.List[w - 1].Mark, saved.List[w - 1].Mark);
            QCOMPARE(WordFound(q, w), w == 2);
            QCOMPARE(q.Answers[w - 1].Letters, saved.Answers[w - 1].Letters);
        }

        // Play goes on: another word found by a backward drag, and Clear restores the loaded list.
        const SearchStart t = FindWordStart(q, 7);
        const TSearchCell& seven = q.Layer(t.Layer, t.Col, t.Row);
        const SearchStep st = SearchDirectionStep(seven.Direction);
        const QPoint last = search->sgWordSearch
                                ->CellRect(t.Col + (seven.Length - 1) * st.Col, t.Row + (seven.Length - 1) * st.Row)
                                .center();
        const QPoint firstLetter = search->sgWordSearch->CellRect(t.Col, t.Row).center();
        QTest::mousePress(search->sgWordSearch, Qt::LeftButton, {}, last);
        QTest::mouseMove(search->sgWordSearch, firstLetter);
        QTest::mouseRelease(search->sgWordSearch, Qt::LeftButton, {}, firstLetter);
        QVERIFY(WordFound(q, 7));
        search->bnClear->click();
        QCOMPARE(q.List[1].Answer, "00" + saved.Answers[1].Answer);
        QVERIFY(!WordFound(q, 2));
    }

    void damagedWordSearchFilesChangeNothing()
    {
        ShowWordSearch();
        fixture->shown.clear();
        search->bnLoadExisting->click();
        QCOMPARE(fixture->messages(), QStringList{"There is no existing saved word search puzzle."});

        RandSeed(3);
        search->Picker->sgCategorySelectCell(0, Food);
        search->senWords->setValue(10);
        search->bnStartGame->click();
        QVERIFY(search->Puzzle());
        const std::vector<uint8_t> good = AssembleSearchRecord(*search->Puzzle(), "Word Search : Food");
        const WordSearchPuzzle* shown = search->Puzzle();
        search->bnReturn->click();
        search->rbForward->click();

        std::vector<QByteArray> damaged{Bytes(good).left(SearchSaveSize - 1)};
        for (auto [at, value] : {std::pair{SearchFileOffset::Side, 99}, std::pair{SearchFileOffset::LayerCell(1, 0, 0), 77},
                                 std::pair{SearchFileOffset::AllDirections, 5}}) {
            std::vector<uint8_t> bad = good;
            if (at == SearchFileOffset::AllDirections)
                bad[at] = static_cast<uint8_t>(value);
            else
                RecordWriter(bad).I32(at, value);
            damaged.push_back(Bytes(bad));
        }
        for (const QByteArray& bytes : damaged) {
            WriteBytes(ProgramDir + "/LXQ_Search.dat", bytes);
            fixture->shown.clear();
            search->bnLoadExisting->click();
            QCOMPARE(fixture->messages(), QStringList{"Error reading the saved word search file."});
            QCOMPARE(search->PuzzleShowing, 0);
            QVERIFY(search->PanelMain->isVisible());
            QCOMPARE(search->Puzzle(), shown);
            QVERIFY(search->rbForward->isChecked());
            QCOMPARE(Preferences.SearchAllDirections, uint8_t{0});
        }
    }

private:
    void Start()
    {
        QVERIFY(fixture->Start());
        // As the fixture answers, but "Cancel" on a question while cancelQuestions is set.
        SetMessageFormAnswer([this](TfrmShowMsg& form) {
            const bool choice = !form.rgMessages->isHidden();
            fixture->shown << AppFixture::Shown{form.lblMessage->text(), {}, true};
            (choice || (cancelQuestions && !form.bnCancel->isHidden()) ? form.bnCancel : form.bnOK)->click();
        });
        crosswords = qobject_cast<TfrmCrosswords*>(fixture->main->Screens[ScreenCrosswords]);
        search = qobject_cast<TfrmWordSearch*>(fixture->main->Screens[ScreenWordSearch]);
        QVERIFY(crosswords && search);
    }
    void Restart()
    {
        fixture->Stop();
        Start();
    }
    void ShowCrosswords()
    {
        fixture->main->ChangeScreenClick(ScreenCrosswords);
        QCOMPARE(fixture->main->CurrentScreen, int(ScreenCrosswords));
    }
    void ShowWordSearch()
    {
        fixture->main->ChangeScreenClick(ScreenWordSearch);
        QCOMPARE(fixture->main->CurrentScreen, int(ScreenWordSearch));
    }
    // "cat" across over "car" down and "rod" across, with an end marker and one typed letter.
    static void LayFreeFormat()
    {
        for (auto& column : XWordGrid)
            for (XWordCell& cell : column)
                cell = XWordCell();
        const char* rows[] = {"cat.", "a...", "rod>"};
        XWordMode = 2;
        XWordCols = 4;
        XWordRows = 3;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                if (rows[r][c] != '.')
                    XWordGrid[c][r].Answer = std::string(1, rows[r][c]);
        NumberGrid();
        XWordGrid[0][0].AcrossClue = "gato";
        XWordGrid[0][0].DownClue = "coche";
        XWordGrid[0][2].AcrossClue = "vara";
        XWordGrid[0][2].Typed = "r";
        BuildClueLists();
    }

    std::unique_ptr<AppFixture> fixture;
    TfrmCrosswords* crosswords = nullptr;
    TfrmWordSearch* search = nullptr;
    bool cancelQuestions = false;
};

QTEST_MAIN(TestSaves)
#include "test_saves.moc"
