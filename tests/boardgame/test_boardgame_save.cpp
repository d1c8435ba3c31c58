// The saved board game, driven as a user would: a game saved while the die rolls, the
// overwrite question cancelled, a failed save that keeps the old file, the program restarted
// and the game loaded back at the same player's turn; a finished game that stays finished,
// a moved custom category found by its name, and damaged files refused with nothing changed.

#include "AppFixture.h"

#include "BoardGameFile.h"
#include "BoardGameRules.h"
#include "LX_BoardGame.h"
#include "LexGrid.h"

#include "AppGlobals.h"
#include "LX_Globals.h"
#include "Random.h"
#include "RecordIO.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTimer>

namespace {

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

}  // namespace

class TestBoardGameSave : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        QVERIFY(fixture->WriteDataFile());
        Start();
        FreeAllSlots();
    }
    void cleanup() { fixture.reset(); }

    void gameSavedAndResumedAfterARestart()
    {
        // Ana and Ben; Ana moves and answers, then Ben's die rolls.
        QTest::keyClicks(screen->edName[0], "Ana");
        QTest::keyClicks(screen->edName[1], "Ben");
        RandSeed(4);
        screen->bnRandom->click();
        screen->bnStartGame->click();
        QCOMPARE(screen->GameInProgress, 1);
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        screen->PanelOption1Click();
        QVERIFY(screen->PanelClue->isVisible() || screen->PanelCards->isVisible());
        if (screen->PanelClue->isVisible()) {
            QTest::keyClicks(screen->edSpanish, ToQt(screen->CurrentQuestion.Answer));
            screen->bnSubmit->click();
            screen->bnContinue->click();
        } else {
            BoardPlayers[1].Score = 3;  // a card instead of a question: Ben's turn all the same
            CurrentPlayer = 2;
            screen->BeginTurn();
        }
        QCOMPARE(CurrentPlayer, 2);
        QVERIFY(screen->TimerDice->isActive());
        BoardPlayers[1].Score = std::max(BoardPlayers[1].Score, 1);
        const TBoardPlayer ana = BoardPlayers[1];
        const TBoardPlayer ben = BoardPlayers[2];
        const auto savedSlots = CategorySlots;
        const QString path = ProgramDir + "/LXQ_BoardGame.dat";

        fixture->shown.clear();
        screen->bnSave->click();
        QCOMPARE(fixture->messages(), QStringList{"Board game has been saved."});
        QVERIFY(screen->TimerDice->isActive());  // the die rolls on
        const QByteArray first = FileBytes(path);
        QCOMPARE(first.size(), qsizetype(BoardGameFileSize));

        // Saved twice: the question, cancelled, writes nothing.
        BoardPlayers[2].Score = 7;
        cancelQuestions = true;
        fixture->shown.clear();
        screen->bnSave->click();
        QCOMPARE(fixture->messages(),
                 QStringList{"A saved board game already exists.\n\nPress \"O.K.\" to overwrite the existing saved "
                             "board game.\nPress \"Cancel\" to cancel the save request."});
        QCOMPARE(FileBytes(path), first);
        QVERIFY(screen->TimerDice->isActive());
        cancelQuestions = false;

        // A save that cannot write keeps the old file as it was.
        QVERIFY(QDir(ProgramDir).mkdir("LXQ_BoardGame.dat.tmp"));
        fixture->shown.clear();
        screen->bnSave->click();
        QCOMPARE(fixture->shown.last().Text, QStringLiteral("Error occurred while creating the board game file."));
        QCOMPARE(FileBytes(path), first);
        QVERIFY(QDir(ProgramDir).rmdir("LXQ_BoardGame.dat.tmp"));
        // A save after the die was stopped leaves it stopped.
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        QVERIFY(!screen->TimerDice->isActive());
        fixture->shown.clear();
        screen->bnSave->click();
        QCOMPARE(fixture->shown.size(), 2);
        QVERIFY(!screen->TimerDice->isActive());
        WriteBytes(path, first);

        // A new run of the program, another game of three on view, then the saved one.
        Restart();
        FreeAllSlots();
        QTest::keyClicks(screen->edName[2], "Cy");
        screen->bnRandom->click();
        screen->bnStartGame->click();
        QCOMPARE(PlayerCount, 3);
        screen->bnReturn->click();
        QVERIFY(screen->PanelMain->isVisible());

        fixture->shown.clear();
        screen->bnLoadExisting->click();
        QVERIFY(fixture->shown.isEmpty());
        QCOMPARE(screen->GameInProgress, 1);
        QCOMPARE(screen->HintSubMode(), 1);
        QVERIFY(screen->PanelGame->isVisible());
        QVERIFY(!screen->PanelMain->isVisible());
        QCOMPARE(PlayerCount, 2);
        QCOMPARE(CurrentPlayer, 2);
        QCOMPARE(BoardPlayers[1].Score, ana.Score);
        QCOMPARE(BoardPlayers[1].Position, ana.Position);
        QCOMPARE(BoardPlayers[2].Score, ben.Score);
        QCOMPARE(BoardPlayers[2].Name, std::string("Ben"));
        QCOMPARE(BoardPlayers[3].Position, -1);
        QVERIFY(!screen->sgPlayer[3]->isVisible());
        QVERIFY(!screen->PanelScore[3]->isVisible());
        QCOMPARE(screen->sgPlayer[1]->pos(), screen->SquareToPixel(ana.Position));
        QCOMPARE(screen->sgPlayer[2]->pos(), screen->SquareToPixel(ben.Position));
        for (int i = 0; i < SlotCount; ++i) {
            QCOMPARE(CategorySlots[i].Name, savedSlots[i].Name);
            QCOMPARE(screen->sgSelected->Cell(0, i), ToQt(savedSlots[i].Name));
        }
        // Ben's turn begins: his die rolls.
        QVERIFY(screen->PanelRoll->isVisible());
        QCOMPARE(screen->PanelPlayerName[0]->text(), QStringLiteral("Ben"));
        QVERIFY(screen->TimerDice->isActive());
        // The set-up page's names stay; its slot buttons follow the six loaded slots.
        QCOMPARE(screen->edName[2]->text(), QStringLiteral("Cy"));
        QVERIFY(!screen->bnAdd->isEnabled());
        QVERIFY(!screen->bnRandom->isEnabled());
        QVERIFY(screen->bnRemove->isEnabled());
    }

    void finishedGameAndComputerBox()
    {
        // Gusmaro won; the box was ticked when the game was saved.
        SetUpGame(2, 2);
        BoardPlayers[2] = {"Gusmaro", 10, 10, 1, 20};
        WriteBytes(ProgramDir + "/LXQ_BoardGame.dat", Bytes(AssembleBoardGameRecord(true)));
        QVERIFY(!screen->cbGusmaro->isChecked());
        fixture->shown.clear();
        screen->bnLoadExisting->click();
        QCOMPARE(fixture->messages().join('|'), QString());
        QCOMPARE(screen->GameInProgress, 1);
        QVERIFY(!screen->PanelRoll->isVisible());
        QVERIFY(!screen->PanelGusmaro->isVisible());
        QVERIFY(!screen->TimerDice->isActive());
        QTest::qWait(50);
        QCOMPARE(BoardPlayers[2].Score, 10);
        QCOMPARE(BoardPlayers[1].Position, 5);
        screen->bnContinueClick();  // no turn follows a finished game
        QCOMPARE(CurrentPlayer, 2);
        QVERIFY(!screen->PanelRoll->isVisible());

        // The box was not ticked now: its handler ran with the box as it is, writing nothing.
        QCOMPARE(screen->edName[3]->text(), QString());
        screen->bnReturn->click();
        screen->cbGusmaro->setChecked(true);
        screen->edName[3]->clear();
        screen->bnLoadExisting->click();
        QCOMPARE(screen->edName[3]->text(), QStringLiteral("Gusmaro"));
        QCOMPARE(Preferences.ComputerPlays, uint8_t{1});
    }

    void movedCustomCategoryAndDamagedFiles()
    {
        const QString path = ProgramDir + "/LXQ_BoardGame.dat";
        fixture->shown.clear();
        screen->bnLoadExisting->click();
        QCOMPARE(fixture->messages(), QStringList{"There is no existing saved Board game."});

        SetUpGame(2, 1);
        const std::vector<uint8_t> good = AssembleBoardGameRecord(false);
        FreeAllSlots();
        PlayerCount = 0;

        // A slot whose name is no category's any more cannot be played.
        std::vector<uint8_t> renamed = good;
        RecordWriter(renamed).Text(BoardGameOffset::Slot(4) + CategorySlotOffset::Name, "Dinosaurs", 50);
        std::vector<QByteArray> refused{Bytes(renamed)};
        std::vector<QString> messages{"The saved board game cannot be loaded.\n\nThe category \"Dinosaurs\" it uses no "
                                      "longer exists."};
        // Damaged files.
        refused.push_back(Bytes(good).left(BoardGameFileSize - 1));
        for (auto [at, value] : {std::pair{BoardGameOffset::PlayerCount, 0}, std::pair{BoardGameOffset::CurrentPlayer, 3},
                                 std::pair{BoardGameOffset::Player(1) + BoardPlayerOffset::Target, 0},
                                 std::pair{BoardGameOffset::Player(2) + BoardPlayerOffset::Position, 65},
                                 std::pair{BoardGameOffset::Slot(0) + CategorySlotOffset::Category, 31}}) {
            std::vector<uint8_t> bad = good;
            RecordWriter(bad).I32(at, value);
            refused.push_back(Bytes(bad));
        }
        while (messages.size() < refused.size())
            messages.push_back("Error reading the saved Board game file.");
        for (size_t i = 0; i < refused.size(); ++i) {
            WriteBytes(path, refused[i]);
            fixture->shown.clear();
            screen->bnLoadExisting->click();
            QCOMPARE(fixture->messages(), QStringList{messages[i]});
            QCOMPARE(screen->GameInProgress, 0);
            QVERIFY(screen->PanelMain->isVisible());
            QCOMPARE(PlayerCount, 0);
            QVERIFY(CategorySlots[0].Name.empty());
            QVERIFY(screen->sgSelected->Cell(0, 0).isEmpty());
        }

        // The same game after its custom category moved: found by its name.
        CategoryTable[16] = CategoryTable[15];
        CategoryTable[15] = TCategoryRecord{};
        CategoryTable[15].Name = "Aardvarks";
        ++TotalCategoryCount;
        for (int i = BuiltInWordCount + 1; i <= WordCount; ++i)
            WordTable[i].Category = 16;
        WriteBytes(path, Bytes(good));
        fixture->shown.clear();
        screen->bnLoadExisting->click();
        QCOMPARE(fixture->messages().join('|'), QString());
        QCOMPARE(screen->GameInProgress, 1);
        QCOMPARE(CategorySlots[5].Category, 16);
        QCOMPARE(CategorySlots[5].Name, "Custom");
        QVERIFY(!SlotPoolsEmpty(5));
        QCOMPARE(CurrentPlayer, 1);
    }

private:
    void Start()
    {
        QVERIFY(fixture->Start());
        // As the fixture answers, but "Cancel" on a question while cancelQuestions is set.
        SetMessageFormAnswer([this](TfrmShowMsg& form) {
            const bool choice = !form.rgMessages->isHidden();
            fixture->shown << AppFixture::Shown{form.lblMessage->text(), {}, true};
            if (choice)
                form.Options[0]->setChecked(true);
            (cancelQuestions && !choice && !form.bnCancel->isHidden() ? form.bnCancel : form.bnOK)->click();
        });
        screen = qobject_cast<TfrmBoardGame*>(fixture->main->Screens[ScreenBoardGame]);
        QVERIFY(screen);
        fixture->main->ChangeScreenClick(ScreenBoardGame);
        QCOMPARE(fixture->main->CurrentScreen, int(ScreenBoardGame));
    }
    void Restart()
    {
        fixture->Stop();
        Start();
    }
    // A game in memory as the screen leaves it: players on squares, five built-in slots and one
    // of a custom category "Custom" (slot 15) with words of its own.
    void SetUpGame(int players, int current)
    {
        CategoryTable[15] = TCategoryRecord{};
        CategoryTable[15].Name = "Custom";
        TotalCategoryCount = CategoryCount + 1;
        WordCount = BuiltInWordCount;
        for (int i = 0; i < 6; ++i) {
            TWordRecord& w = WordTable[++WordCount];
            w = TWordRecord{};
            w.English = "thing";
            w.Spanish = "cosa";
            w.SpanishLetters = "cosa";
            w.EnglishLetters = "thing";
            w.Category = 15;
            w.SubCategory = 0;
            w.LessCommon = i % 2;
        }
        for (TBoardPlayer& p : BoardPlayers)
            p = TBoardPlayer{};
        PlayerCount = players;
        BoardPlayers[1] = {"Ana", 20, 4, 0, 5};
        BoardPlayers[2] = {"Ben", 15, 2, 0, 40};
        CurrentPlayer = current;
        for (int i = 0; i < 5; ++i)
            CategorySlots[i] = {i, CategoryTable[i].SubCount, CategoryTable[i].Name};
        CategorySlots[5] = {15, 0, "Custom"};
    }

    std::unique_ptr<AppFixture> fixture;
    TfrmBoardGame* screen = nullptr;
    bool cancelQuestions = false;
};

QTEST_MAIN(TestBoardGameSave)
#include "test_boardgame_save.moc"
