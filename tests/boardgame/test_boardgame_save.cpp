// The saved board game, driven as a user would: saved while the die rolls, the overwrite
// question cancelled, a failed save that keeps the old file, the program restarted and the game
// loaded back at the same player's turn; four players, one past the target by a bonus card, who
// plays on after loading; a finished game that stays finished; a damaged file and a deleted
// custom category refused with nothing changed; a game whose custom categories are renamed,
// re-sorted and deleted on Custom Lists while it is played, and between its save and its load
// (which says what each slot taken by its index now asks), with a double-points card and the
// computer on a deleted category's square.

#include "AppFixture.h"
#include "BoardGameDeck.h"
#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "GridMouse.h"
#include "LayoutCheck.h"

#include "BoardGameFile.h"
#include "CustomListsRules.h"
#include "LX_BoardGame.h"
#include "LX_CustomLists.h"
#include "LexGrid.h"

#include "AppGlobals.h"
#include "Random.h"

#include <algorithm>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTimer>

class TestBoardGameSave : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        QVERIFY(fixture->WriteDataFile());
        Start();
        path = ProgramDir + "/LXQ_BoardGame.dat";
    }
    void cleanup() { fixture.reset(); }

    void gameSavedAndResumedAfterARestart()
    {
        // Ana and Ben; Ana moves, then Ben's die rolls.
        QTest::keyClicks(screen->edName[0], "Ana");
        QTest::keyClicks(screen->edName[1], "Ben");
        RandSeed(4);
        screen->bnRandom->click();
        screen->bnStartGame->click();
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        screen->PanelOption1Click();
        BoardPlayers[1].Score = 3;
        CurrentPlayer = 2;
        screen->BeginTurn();
        const TBoardPlayer ana = BoardPlayers[1];
        const auto savedSlots = CategorySlots;

        fixture->shown.clear();
        screen->bnSave->click();
        QCOMPARE(fixture->messages(), QStringList{"Board game has been saved."});
        QVERIFY(screen->TimerDice->isActive());  // the die rolls on
        const QByteArray first = FileBytes(path);
        QCOMPARE(first.size(), qsizetype(BoardGameFileSize));

        // Saved again: the question, cancelled, writes nothing.
        BoardPlayers[2].Score = 7;
        cancelQuestions = true;
        fixture->shown.clear();
        screen->bnSave->click();
        QCOMPARE(fixture->messages(),
                 QStringList{"A saved board game already exists.\n\nPress \"O.K.\" to overwrite the existing saved "
                             "board game.\nPress \"Cancel\" to cancel the save request."});
        QCOMPARE(FileBytes(path), first);
        cancelQuestions = false;
        // A save that cannot write its new file keeps the old one as it was.
        {
            const FileSizeLimit full(100);
            QVERIFY(full.IsSet());
            screen->bnSave->click();
        }
        QCOMPARE(fixture->shown.last().Text, QStringLiteral("Error occurred while creating the board game file."));
        QCOMPARE(FileBytes(path), first);
        QCOMPARE(QDir(ProgramDir).entryList({"*LXQ_BoardGame*"}, QDir::AllEntries | QDir::Hidden), QStringList{"LXQ_BoardGame.dat"});
        // A save after the die was stopped leaves it stopped.
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        screen->bnSave->click();
        QCOMPARE(fixture->shown.last().Text, QStringLiteral("Board game has been saved."));
        QVERIFY(!screen->TimerDice->isActive());
        WriteBytes(path, first);

        // A new run of the program, a game of three on view, then the saved one.
        Restart();
        QTest::keyClicks(screen->edName[2], "Cy");
        screen->bnRandom->click();
        screen->bnStartGame->click();
        QCOMPARE(PlayerCount, 3);
        screen->bnReturn->click();
        fixture->shown.clear();
        screen->bnLoadExisting->click();
        QVERIFY(fixture->shown.isEmpty());
        QCOMPARE(screen->GameInProgress, 1);
        QCOMPARE(screen->HintSubMode(), 1);
        QVERIFY(screen->PanelGame->isVisible());
        QCOMPARE(PlayerCount, 2);
        QCOMPARE(BoardPlayers[1].Score, 3);
        QCOMPARE(BoardPlayers[2].Score, 0);
        QCOMPARE(screen->sgPlayer[1]->pos(), screen->SquareToPixel(ana.Position));
        QCOMPARE(screen->sgPlayer[2]->pos(), screen->SquareToPixel(17));
        QVERIFY(!screen->sgPlayer[3]->isVisible());
        QVERIFY(!screen->PanelScore[3]->isVisible());
        for (int i = 0; i < SlotCount; ++i)
            QCOMPARE(screen->sgSelected->Cell(0, i), ToQt(savedSlots[i].Name));
        // Ben's turn begins: his die rolls.
        QVERIFY(screen->PanelRoll->isVisible());
        QCOMPARE(screen->PanelPlayerName[0]->text(), QStringLiteral("Ben"));
        QVERIFY(screen->TimerDice->isActive());
        // The set-up page keeps its names; its slot buttons follow the six loaded slots.
        QCOMPARE(screen->edName[2]->text(), QStringLiteral("Cy"));
        QVERIFY(!screen->bnAdd->isEnabled());
        QVERIFY(!screen->bnRandom->isEnabled());
        QVERIFY(screen->bnRemove->isEnabled());
    }

    void bonusPastTheTargetPlaysOnAfterLoading()
    {
        // Four players, all with target 10; each takes a turn, so the corners are free again.
        const char* names[4] = {"Ana", "Ben", "Cy", "Di"};
        for (int i = 0; i < 4; ++i)
            QTest::keyClicks(screen->edName[i], names[i]);
        screen->bnRandom->click();
        screen->bnStartGame->click();
        QCOMPARE(PlayerCount, 4);
        for (int turn = 0; turn < 4; ++turn)
            PlayATurn();
        QCOMPARE(CurrentPlayer, 1);

        // Ana at 8 draws the +3 bonus on corner 17: 11 of 10, and she rolls again.
        BoardPlayers[1].Score = 8;
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        Option1Square = 17;  // as if the die had offered it
        screen->PanelOption1Click();
        QVERIFY(SeedNextCard(2));
        fixture->shown.clear();
        QTest::mouseClick(screen->imgCards, Qt::LeftButton);
        QCOMPARE(BoardPlayers[1].Score, 11);
        screen->bnCardContinue->click();
        QVERIFY(fixture->shown.isEmpty());  // a card never ends the game
        QVERIFY(screen->PanelRoll->isVisible());
        screen->bnSave->click();
        QCOMPARE(fixture->messages(), QStringList{"Board game has been saved."});
        const QByteArray inPlay = FileBytes(path);
        fixture->shown.clear();

        // Loaded, her turn begins; her next answer, wrong as it is, wins with the score cut to 10.
        screen->bnReturn->click();
        screen->bnLoadExisting->click();
        QVERIFY(fixture->shown.isEmpty());
        QCOMPARE(PlayerCount, 4);
        QCOMPARE(screen->sgPlayer[4]->pos(), screen->SquareToPixel(BoardPlayers[4].Position));
        QVERIFY(screen->PanelRoll->isVisible());
        QCOMPARE(screen->PanelPlayerName[0]->text(), QStringLiteral("Ana"));
        QVERIFY(screen->TimerDice->isActive());
        PlayATurn();
        QCOMPARE(fixture->messages(), QStringList{"CONGRATULATIONS Ana\n"});
        QCOMPARE(BoardPlayers[1].Score, 10);
        QCOMPARE(CurrentPlayer, 1);

        // The won game saved and loaded stays ended: no die, no panel, no turn.
        fixture->shown.clear();
        screen->bnSave->click();
        QCOMPARE(fixture->shown.size(), 2);  // the overwrite question, then the save
        QVERIFY(FileBytes(path) != inPlay);
        screen->bnReturn->click();
        screen->bnLoadExisting->click();
        QCOMPARE(screen->GameInProgress, 1);
        QCOMPARE(BoardPlayers[1].Score, 10);
        for (QFrame* panel : {screen->PanelRoll, screen->PanelClue, screen->PanelAnswer, screen->PanelCards})
            QVERIFY(!panel->isVisible());
        QVERIFY(!screen->TimerDice->isActive());
    }

    void finishedGameAndRefusedFiles()
    {
        fixture->shown.clear();
        screen->bnLoadExisting->click();
        QCOMPARE(fixture->messages(), QStringList{"There is no existing saved Board game."});

        // Gusmaro (the computer) won a game whose fifth slot is a custom category.
        CategoryTable[15] = TCategoryRecord{"Custom", 0, {}};
        TotalCategoryCount = CategoryCount + 1;
        TWordRecord& word = WordTable[++WordCount] = TWordRecord{};
        word.Spanish = word.SpanishLetters = "cosa";
        word.Category = 15;
        word.LessCommon = 0;
        PlayerCount = 2;
        BoardPlayers[1] = {"Ana", 20, 4, 0, 5};
        BoardPlayers[2] = {"Gusmaro", 10, 10, 1, 20};
        CurrentPlayer = 2;
        for (int i = 0; i < SlotCount; ++i)
            CategorySlots[i] = {i, CategoryTable[i].SubCount, CategoryTable[i].Name};
        CategorySlots[4] = {15, 0, "Custom"};
        const std::vector<uint8_t> record = AssembleBoardGameRecord(true);
        const QByteArray bytes(reinterpret_cast<const char*>(record.data()), static_cast<qsizetype>(record.size()));
        PlayerCount = 0;
        FreeAllSlots();

        // Refused: a file one byte short, and the game after its custom category was deleted.
        WriteBytes(path, bytes.left(BoardGameFileSize - 1));
        screen->bnLoadExisting->click();
        QCOMPARE(fixture->shown.last().Text, QStringLiteral("Error reading the saved Board game file."));
        WriteBytes(path, bytes);
        TotalCategoryCount = CategoryCount;
        screen->bnLoadExisting->click();
        QCOMPARE(fixture->shown.last().Text, QStringLiteral("The saved board game cannot be loaded.\n\nThe category "
                                                            "\"Custom\" it uses no longer exists."));
        QCOMPARE(screen->GameInProgress, 0);
        QCOMPARE(PlayerCount, 0);
        QVERIFY(screen->sgSelected->Cell(0, 0).isEmpty());

        // Back, and moved one slot up: found by its name. The game stays finished.
        CategoryTable[16] = CategoryTable[15];
        CategoryTable[15] = TCategoryRecord{"Aardvarks", 0, {}};
        TotalCategoryCount = CategoryCount + 2;
        word.Category = 16;
        fixture->shown.clear();
        screen->bnLoadExisting->click();
        QVERIFY(fixture->shown.isEmpty());
        QCOMPARE(screen->GameInProgress, 1);
        QCOMPARE(CategorySlots[4].Category, 16);
        QVERIFY(!screen->PanelRoll->isVisible());
        QVERIFY(!screen->PanelGusmaro->isVisible());
        QVERIFY(!screen->TimerDice->isActive());
        screen->bnContinueClick();  // no turn follows a finished game
        QCOMPARE(CurrentPlayer, 2);
        // The box was ticked at the save: its handler ran with the box as it is now.
        QVERIFY(screen->edName[3]->text().isEmpty());
        screen->cbGusmaro->setChecked(true);
        screen->edName[3]->clear();
        screen->bnLoadExisting->click();
        QCOMPARE(screen->edName[3]->text(), QStringLiteral("Gusmaro"));
    }

    void slotsFollowTheirCategoriesThroughCustomLists()
    {
        // Custom "Bravo" (sub-category "Alpha sub") and "Delta" (sub-category "Two", a common
        // and a less common word), each with words of its own; slot 0 holds all of "Delta", slot 1
        // "Bravo - Alpha sub", the last slot all of "Bravo". Ana, Ben and the computer play.
        const int bravo = AddCustomCategory("Bravo");
        const int alpha = AddCustomSubCategory(bravo, "Alpha sub");
        StoreCustomWord({"bravoa", "bravoes", "", 0, true}, bravo, alpha, -1);
        StoreCustomWord({"bravob", "bravoso", "", 0, true}, bravo, alpha, -1);
        const int delta = AddCustomCategory("Delta");
        const int two = AddCustomSubCategory(delta, "Two");
        StoreCustomWord({"deltatwoa", "deltados", "", 0, true}, delta, two, -1);
        StoreCustomWord({"deltatwob", "deltatres", "", 0, false}, delta, two, -1);
        QCOMPARE(AddSlot(delta, 1, "Delta").Slot, 0);
        QCOMPARE(AddSlot(bravo, alpha, "Bravo - Alpha sub").Slot, 1);
        QTest::keyClicks(screen->edName[0], "Ana");
        QTest::keyClicks(screen->edName[1], "Ben");
        screen->cbGusmaro->click();
        screen->bnRandom->click();
        RemoveSlot(5);
        QCOMPARE(AddSlot(bravo, 1, "Bravo").Slot, 5);
        screen->bnStartGame->click();
        QCOMPARE(screen->GameInProgress, 1);
        // Ana's die stops; square 3 (slot 1) is offered, its pools are asked through.
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        Option1Square = 3;
        for (int level = 0; level < 2; ++level)
            PoolUsed[1][level] = PoolCount[1][level];

        // On Custom Lists "Bravo" becomes "Zulu", which sorts after "Delta".
        fixture->ClickBox(ScreenCustomLists);
        auto* lists = fixture->ScreenAs<TfrmCustomLists>(ScreenCustomLists);
        ClickCell(lists->sgCustomCategory, 0, bravo - BuiltInCategorySlots);
        lists->bnEditCategory->click();
        lists->edEditCategory->setText("Zulu");
        lists->EditCategory.Save->click();
        QCOMPARE(CategoryTable[16].Name, "Zulu");
        fixture->ClickBox(ScreenBoardGame);

        // The legend and the option line say "Zulu - Alpha sub"; the refill asks a Zulu word.
        const QString zulu = QStringLiteral("Zulu - Alpha sub");
        layoutcheck::TextRecorder legend(screen->pbLegend);
        screen->pbLegend->render(&legend);
        QCOMPARE(legend.Items.size(), size_t(7));
        QCOMPARE(legend.Items[2].Text, zulu);
        QCOMPARE(legend.Items[6].Text, QStringLiteral("Zulu"));
        QCOMPARE(screen->lblOption1[1]->text(), zulu);
        screen->PanelOption1Click();
        QCOMPARE(screen->PanelCategory->text(), zulu);
        QVERIFY2(screen->CurrentQuestion.Answer.rfind("bravo", 0) == 0, screen->CurrentQuestion.Answer.c_str());

        // Saved afterwards, then "Zulu" renamed "Yankee" in its place: the game loads by the
        // slots' index under the new name, with the same words, and says so.
        fixture->shown.clear();
        screen->bnSave->click();
        QCOMPARE(fixture->messages(), QStringList{"Board game has been saved."});
        QCOMPARE(RenameCustomCategory(16, "Yankee"), 16);
        const QString yankee = QStringLiteral("Yankee - Alpha sub");
        screen->bnReturn->click();
        QCOMPARE(screen->sgSelected->Cell(0, 1), yankee);
        screen->bnLoadExisting->click();
        QCOMPARE(fixture->messages(),
                 (QStringList{"Board game has been saved.",
                              "The saved category \"Zulu - Alpha sub\" now gives the words of \"Yankee - Alpha sub\".\n"
                              "The saved category \"Zulu\" now gives the words of \"Yankee\"."}));
        QCOMPARE(screen->GameInProgress, 1);
        QCOMPARE(ToQt(CategorySlots[1].Name), yankee);
        QCOMPARE(CategorySlots[1].Category, 16);
        QCOMPARE(ToQt(QuestionPool[1][0][1].Answer), QStringLiteral("bravoes"));

        // During the game "Delta" gains a sub-category and Yankee one sorting before "Alpha sub":
        // all of "Delta" stays all of it, "Alpha sub" moves down an entry.
        AddCustomSubCategory(15, "One");
        AddCustomSubCategory(16, "Aardvark sub");
        QCOMPARE(CategorySlots[0].SubCategory, CategoryTable[15].SubCount);
        QCOMPARE(CategorySlots[0].Name, "Delta");
        QCOMPARE(CategorySlots[1].SubCategory, 1);
        QCOMPARE(ToQt(CategorySlots[1].Name), yankee);

        // "Delta" deleted during the game: its slot keeps its place and the later slots stay,
        // while "Yankee" moves up a category slot and its own slot follows it.
        const auto before = CategorySlots;
        fixture->ClickBox(ScreenCustomLists);
        ClickCell(lists->sgCustomCategory, 0, 0);
        lists->bnDeleteCategory->click();
        QCOMPARE(CategoryTable[15].Name, "Yankee");
        fixture->ClickBox(ScreenBoardGame);
        QCOMPARE(FilledSlotCount(), SlotCount);
        QCOMPARE(CategorySlots[0].Name, before[0].Name);
        for (int i = 2; i < SlotCount; ++i)
            QCOMPARE(CategorySlots[i].Name, before[i].Name);
        QCOMPARE(CategorySlots[1].Category, 15);
        QCOMPARE(ToQt(CategorySlots[1].Name), yankee);
        QVERIFY(SlotQuestionCount(CategorySlots[0]) == 0);  // no longer the words in its old place
        // Nor are the words its pools held, of either level. Ana draws the double points on
        // corner 1 and rolls again onto a "Delta" square: none to ask, and the turn passes on
        // without the card, so Ben's right answer on square 22 (2 points) counts once.
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        Option1Square = 1;
        screen->PanelOption1Click();
        QVERIFY(SeedNextCard(7));
        QTest::mouseClick(screen->imgCards, Qt::LeftButton);
        screen->bnCardContinue->click();
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        Option1Square = 2;
        fixture->shown.clear();
        screen->PanelOption1Click();
        QCOMPARE(fixture->messages(), QStringList{"There are no words in category : Delta"});
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        Option1Square = 22;
        screen->PanelOption1Click();
        screen->edSpanish->setText(ToQt(screen->CurrentQuestion.Answer));
        screen->bnSubmit->click();
        QCOMPARE(BoardPlayers[2].Score, 2);
        // The computer throws a 2 from square 19: corner 17 behind, "Delta" square 21 ahead, no point.
        BoardPlayers[3].Position = 19;
        QVERIFY(SeedNextDraw(6, 1));
        screen->bnContinue->click();
        QCOMPARE(BoardPlayers[3].Position, 21);
        QCOMPARE(BoardPlayers[3].Score, 0);
        QCOMPARE(screen->lblGusmaroPoints->text(), QStringLiteral("and received 0 points for his question."));
        // A save now would not load: it is refused and the file kept.
        const QByteArray saved = FileBytes(path);
        fixture->shown.clear();
        screen->bnSave->click();
        QCOMPARE(fixture->messages(), QStringList{"The board game cannot be saved.\n\nThe category \"Delta\" it "
                                                  "uses no longer exists."});
        QCOMPARE(FileBytes(path), saved);
        // "Alpha sub" deleted: its slot keeps its name and asks nothing, never "Aardvark sub".
        DeleteCustomSubCategory(15, 1);
        QCOMPARE(ToQt(CategorySlots[1].Name), yankee);
        QVERIFY(SlotPoolsEmpty(1));
        QCOMPARE(CategorySlots[0].Name, "Delta");  // gone, never "Yankee" now at its index
        // A new game's list drops the deleted slots (the random fill may have drawn "Delta - Two"
        // too); the rest move up.
        const auto kept =
            std::find_if(CategorySlots.begin() + 2, CategorySlots.end(), [](const TCategorySlot& s) { return !s.Gone; });
        QVERIFY(kept != CategorySlots.end());
        const QString firstKept = ToQt(kept->Name);
        screen->bnReturn->click();
        QCOMPARE(screen->sgSelected->Cell(0, 0), firstKept);
        QVERIFY(screen->sgSelected->Cell(0, 4).isEmpty());
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
        screen = fixture->ScreenAs<TfrmBoardGame>(ScreenBoardGame);
        QVERIFY(screen);
        FreeAllSlots();
        fixture->main->ChangeScreenClick(ScreenBoardGame);
    }
    // The current player stops the die, takes a target and does not know the answer.
    void PlayATurn()
    {
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        if (Option1Square > 0)
            screen->PanelOption1Click();
        else
            screen->PanelOption2Click();
        QVERIFY(screen->PanelClue->isVisible());
        screen->bnDontKnow->click();
        screen->bnContinue->click();
    }
    void Restart()
    {
        fixture->Stop();
        Start();
    }

    std::unique_ptr<AppFixture> fixture;
    TfrmBoardGame* screen = nullptr;
    QString path;
    bool cancelQuestions = false;
};

QTEST_MAIN(TestBoardGameSave)
#include "test_boardgame_save.moc"
