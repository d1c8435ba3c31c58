// The board game's rules without the screen: the board, the move targets, the question pools
// and their order, the answer check, the chance cards, scoring, the computer's choice, and
// whole games played to their end.

#include "BoardGameRules.h"

#include "AnswerIndex.h"
#include "LX_Data.h"
#include "LX_Globals.h"
#include "Random.h"

#include <gtest/gtest.h>
#include "RulesSupport.h"

#include <set>
#include <string>
#include <vector>

namespace {

void UseVocabulary()
{
    UseBuiltInVocabulary();
    Preferences.AnswerLanguage = "S";
}

// A table of our own: category, sub-category, level and the two words of each line.
struct Word {
    std::string english, spanish, category, sub;
    int level = 0;
};
void UseTable(const std::vector<Word>& words)
{
    std::vector<std::string> lines;
    int n = 0;
    for (const Word& w : words)
        lines.push_back(",D,,M," + w.english + "," + w.spanish + "," + w.english + "s," + w.spanish + "s," +
                        w.category + "," + w.sub + "," + std::to_string(w.level) + "," + std::to_string(++n) + ", ");
    UseRecordLines(lines);
    Preferences.AnswerLanguage = "S";
}

int CategoryNamed(const std::string& name)
{
    for (int c = 0; c < TotalCategoryCount; ++c)
        if (CategoryTable[c].Name == name)
            return c;
    return -1;
}

int SubNamed(int category, const std::string& name)
{
    for (int s = 0; s < CategoryTable[category].SubCount; ++s)
        if (CategoryTable[category].SubNames[s] == name)
            return s;
    return -1;
}

// Players on the given squares, player 1 to move.
void PlacePlayers(std::vector<int> squares)
{
    for (TBoardPlayer& p : BoardPlayers)
        p = TBoardPlayer{};
    PlayerCount = static_cast<int>(squares.size());
    for (int k = 1; k <= PlayerCount; ++k) {
        BoardPlayers[k].Name = "P" + std::to_string(k);
        BoardPlayers[k].Target = 20;
        BoardPlayers[k].Position = squares[k - 1];
    }
    CurrentPlayer = 1;
    FreeMove = 0;
    DoublePoints = 0;
}

}  // namespace

TEST(BoardGameBoard, NumberingColoursAndPoints)
{
    FreeAllSlots();
    BuildBoard();
    const std::vector<int> top = {1, 2, 3, 1, 2, 3, 2, 3, 1, 2, 3, 1, 3, 1, 2};
    const std::vector<int> right = {3, 1, 2, 1, 2, 3, 1, 2, 3, 2, 3, 1, 2, 3, 1};
    const std::vector<int> bottom = {3, 1, 2, 3, 1, 2, 1, 2, 3, 1, 2, 3, 2, 3, 1};
    const std::vector<int> left = {2, 3, 1, 3, 1, 2, 3, 1, 2, 1, 2, 3, 1, 2, 3};
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(BoardSquares[2 + i].Points, top[i]) << 2 + i;
        EXPECT_EQ(BoardSquares[2 + i].Slot, i % 6) << 2 + i;
        EXPECT_EQ(BoardSquares[18 + i].Points, right[i]) << 18 + i;
        EXPECT_EQ(BoardSquares[34 + i].Points, bottom[i]) << 34 + i;
        EXPECT_EQ(BoardSquares[50 + i].Points, left[i]) << 50 + i;
    }
    EXPECT_EQ(BoardSquares[18].Slot, 3);
    EXPECT_EQ(BoardSquares[34].Slot, 0);
    EXPECT_EQ(BoardSquares[50].Slot, 3);
    EXPECT_EQ(BoardSquares[64].Slot, 5);
    int perPoints[4] = {};
    int perSlot[7] = {};
    for (int sq = 1; sq <= 64; ++sq) {
        ++perPoints[BoardSquares[sq].Points];
        ++perSlot[BoardSquares[sq].Slot];
        EXPECT_EQ(IsCorner(sq), BoardSquares[sq].Slot == ChanceSlot) << sq;
        EXPECT_EQ(SquareColour(sq), IsCorner(sq) ? ChanceColour : SlotColours[BoardSquares[sq].Slot]);
        // Every square is one cell of one edge grid, and that cell numbers it back.
        const EdgeCell cell = SquareEdgeCell(sq);
        EXPECT_EQ(EdgeCellSquare(cell.Edge, cell.Index), sq);
    }
    EXPECT_EQ(perPoints[0], 4);
    EXPECT_EQ(perPoints[1], 20);
    EXPECT_EQ(perPoints[2], 20);
    EXPECT_EQ(perPoints[3], 20);
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_EQ(perSlot[slot], 10);
    EXPECT_EQ(EdgeCellSquare(2, 0), 49);
    EXPECT_EQ(EdgeCellSquare(2, 16), 33);
    EXPECT_EQ(EdgeCellSquare(3, 0), 64);
    EXPECT_EQ(EdgeCellSquare(1, 15), -1);
}

TEST(BoardGameMoves, TargetsEitherWayAcrossTheStart)
{
    PlacePlayers({62, 30});
    Dice = 6;
    EXPECT_FALSE(StopDice());
    EXPECT_EQ(Option1Square, 4);
    EXPECT_EQ(Option2Square, 56);
    EXPECT_TRUE(MoveAllowed);

    PlacePlayers({2, 30});
    Dice = 3;
    StopDice();
    EXPECT_EQ(Option1Square, 5);
    EXPECT_EQ(Option2Square, 63);
    EXPECT_TRUE(IsMoveTarget(5));
    EXPECT_TRUE(IsMoveTarget(63));
    EXPECT_FALSE(IsMoveTarget(6));

    // One target held: only the other is offered, and the die stays.
    PlacePlayers({10, 13});
    Dice = 3;
    EXPECT_FALSE(StopDice());
    EXPECT_EQ(Option1Square, -1);
    EXPECT_EQ(Option2Square, 7);
    EXPECT_FALSE(IsMoveTarget(13));
}

TEST(BoardGameMoves, BothTargetsHeldTurnsTheDieOn)
{
    PlacePlayers({10, 16, 4});
    Dice = 6;
    LastDiceShown = 6;
    EXPECT_TRUE(StopDice());
    EXPECT_EQ(Dice, 1);  // a 6 becomes a 1
    EXPECT_EQ(LastDiceShown, 1);
    EXPECT_EQ(Option1Square, 11);
    EXPECT_EQ(Option2Square, 9);

    PlacePlayers({40, 43, 37, 44});
    Dice = 3;
    EXPECT_TRUE(StopDice());
    EXPECT_EQ(Dice, 4);
    EXPECT_EQ(Option1Square, -1);  // 44 is held as well
    EXPECT_EQ(Option2Square, 36);
}

TEST(BoardGameMoves, FreeMoveReachesAnySquareAndEndsWithTheMove)
{
    PlacePlayers({10, 20});
    MoveAllowed = 0;
    EXPECT_FALSE(IsMoveTarget(5));  // nothing moves before the die is stopped
    ApplyCard(1);
    EXPECT_TRUE(IsMoveTarget(20));  // a held square too
    EXPECT_TRUE(IsMoveTarget(33));
    EXPECT_FALSE(IsMoveTarget(0));
    EXPECT_TRUE(MoveCurrentPlayer(33));  // a corner: the cards come again
    EXPECT_EQ(BoardPlayers[1].Position, 33);
    EXPECT_FALSE(FreeMove);
    EXPECT_FALSE(MoveAllowed);
    EXPECT_FALSE(IsMoveTarget(5));
}

TEST(BoardGameDice, EveryAnimationStepShowsANewFace)
{
    RandSeed(11);
    LastDiceShown = 1;
    for (int i = 0; i < 2000; ++i) {
        const int before = LastDiceShown;
        RollDiceStep();
        ASSERT_GE(Dice, 1);
        ASSERT_LE(Dice, 6);
        ASSERT_NE(Dice, before);
    }
}

TEST(BoardGamePools, BySlotAndLevelInTableOrder)
{
    UseVocabulary();
    const int animals = CategoryNamed("Animals");
    ASSERT_GE(animals, 0);
    ASSERT_GT(CategoryTable[animals].SubCount, 1);
    FreeAllSlots();
    CategorySlots[0] = {animals, 1, "Animals - x"};
    CategorySlots[1] = {animals, CategoryTable[animals].SubCount, "Animals"};
    WordTotal = 0;
    BuildAllQuestionPools();
    int matches[2] = {};
    for (int i = 1; i <= WordCount; ++i)
        if (WordTable[i].Category == animals && WordTable[i].SubCategory == 1)
            ++matches[WordTable[i].LessCommon];
    EXPECT_EQ(PoolCount[0][0], std::min(matches[0], PoolSize));
    EXPECT_EQ(PoolCount[0][1], std::min(matches[1], PoolSize));
    EXPECT_GT(PoolCount[1][0], PoolCount[0][0]);  // the whole category
    for (int slot = 0; slot < 2; ++slot)
        for (int level = 0; level < 2; ++level) {
            int last = 0;
            for (int e = 1; e <= PoolCount[slot][level]; ++e) {
                const TAnswer& a = QuestionPool[slot][level][e];
                // Find the word: the pool keeps table order.
                int found = 0;
                for (int i = last + 1; i <= WordCount && !found; ++i)
                    if (WordTable[i].Spanish == a.Answer && WordTable[i].Category == animals)
                        found = i;
                ASSERT_GT(found, last) << a.Answer;
                last = found;
                const TWordRecord& w = WordTable[found];
                EXPECT_EQ(w.LessCommon, level);
                if (slot == 0) {
                    EXPECT_EQ(w.SubCategory, 1);
                }
                EXPECT_EQ(a.Clue, w.English.str() + " " + w.SpanishEnumeration.str());
                EXPECT_EQ(a.Letters, w.SpanishLetters.str());
            }
        }

    // English answers for a pool built after the language changed.
    Preferences.AnswerLanguage = "E";
    BuildQuestionPool(0, 0);
    ASSERT_GT(PoolCount[0][0], 0);
    const TAnswer& e = QuestionPool[0][0][1];
    EXPECT_EQ(AnswerForm(e.Answer), e.Letters);
    EXPECT_NE(e.Clue.find('('), std::string::npos);
    EXPECT_EQ(QuestionPool[1][0][1].Letters.empty(), false);
    Preferences.AnswerLanguage = "S";
}

TEST(BoardGamePools, MoreThan150WordsStoreTheFirstAndCountAll)
{
    std::vector<Word> words;
    for (int i = 0; i < 200; ++i)
        words.push_back({"word" + std::to_string(i), "palabra" + std::to_string(i), "Big", "Many", 0});
    UseTable(words);
    FreeAllSlots();
    CategorySlots[0] = {0, 0, "Big - Many"};
    WordTotal = 0;
    BuildQuestionPool(0, 0);
    EXPECT_EQ(PoolCount[0][0], 150);
    EXPECT_EQ(WordTotal, 200);
    EXPECT_EQ(QuestionPool[0][0][150].Answer, "palabra149");
}

TEST(BoardGamePools, HyphenatedCategoryIsMatchedBySubCategoryIndex)
{
    UseTable({{"room", "sala", "Semi-detached", "Rooms", 0},
              {"garden", "jardin", "Semi-detached", "Garden", 0},
              {"roof", "tejado", "Semi-detached", "Rooms", 1}});
    const int cat = CategoryNamed("Semi-detached");
    ASSERT_GE(cat, 0);
    ASSERT_EQ(CategoryTable[cat].SubCount, 2);
    FreeAllSlots();
    // " All" of a category whose name holds a "-": all its words.
    AddSlotOutcome all = AddSlot(cat, CategoryTable[cat].SubCount, "Semi-detached");
    EXPECT_EQ(all.Result, AddSlotResult::Added);
    EXPECT_EQ(all.WordCount, 3);
    // One named sub-category: its words alone.
    const int rooms = SubNamed(cat, "Rooms");
    AddSlotOutcome added = AddSlot(cat, rooms, RandomCaption(cat, rooms));
    EXPECT_EQ(added.Result, AddSlotResult::Added);
    EXPECT_EQ(added.WordCount, 2);
    EXPECT_EQ(CategorySlots[1].Name, "Semi-detached - Rooms");
    EXPECT_EQ(AddSlot(cat, rooms, "Semi-detached - Rooms").Result, AddSlotResult::Duplicate);
}

TEST(BoardGameSlots, AddRemoveAndRandomFill)
{
    UseTable({{"cat", "gato", "Animals", "Pets", 0}, {"dog", "perro", "Animals", "Pets", 0},
              {"hen", "gallina", "Animals", "Farm", 0}, {"bus", "autobus", "Travel", "Road", 0},
              {"ship", "barco", "Travel", "Sea", 1}});
    FreeAllSlots();
    // Three sub-categories with words and one without: a fill cannot reach six and must stop.
    RandSeed(5);
    const int added = RandomFillSlots();
    EXPECT_EQ(added, 4);
    EXPECT_EQ(FilledSlotCount(), 4);
    std::set<std::string> names;
    for (int i = 0; i < 4; ++i)
        names.insert(CategorySlots[i].Name.str());
    EXPECT_EQ(names.size(), 4u);
    EXPECT_TRUE(SlotIsFree(4));

    // Removing slot 1 moves the others up in order.
    const std::string third = CategorySlots[2].Name.str();
    RemoveSlot(1);
    EXPECT_EQ(CategorySlots[1].Name, third);
    EXPECT_EQ(FilledSlotCount(), 3);
    EXPECT_TRUE(SlotIsFree(3));

    // A caption over 50 characters is stored cut, and not recognised again.
    const std::string longCaption(60, 'x');
    EXPECT_EQ(AddSlot(0, 0, longCaption).Result, AddSlotResult::Added);
    EXPECT_EQ(CategorySlots[3].Name.size(), 50);
    EXPECT_EQ(AddSlot(0, 0, longCaption).Result, AddSlotResult::Added);
    EXPECT_EQ(AddSlot(0, 0, "sixth").Result, AddSlotResult::Added);
    EXPECT_EQ(AddSlot(0, 0, "seventh").Result, AddSlotResult::Full);
}

TEST(BoardGameSlots, RandomFillOnTheVocabularyGivesSixDistinctSlotsWithWords)
{
    UseVocabulary();
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        RandSeed(seed);
        FreeAllSlots();
        RandomFillSlots();
        ASSERT_EQ(FilledSlotCount(), 6) << seed;
        std::set<std::string> names;
        for (const TCategorySlot& s : CategorySlots) {
            names.insert(s.Name.str());
            EXPECT_EQ(s.Name, RandomCaption(s.Category, s.SubCategory));
        }
        EXPECT_EQ(names.size(), 6u);
        WordTotal = 0;
        BuildAllQuestionPools();
        for (int slot = 0; slot < 6; ++slot)
            EXPECT_FALSE(SlotPoolsEmpty(slot));
    }
}

TEST(BoardGamePlayers, BuiltFromTheFilledBoxesInOrder)
{
    SetUpPlayers({PlayerEntry{"Ann", 15, false}, {"   ", 30, false}, {" Carmen ", 25, false}, {"", 40, true}});
    ASSERT_EQ(PlayerCount, 2);
    EXPECT_EQ(BoardPlayers[2].Name, "Carmen");
    EXPECT_EQ(BoardPlayers[2].Target, 25);
    EXPECT_EQ(BoardPlayers[2].Position, 17);
    EXPECT_EQ(BoardPlayers[3].Position, -1);
    EXPECT_FALSE(BoardPlayers[2].IsComputer);

    SetUpPlayers({PlayerEntry{"", 10, false}, {"", 10, false}, {"", 10, false}, {"Gusmaro", 20, true}});
    ASSERT_EQ(PlayerCount, 1);
    EXPECT_TRUE(BoardPlayers[1].IsComputer);
    EXPECT_EQ(BoardPlayers[1].Position, 1);

    SetUpPlayers({PlayerEntry{"abcdefghijklmnopqrstuvwxy", 10, false}, {"B", 12, false}, {"C", 13, false},
                  {"D", 14, false}});
    EXPECT_EQ(BoardPlayers[1].Name, "abcdefghijklmnopqrst");
    EXPECT_EQ(BoardPlayers[4].Position, 49);
    EXPECT_FALSE(BoardPlayers[4].IsComputer);
}

TEST(BoardGameQuestions, OrderLevelsAndRefill)
{
    UseTable({{"one", "uno", "Numbers", "Small", 0}, {"two", "dos", "Numbers", "Small", 0},
              {"three", "tres", "Numbers", "Small", 0}, {"four", "cuatro", "Numbers", "Small", 0},
              {"rare", "raro", "Numbers", "Odd", 1}});
    FreeAllSlots();
    CategorySlots[0] = {0, SubNamed(0, "Small"), "Numbers - Small"};  // four common words, no less common ones
    CategorySlots[1] = {0, SubNamed(0, "Odd"), "Numbers - Odd"};      // one less common word alone
    CategorySlots[2] = {0, 2, "Numbers"};                             // the whole category
    BuildAllQuestionPools();
    TAnswer q;
    // A 3-point square on a slot without less common words asks the common ones, in order,
    // and the fifth question is the first again.
    std::vector<std::string> asked;
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(NextQuestion(0, 3, q));
        asked.push_back(q.Answer);
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"uno", "dos", "tres", "cuatro", "uno"}));

    // A 2-point square on a slot of less common words only: never an empty question.
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(NextQuestion(1, 2, q));
        EXPECT_EQ(q.Answer, "raro");
    }

    // The whole category: 3 points asks the less common word first, then the common ones.
    ASSERT_TRUE(NextQuestion(2, 3, q));
    EXPECT_EQ(q.Answer, "raro");
    ASSERT_TRUE(NextQuestion(2, 3, q));
    EXPECT_EQ(q.Answer, "uno");
    ASSERT_TRUE(NextQuestion(2, 1, q));
    EXPECT_EQ(q.Answer, "dos");

    // A slot whose words are gone: nothing to ask.
    CategorySlots[3] = {1, 0, "gone"};
    UseTable({{"one", "uno", "Numbers", "Small", 0}});
    EXPECT_FALSE(NextQuestion(3, 1, q));
}

TEST(BoardGameAnswers, AccentsApostrophesAndBlanks)
{
    const TAnswer cafe{"the coffee (2,4)", "el caf\xE9", "elcaf\xE9"};
    EXPECT_TRUE(AnswerIsRight("el caf\xE9", cafe));
    EXPECT_TRUE(AnswerIsRight("  el  caf\xE9 ", cafe));
    EXPECT_FALSE(AnswerIsRight("El caf\xE9", cafe));  // case counts
    EXPECT_FALSE(AnswerIsRight("el cafe", cafe));     // so do accents
    EXPECT_FALSE(AnswerIsRight("", cafe));

    const TAnswer clock{"en punto (7)", "o'clock", "oclock"};
    EXPECT_TRUE(AnswerIsRight("o'clock", clock));
    EXPECT_TRUE(AnswerIsRight("o clock", clock));
    EXPECT_TRUE(AnswerIsRight("oclock", clock));
    EXPECT_FALSE(AnswerIsRight("o-clock", clock));

    // An empty question is never answered right, not even by an empty box.
    EXPECT_FALSE(AnswerIsRight("", TAnswer{}));
    EXPECT_FALSE(AnswerIsRight("   ", TAnswer{}));

    EXPECT_EQ(WordLengthsText(""), "(0)");
    EXPECT_EQ(WordLengthsText("   "), "(0)");
    EXPECT_EQ(WordLengthsText(" el   caf\xE9 "), "(2,4)");
    EXPECT_EQ(WordLengthsText("perro"), "(5)");
}

TEST(BoardGameScoring, DoublePointsCardsAndTheTarget)
{
    FreeAllSlots();
    BuildBoard();
    PlacePlayers({4, 20, 40});  // square 4 is worth 3 points
    ASSERT_EQ(BoardSquares[4].Points, 3);
    ApplyCard(7);
    EXPECT_EQ(ScoreAnswer(true), 6);
    EXPECT_EQ(ScoreAnswer(true), 3);  // single again
    ApplyCard(7);
    EXPECT_EQ(ScoreAnswer(false), 0);
    EXPECT_FALSE(DoublePoints);  // a wrong answer uses it up too
    EXPECT_EQ(ScoreAnswer(true), 3);
    EXPECT_EQ(BoardPlayers[1].Score, 12);
    ApplyCard(7);
    PassTurn();  // without a question (a deleted category's square): the card is not handed on
    EXPECT_EQ(ScoreAnswer(true), BoardSquares[20].Points);  // player 2's square
    CurrentPlayer = 1;

    // Cards that take points never go below 0.
    BoardPlayers[1].Score = 1;
    BoardPlayers[2].Score = 1;
    BoardPlayers[3].Score = 0;
    ApplyCard(5);
    EXPECT_EQ(BoardPlayers[1].Score, 0);
    ApplyCard(6);
    EXPECT_EQ(BoardPlayers[1].Score, 0);
    ApplyCard(8);
    EXPECT_EQ(BoardPlayers[2].Score, 0);
    EXPECT_EQ(BoardPlayers[3].Score, 0);
    BoardPlayers[2].Score = 1;
    BoardPlayers[3].Score = 5;
    ApplyCard(9);
    EXPECT_EQ(BoardPlayers[2].Score, 0);
    EXPECT_EQ(BoardPlayers[3].Score, 3);
    EXPECT_EQ(BoardPlayers[1].Score, 0);
    ApplyCard(2);
    ApplyCard(3);
    ApplyCard(4);
    EXPECT_EQ(BoardPlayers[1].Score, 6);
    // The cards' own words, line by line ("1 points has" as printed on the card).
    const std::vector<std::vector<std::string>> cards = {
        {"Roll again"},
        {"Move to the", "square of", "your choice"},
        {"You have been", "awarded 3", "bonus points"},
        {"You have been", "awarded 2", "bonus points"},
        {"You have been", "awarded 1", "bonus point"},
        {"2 points have", "been deducted", "from your score"},
        {"1 points has", "been deducted", "from your score"},
        {"You will be", "awarded double", "points on your", "next question"},
        {"1 point has", "been deducted", "from everyone", "else's score"},
        {"2 points have", "been deducted", "from everyone", "else's score"},
    };
    for (int card = 0; card < CardCount; ++card)
        EXPECT_EQ(CardLines(card), cards[card]) << "card " << card;

    // Target 10 at 9 points: a right 3-point answer wins with 10.
    BoardPlayers[1].Score = 9;
    BoardPlayers[1].Target = 10;
    ScoreAnswer(true);
    ASSERT_TRUE(ReachedTarget(1));
    EndGameFor(1);
    EXPECT_EQ(BoardPlayers[1].Score, 10);
}

TEST(BoardGameComputer, NeverACornerNorAHeldSquare)
{
    UseVocabulary();
    FreeAllSlots();
    RandomFillSlots();
    StartGame();
    // Slot 2's category deleted during the game: its squares pay nothing, as they ask nothing.
    CategorySlots[2].Gone = true;
    BuildQuestionPool(2, 0);
    BuildQuestionPool(2, 1);
    bool unpaid = false;
    std::set<int> faces;  // a real roll, not the lowest face that works
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        RandSeed(seed);
        const int p = Random(64) + 1;
        PlacePlayers({p, WrapSquare(p + 1 + Random(6)), WrapSquare(p - 1 - Random(6)), WrapSquare(p + 3)});
        CurrentPlayer = 1;
        const ComputerMove m = ChooseComputerMove();
        ASSERT_FALSE(IsCorner(m.Square)) << seed;
        ASSERT_FALSE(HeldByOther(m.Square)) << seed;
        ASSERT_TRUE(m.Square == WrapSquare(p + m.Dice) || m.Square == WrapSquare(p - m.Dice)) << seed;
        const bool gone = BoardSquares[m.Square].Slot == 2;
        ASSERT_EQ(m.Points, gone ? 0 : BoardSquares[m.Square].Points);
        unpaid = unpaid || gone;
        faces.insert(m.Dice);
        const int before = BoardPlayers[1].Score;
        ApplyComputerMove(m);
        EXPECT_EQ(BoardPlayers[1].Score, before + m.Points);
        EXPECT_EQ(BoardPlayers[1].Position, m.Square);
    }
    EXPECT_EQ(faces.size(), 6u);
    EXPECT_TRUE(unpaid);
}

// Whole games by the rules alone: people answer from the pools, right about half the time,
// the computer takes its turns; every game ends with its winner on the target.
TEST(BoardGameFullGame, AlwaysEndsOnSeveralSeeds)
{
    UseVocabulary();
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        RandSeed(seed);
        FreeAllSlots();
        RandomFillSlots();
        ASSERT_EQ(FilledSlotCount(), 6);
        const bool computer = seed % 3 != 0;
        SetUpPlayers({PlayerEntry{"Ann", 10, false}, {seed % 2 ? "Bob" : "", 12, false}, {"", 0, false},
                      {computer ? "Gusmaro" : "", 15, computer}});
        StartGame();
        int winner = 0;
        int turns = 0;
        for (; turns < 5000 && !winner; ++turns) {
            TBoardPlayer& player = BoardPlayers[CurrentPlayer];
            if (player.IsComputer) {
                if (ApplyComputerMove(ChooseComputerMove()))
                    winner = CurrentPlayer;
            } else {
                Dice = Random(6) + 1;
                StopDice();
                int square = Option1Square > 0 && (Option2Square < 0 || Random(2)) ? Option1Square : Option2Square;
                for (int step = 0; step < 100; ++step) {
                    ASSERT_TRUE(IsMoveTarget(square));
                    if (!MoveCurrentPlayer(square)) {
                        const TBoardSquare& sq = BoardSquares[square];
                        TAnswer q;
                        ASSERT_TRUE(NextQuestion(sq.Slot, sq.Points, q));
                        ASSERT_FALSE(q.Letters.empty());
                        ASSERT_TRUE(AnswerIsRight(q.Answer, q)) << q.Answer;
                        ScoreAnswer(AnswerIsRight(Random(2) ? q.Answer : "zzz", q));
                        if (ReachedTarget(CurrentPlayer))
                            winner = CurrentPlayer;
                        break;
                    }
                    const int card = Random(CardCount);
                    ApplyCard(card);
                    if (card == 1) {
                        square = Random(64) + 1;
                        continue;
                    }
                    Dice = Random(6) + 1;  // the same player rolls again
                    StopDice();
                    square = Option1Square > 0 ? Option1Square : Option2Square;
                }
            }
            if (!winner)
                CurrentPlayer = NextPlayer();
        }
        ASSERT_NE(winner, 0) << "seed " << seed << " did not end";
        EndGameFor(winner);
        EXPECT_EQ(BoardPlayers[winner].Score, BoardPlayers[winner].Target);
        for (int k = 1; k <= PlayerCount; ++k)
            EXPECT_GE(BoardPlayers[k].Score, 0);
    }
}
