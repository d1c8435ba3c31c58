// The Board Game screen, driven as a user would: fill in the players and the categories,
// start, stop the die, move by a click on a target square or by dragging the marker, answer
// with the accent typing, draw a chance card, and watch the computer play a game to its end.

#include "AppFixture.h"
#include "BoardGameDeck.h"
#include "GridMouse.h"
#include "LayoutCheck.h"
#include "TestVocabulary.h"

#include "AlphabetGrid.h"
#include "BoardGameRules.h"
#include "CategoryPicker.h"
#include "CustomListsRules.h"
#include "FontScheme.h"
#include "LX_BoardGame.h"
#include "LexGrid.h"

#include "AnswerIndex.h"
#include "LX_Globals.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>
#include <QTimer>

namespace {

// The keys a user types for a stored answer: accented letters through the accent typing.
QString KeysFor(const std::string& answer)
{
    QString keys;
    for (unsigned char c : answer) {
        switch (c) {
        case 0xE1: keys += "'a"; break;
        case 0xE9: keys += "'e"; break;
        case 0xED: keys += "'i"; break;
        case 0xF3: keys += "'o"; break;
        case 0xFA: keys += "'u"; break;
        case 0xF1: keys += "~n"; break;
        case 0xFC: keys += "\"u"; break;
        default: keys += ToQt(std::string(1, char(c)));
        }
    }
    return keys;
}

}  // namespace

class TestBoardGame : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        screen = fixture->OpenScreen<TfrmBoardGame>(ScreenBoardGame);
        QVERIFY(screen);
        QVERIFY(screen->PanelMain->isVisible());
        QCOMPARE(screen->HintSubMode(), 0);
        FreeAllSlots();
    }
    void cleanup() { fixture.reset(); }

    void setUpKeepsPreferencesAndChecksTheStart()
    {
        // A fresh data file shows every target as 10 and stores 10.
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(screen->PanelTarget[i]->text(), QStringLiteral("10"));
            QCOMPARE(Preferences.PlayerTarget[i + 1], 10);
        }
        QTest::keyClick(screen->tbTarget[1], Qt::Key_Right);
        QCOMPARE(screen->PanelTarget[1]->text(), QStringLiteral("11"));
        QCOMPARE(Preferences.PlayerTarget[2], 11);

        // Stored targets survive the restore: no bar writes over one not yet restored.
        Preferences.PlayerTarget[1] = 15;
        Preferences.PlayerTarget[2] = 25;
        Preferences.PlayerTarget[3] = 35;
        Preferences.PlayerTarget[4] = 0;
        screen->FormShow();
        QCOMPARE(screen->tbTarget[0]->value(), 15);
        QCOMPARE(screen->tbTarget[1]->value(), 25);
        QCOMPARE(screen->tbTarget[2]->value(), 35);
        QCOMPARE(screen->tbTarget[3]->value(), 10);
        QCOMPARE(Preferences.PlayerTarget[3], 35);
        QCOMPARE(Preferences.PlayerTarget[4], 10);

        // Names are stored whole at every change; the computer's box names the fourth player.
        QTest::keyClicks(screen->edName[1], "Abcdefghijklmnopqrstuvwxy");
        QCOMPARE(Preferences.PlayerName[2], std::string("Abcdefghijklmnopqrstuvwxy"));
        screen->edName[1]->insert("\tMaria\r\n");  // pasted: breaks kept as one blank, box and name alike
        QCOMPARE(Preferences.PlayerName[2], std::string("Abcdefghijklmnopqrstuvwxy Maria"));
        QCOMPARE(screen->edName[1]->text(), QStringLiteral("Abcdefghijklmnopqrstuvwxy Maria"));
        screen->edName[1]->insert("\x1B");  // refused: the box goes back to the name kept
        QCOMPARE(fixture->shown.last().Text, CannotStoreText("U+001B").replace("\n\r", "\n"));
        QCOMPARE(screen->edName[1]->text(), QStringLiteral("Abcdefghijklmnopqrstuvwxy Maria"));
        QCOMPARE(Preferences.PlayerName[2], std::string("Abcdefghijklmnopqrstuvwxy Maria"));
        screen->cbGusmaro->click();
        QCOMPARE(screen->edName[3]->text(), QStringLiteral("Gusmaro"));
        QCOMPARE(Preferences.ComputerPlays, uint8_t(1));
        screen->cbGusmaro->click();
        QCOMPARE(Preferences.ComputerPlays, uint8_t(0));
        screen->edName[1]->clear();
        screen->edName[3]->clear();

        // The same category twice adds nothing and says nothing.
        ClickCell(screen->Picker->sgCategory, 0, 5);  // Food
        screen->bnAdd->click();
        QVERIFY(!screen->sgSelected->Cell(0, 0).isEmpty());
        screen->bnAdd->click();
        QVERIFY(screen->sgSelected->Cell(0, 1).isEmpty());
        QVERIFY(screen->bnRemove->isEnabled());
        QCOMPARE(screen->SelectedRow, 0);

        // Fill the rest at random; the picker keeps its own choice.
        const QString caption = ToQt(screen->CategoryCaption);
        screen->bnRandom->click();
        QCOMPARE(ToQt(screen->CategoryCaption), caption);
        for (int row = 0; row < 6; ++row)
            QVERIFY(!screen->sgSelected->Cell(0, row).isEmpty());
        QVERIFY(!screen->bnAdd->isEnabled());
        QVERIFY(!screen->bnRandom->isEnabled());

        // Removing the selected last row moves the selection up and enables adding again.
        ClickCell(screen->sgSelected, 0, 5);
        const QString fifth = screen->sgSelected->Cell(0, 4);
        screen->bnRemove->click();
        QVERIFY(screen->sgSelected->Cell(0, 5).isEmpty());
        QCOMPARE(screen->SelectedRow, 4);
        QCOMPARE(ToQt(screen->SelectedText), fifth);
        QVERIFY(screen->bnAdd->isEnabled());
        screen->bnRandom->click();

        // No player: the start is refused and the set-up page stays.
        for (QLineEdit* ed : screen->edName)
            ed->setText("  ");
        fixture->shown.clear();
        screen->bnStartGame->click();
        QCOMPARE(fixture->messages(), QStringList{"At least one player name must be filled in."});
        QCOMPARE(screen->GameInProgress, 0);
        QVERIFY(screen->PanelMain->isVisible());
    }

    void twoPlayersStartStopTheDieMoveAndAnswer()
    {
        QTest::keyClicks(screen->edName[0], "Ana");
        QTest::keyClicks(screen->edName[2], "Ben");
        ClickCell(screen->Picker->sgCategory, 0, 1);  // Body
        screen->bnAdd->click();

        // Fewer than six slots: the choice form offers the random fill, which is taken.
        fixture->choiceAnswer = 1;
        fixture->shown.clear();
        screen->bnStartGame->click();
        QCOMPARE(fixture->shown.size(), 2);
        QCOMPARE(fixture->shown[0].Text, QStringLiteral("You must select 6 categories for the questions."));
        QVERIFY(fixture->shown[1].Text.startsWith("You have selected 2 players :"));
        QVERIFY(fixture->shown[1].Text.contains(" Target points 10 for Ben"));
        QCOMPARE(screen->GameInProgress, 1);
        QCOMPARE(screen->HintSubMode(), 1);
        QVERIFY(screen->PanelGame->isVisible());
        QVERIFY(!screen->PanelMain->isVisible());
        QCOMPARE(PlayerCount, 2);
        QVERIFY(screen->sgPlayer[2]->isVisible());
        QVERIFY(!screen->sgPlayer[3]->isVisible());
        QVERIFY(!screen->PanelScore[3]->isVisible());
        QCOMPARE(screen->sgPlayer[2]->pos(), screen->SquareToPixel(17));

        // The die rolls until it is clicked.
        QVERIFY(screen->PanelRoll->isVisible());
        QCOMPARE(screen->PanelPlayerName[0]->text(), QStringLiteral("Ana"));
        QVERIFY(screen->TimerDice->isActive() || QTest::qWaitFor([this] { return screen->TimerDice->isActive(); }));
        QTest::qWait(60);
        // A square clicked while the die rolls does nothing.
        ClickCell(screen->sgBoard[0], 3, 0);
        QCOMPARE(BoardPlayers[1].Position, 1);
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        QVERIFY(DiceStopped);
        QTest::qWait(30);
        QVERIFY(!screen->TimerDice->isActive());
        const int dice = Dice;
        QCOMPARE(screen->PanelMoveInstruct1->text(),
                 dice == 1 ? QStringLiteral("Move your marker 1 space in either direction.")
                           : QStringLiteral("Move your marker %1 spaces in either direction.").arg(dice));
        QCOMPARE(Option1Square, 1 + dice);
        QCOMPARE(Option2Square, 65 - dice);
        QCOMPARE(screen->lblOption1[2]->text(), BoardSquares[1 + dice].Points == 1
                                                     ? QStringLiteral("for 1 point")
                                                     : QStringLiteral("for %1 points").arg(BoardSquares[1 + dice].Points));

        // A click on a square that is not a target is ignored; one on a target moves there.
        ClickCell(screen->sgBoard[0], dice + 2 < 17 ? dice + 2 : 3, 0);
        QCOMPARE(BoardPlayers[1].Position, 1);
        ClickCell(screen->sgBoard[0], dice, 0);  // square 1 + dice
        QCOMPARE(BoardPlayers[1].Position, 1 + dice);
        QCOMPARE(screen->sgPlayer[1]->pos(), screen->SquareToPixel(1 + dice));

        // The question of the square's slot; typed with the accent typing, it is right.
        QVERIFY(screen->PanelClue->isVisible());
        QVERIFY(!screen->PanelRoll->isVisible());
        const int slot = BoardSquares[1 + dice].Slot;
        QCOMPARE(screen->PanelCategory->text(), ToQt(CategorySlots[slot].Name));
        QCOMPARE(screen->PanelEnglish->text(), ToQt(screen->CurrentQuestion.Clue));
        QVERIFY(!screen->bnSubmit->isEnabled());
        QTest::keyClicks(screen->edSpanish, KeysFor(screen->CurrentQuestion.Answer));
        QCOMPARE(FromQt(screen->edSpanish->text()), screen->CurrentQuestion.Answer);
        QVERIFY(screen->bnSubmit->isEnabled());
        QVERIFY(screen->PanelnChars->text().startsWith("("));
        screen->bnSubmit->click();
        QVERIFY(screen->PanelAnswer->isVisible());
        QVERIFY(screen->lblCorrect->isVisible());
        QVERIFY(!screen->lblIncorrect->isVisible());
        QCOMPARE(BoardPlayers[1].Score, BoardSquares[1 + dice].Points);

        // Ben's turn: dragged onto a target, then "I don't know" with an empty box.
        screen->bnContinue->click();
        QCOMPARE(CurrentPlayer, 2);
        QCOMPARE(screen->PanelPlayerName[0]->text(), QStringLiteral("Ben"));
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        const int target = Option1Square > 0 ? Option1Square : Option2Square;
        QVERIFY(target > 0);
        const EdgeCell cell = SquareEdgeCell(target);
        LexGrid* edge = screen->sgBoard[cell.Edge];
        const QRect targetRect = edge->CellRect(cell.Edge % 2 == 0 ? cell.Index : 0, cell.Edge % 2 == 0 ? 0 : cell.Index);
        LexGrid* marker = screen->sgPlayer[2];
        const QPoint start = marker->rect().center();
        const QPoint end = marker->mapFromGlobal(edge->mapToGlobal(targetRect.center()));
        QTest::mousePress(marker, Qt::LeftButton, {}, start);
        QTest::mouseMove(marker, start + QPoint(0, QApplication::startDragDistance() + 2));
        QTest::mouseMove(marker, end);
        QTest::mouseRelease(marker, Qt::LeftButton, {}, end);
        QCOMPARE(BoardPlayers[2].Position, target);
        QVERIFY(!IsCorner(target));  // corners are 16 squares apart
        QVERIFY(screen->PanelClue->isVisible());
        screen->bnDontKnow->click();
        QVERIFY(screen->PanelAnswer->isVisible());
        QVERIFY(!screen->lblCorrect->isVisible());
        QVERIFY(screen->lblIncorrect1->isVisible());
        QCOMPARE(screen->PanelAns->text(), QString());
        QCOMPARE(screen->PanelSpanish1->text(), ToQt(screen->CurrentQuestion.Answer));
        QCOMPARE(BoardPlayers[2].Score, 0);

        // Leaving the screen and coming back keeps the game and the markers in place.
        QTest::mouseClick(fixture->main->Boxes[0], Qt::LeftButton);
        QTest::mouseClick(fixture->main->Boxes[5], Qt::LeftButton);
        QVERIFY(screen->PanelGame->isVisible());
        QVERIFY(screen->PanelAnswer->isVisible());
        QCOMPARE(screen->sgPlayer[2]->pos(), screen->SquareToPixel(target));

        // "New game" returns to the set-up page with the six categories kept.
        screen->bnReturn->click();
        QCOMPARE(screen->GameInProgress, 0);
        QVERIFY(screen->PanelMain->isVisible());
        QVERIFY(!screen->sgSelected->Cell(0, 5).isEmpty());
    }

    void chanceCardsAndTheFreeMove()
    {
        QTest::keyClicks(screen->edName[0], "Ana");
        QTest::keyClicks(screen->edName[1], "Ben");  // on square 17
        screen->bnRandom->click();
        screen->bnStartGame->click();
        QCOMPARE(screen->GameInProgress, 1);
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        // Reach the corner 33 as if the die had offered it.
        Option1Square = 33;
        ClickCell(screen->sgBoard[2], 16, 0);
        QVERIFY(screen->PanelCards->isVisible());
        QCOMPARE(screen->lblCards[0]->text(), QStringLiteral("Chance Cards"));
        QVERIFY(!screen->bnCardContinue->isVisible());

        // "Roll again": the same player rolls.
        QVERIFY(SeedNextCard(0));
        QTest::mouseClick(screen->imgCards, Qt::LeftButton);
        QCOMPARE(screen->CardDrawn, 0);
        QCOMPARE(screen->lblCards[0]->text(), QStringLiteral("Roll again"));
        QTest::mouseClick(screen->imgCards, Qt::LeftButton);  // a second click changes nothing
        QCOMPARE(screen->CardDrawn, 0);
        QVERIFY(screen->bnCardContinue->isVisible());
        QVERIFY(screen->PanelCardInstruct1->isVisible());
        screen->bnCardContinue->click();
        QVERIFY(screen->PanelRoll->isVisible());
        QCOMPARE(CurrentPlayer, 1);

        // The free move on corner 49: Ana's marker dragged onto Ben's, which covers square 17.
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        Option1Square = 49;
        ClickCell(screen->sgBoard[2], 0, 0);
        QVERIFY(SeedNextCard(1));
        QTest::mouseClick(screen->imgCards, Qt::LeftButton);
        QVERIFY(screen->PanelCardInstruct2->isVisible());
        QVERIFY(!screen->bnCardContinue->isVisible());
        DragTo(screen->sgPlayer[1], 0, 0, screen->sgPlayer[2]->mapToGlobal(screen->sgPlayer[2]->rect().center()));
        QCOMPARE(BoardPlayers[1].Position, 17);
        QCOMPARE(screen->sgPlayer[1]->pos(), screen->SquareToPixel(17));
        // A corner: the cards again, and a new one can be drawn; then a click moves anywhere.
        QVERIFY(screen->PanelCards->isVisible());
        QCOMPARE(screen->CardDrawn, -1);
        QVERIFY(SeedNextCard(1));
        QTest::mouseClick(screen->imgCards, Qt::LeftButton);
        ClickCell(screen->sgBoard[3], 0, 3);  // square 61
        QCOMPARE(BoardPlayers[1].Position, 61);
        QVERIFY(screen->PanelClue->isVisible());
    }

    void startNeverBeginsWithAFreeOrEmptySlot()
    {
        // A vocabulary of three sub-categories: the random fill stops with free slots left.
        UseRecordLines({",D,,M,cat,gato,cats,gatos,Animals,Pets,0,1, ", ",D,,M,dog,perro,dogs,perros,Animals,Pets,0,2, ",
                        ",D,,F,hen,gallina,hens,gallinas,Animals,Farm,1,3, ",
                        ",D,,M,bus,autobus,buses,autobuses,Travel,Road,0,4, "});
        screen->FormShow();
        QTest::keyClicks(screen->edName[0], "Ana");
        fixture->choiceAnswer = 1;
        fixture->shown.clear();
        screen->bnStartGame->click();
        QCOMPARE(fixture->shown.size(), 2);
        QVERIFY(fixture->shown[1].Text.startsWith("There are not enough categories with words"));
        QCOMPARE(screen->GameInProgress, 0);
        QCOMPARE(FilledSlotCount(), 3);

        // Six slots, then the words of one of them are gone: the start names it and stays.
        FreeAllSlots();
        for (int i = 0; i < 6; ++i)
            CategorySlots[i] = {0, CategoryTable[0].SubCount, ShortString("slot " + std::to_string(i))};
        CategorySlots[5] = {1, 0, "Travel - Road"};
        std::vector<std::string> many;
        for (int i = 0; i < 40; ++i)
            many.push_back(",D,,M,w" + std::to_string(i) + ",p" + std::to_string(i) + ",ws,ps,Animals,Pets,0," +
                           std::to_string(i + 1) + ", ");
        UseRecordLines(many);
        fixture->shown.clear();
        screen->bnStartGame->click();
        QCOMPARE(fixture->messages(), QStringList{"There are no words in category : Travel - Road"});
        QCOMPARE(screen->GameInProgress, 0);
        InitWordTables();
        BuildWordLengthTables();

        // Slots "beta - b2" and "gamma - g1"; in Custom Lists "aaa" is added (every custom
        // category moves down a place) and "gamma" deleted. Back on the set-up page "beta - b2"
        // follows its name and "gamma - g1" has left; the game asks every slot its own words.
        const int beta = AddCustomCategory("beta");
        StoreCustomWord({"bat", "murcielago", "", 0, true}, beta, AddCustomSubCategory(beta, "b1"), -1);
        const int b2 = AddCustomSubCategory(beta, "b2");
        StoreCustomWord({"bee", "abeja", "", 0, true}, beta, b2, -1);
        const int gamma = AddCustomCategory("gamma");
        AddCustomSubCategory(gamma, "g1");
        StoreCustomWord({"goat", "cabra", "", 0, true}, gamma, 0, -1);
        FreeAllSlots();
        AddSlot(beta, b2, "beta - b2");
        AddSlot(gamma, 0, "gamma - g1");
        screen->bnRandom->click();
        fixture->ClickBox(ScreenCustomLists);
        const int aaa = AddCustomCategory("aaa");
        AddCustomSubCategory(aaa, "a1");
        StoreCustomWord({"alligator", "caiman", "", 0, true}, aaa, 0, -1);
        DeleteCustomCategory(gamma + 1);
        fixture->ClickBox(ScreenBoardGame);
        QCOMPARE(screen->sgSelected->Cell(0, 0), QStringLiteral("beta - b2"));
        QVERIFY(SlotNamed("gamma - g1") < 0);
        QVERIFY(screen->sgSelected->Cell(0, 5).isEmpty());
        screen->bnStartGame->click();  // the random fill, then the game
        QCOMPARE(screen->GameInProgress, 1);
        for (int slot = 0; slot < SlotCount; ++slot)
            for (int level = 0; level < 2; ++level)
                for (int e = 1; e <= PoolCount[slot][level]; ++e) {
                    bool own = false;
                    for (int i = 1; i <= WordCount && !own; ++i)
                        own = WordTable[i].Spanish.str() == QuestionPool[slot][level][e].Answer &&
                              ShortString(RandomCaption(WordTable[i].Category, WordTable[i].SubCategory)) ==
                                  CategorySlots[slot].Name;
                    QVERIFY2(own, QuestionPool[slot][level][e].Answer.c_str());
                }
        // Another category sorts in before "beta" during the game: the slot follows it still.
        fixture->ClickBox(ScreenCustomLists);
        StoreCustomWord({"ant", "hormiga", "", 0, true}, AddCustomCategory("aab"), 0, -1);
        fixture->ClickBox(ScreenBoardGame);
        const TCategorySlot& followed = CategorySlots[SlotNamed("beta - b2")];
        QCOMPARE(RandomCaption(followed.Category, followed.SubCategory), std::string("beta - b2"));
    }

    void legendAndOptionLinesAtTheirFontUnlessTooLong()
    {
        QTest::keyClicks(screen->edName[0], "Ana");
        screen->bnRandom->click();
        screen->bnStartGame->click();
        QCOMPARE(screen->GameInProgress, 1);
        fixture->main->resize(1260, 960);

        // Slots 0 to 2 take a custom name too long for an option panel on one line: whatever
        // the die shows, one option line is too long and every other one fits.
        Preferences.FontSizeMode = 2;
        fixture->main->ApplyFontScheme();
        fixture->main->FormResize();
        const auto kept = CategorySlots;
        std::string tooLong = "MOMENTOUS WORDS - W";  // capitals, as a custom name may have them
        while (QFontMetrics(MakeFont(FontScheme.Main)).horizontalAdvance(ToQt(tooLong)) <=
               screen->lblOption1[1]->contentsRect().width())
            tooLong += "W";
        QVERIFY(tooLong.size() <= ShortString::Capacity);
        for (int i = 0; i < 3; ++i)
            CategorySlots[i].Name = tooLong;
        QTest::mouseClick(screen->imDice[1], Qt::LeftButton);
        for (int mode : {2, 3}) {
            Preferences.FontSizeMode = mode;
            fixture->main->ApplyFontScheme();
            fixture->main->FormResize();
            const QFont main = MakeFont(FontScheme.Main);
            int broken = 0;
            for (auto* labels : {&screen->lblOption1, &screen->lblOption2})
                for (int i = 1; i < 3; ++i) {
                    const QLabel* line = (*labels)[i];
                    const int room = line->contentsRect().width();
                    QVERIFY(line->parentWidget()->rect().contains(line->geometry()));
                    QVERIFY(!line->font().bold());
                    const QRect shown = QFontMetrics(line->font()).boundingRect(
                        QRect(0, 0, room, 100000), line->wordWrap() ? Qt::TextWordWrap : 0, line->text());
                    QVERIFY(shown.width() <= room && shown.height() <= line->height());
                    // The page has room for a second line: the name too long for one keeps the
                    // page's font there.
                    QCOMPARE(line->font().family(), main.family());
                    QCOMPARE(line->font().pointSize(), main.pointSize());
                    if (line->text() == ToQt(tooLong)) {
                        ++broken;
                        QVERIFY(QFontMetrics(line->font()).horizontalAdvance(line->text()) > room);
                    }
                }
            QCOMPARE(broken, 1);
        }
        CategorySlots = kept;

        for (int mode : {2, 3}) {
            Preferences.FontSizeMode = mode;
            fixture->main->ApplyFontScheme();
            fixture->main->FormResize();
            // A custom slot name one word too long for the legend's column at the grid font.
            const int room = screen->pbLegend->width() - 32;
            QFont grid = MakeFont(FontScheme.Grid, true);
            std::string name = "My own list -";
            while (QFontMetrics(grid).horizontalAdvance(ToQt(name)) <= room)
                name += " words";
            CategorySlots[5].Name = name;
            layoutcheck::TextRecorder legend(screen->pbLegend);
            screen->pbLegend->render(&legend);
            QCOMPARE(legend.Items.size(), size_t(7));
            for (const auto& item : legend.Items) {
                QVERIFY(item.Font.bold());
                QFont larger = item.Font;
                larger.setPointSize(item.Font.pointSize() + 1);
                if (item.Text == ToQt(name)) {  // the largest size that fits
                    QVERIFY(item.Font.pointSize() < grid.pointSize());
                    QVERIFY(QFontMetrics(item.Font).horizontalAdvance(item.Text) <= room);
                    QVERIFY(QFontMetrics(larger).horizontalAdvance(item.Text) > room);
                } else {
                    QCOMPARE(item.Font.pointSize(), grid.pointSize());
                }
            }
        }
    }

    void theComputerAloneAlwaysPlaysToTheEnd()
    {
        screen->cbGusmaro->click();
        QCOMPARE(screen->edName[3]->text(), QStringLiteral("Gusmaro"));
        screen->bnRandom->click();
        fixture->shown.clear();
        screen->bnStartGame->click();
        QCOMPARE(PlayerCount, 1);
        QVERIFY(BoardPlayers[1].IsComputer);
        // The computer as the first player takes its turn as a computer does.
        QVERIFY(screen->PanelGusmaro->isVisible());
        QVERIFY(!screen->TimerDice->isActive());
        int turns = 0;
        while (screen->PanelGusmaro->isVisible() && turns < 500) {
            QVERIFY(!IsCorner(BoardPlayers[1].Position));
            QVERIFY(screen->lblGusmaroThrow->text().startsWith("Gusmaro threw a "));
            QVERIFY(screen->lblGusmaroPoints->text().endsWith(" points for his question."));
            screen->bnGusmaroContinue->click();
            ++turns;
        }
        QVERIFY(turns < 500);
        QCOMPARE(fixture->messages().last(), QStringLiteral("CONGRATULATIONS Gusmaro\n"));
        QCOMPARE(BoardPlayers[1].Score, BoardPlayers[1].Target);
        QVERIFY(!screen->PanelRoll->isVisible());
        QCOMPARE(screen->GameInProgress, 1);
    }

private:
    std::unique_ptr<AppFixture> fixture;
    TfrmBoardGame* screen = nullptr;
};

QTEST_MAIN(TestBoardGame)
#include "test_boardgame.moc"
