// Uncover Squares: the deal, the card texts, and turning cards up, down and into pairs.

#include "UncoverRules.h"

#include "Random.h"

#include <gtest/gtest.h>

#include <string>

namespace {

WordDraw DrawOf(int words)
{
    WordDraw draw;
    draw.WordsNeeded = words;
    for (int k = 1; k <= words; ++k) {
        // Clues may hold commas; the card's word is everything after the first one.
        draw.Chosen[k].Clue = "to be, number " + std::to_string(k);
        draw.Chosen[k].Answer = "palabra" + std::to_string(k);
    }
    return draw;
}

int CardOf(const UncoverBoard& board, int pair, bool clue)
{
    for (int k = 0; k < static_cast<int>(board.Cards.size()); ++k)
        if (CardPair(board.Cards[k]) == pair && CardIsClue(board.Cards[k]) == clue)
            return k;
    return -1;
}

}  // namespace

TEST(UncoverSquares, EveryDealHoldsEachCardOnceFaceDown)
{
    for (uint32_t seed = 1; seed <= 100; ++seed)
        for (int words : {3, 6, 9, 12, 15}) {
            RandSeed(seed * 31 + words);
            UncoverBoard board;
            SetupUncoverSquares(board, DrawOf(words));
            ASSERT_EQ(static_cast<int>(board.Cards.size()), 2 * words);
            EXPECT_EQ(board.Rows(), 2 * words / 3);
            for (int n = 1; n <= words; ++n)
                for (bool clue : {true, false}) {
                    int count = 0;
                    for (const std::string& card : board.Cards)
                        count += CardPair(card) == n && CardIsClue(card) == clue;
                    ASSERT_EQ(count, 1) << "seed " << seed << " pair " << n;
                    const std::string& card = board.Cards[CardOf(board, n, clue)];
                    EXPECT_EQ(card[0], CardDown);
                    EXPECT_EQ(CardWord(card), clue ? "to be, number " + std::to_string(n) : "palabra" + std::to_string(n));
                }
            EXPECT_EQ(board.First, -1);
            EXPECT_EQ(board.Second, -1);
            EXPECT_FALSE(UncoverFillEnabled(board));
        }
}

TEST(UncoverSquares, CardTexts)
{
    EXPECT_EQ(CardPair("+E12,a, b"), 12);
    EXPECT_EQ(CardWord("+E12,a, b"), "a, b");
    EXPECT_TRUE(CardIsClue("<E1,x"));
    EXPECT_FALSE(CardIsClue("+S1,x"));
    EXPECT_EQ(CardPair("+"), -1);
    EXPECT_EQ(CardPair(">a>b"), -1);
    EXPECT_EQ(CardPair("+E,x"), -1);
    EXPECT_EQ(MatchedClue(">to be, > or not>ser"), "to be, > or not");
    EXPECT_EQ(MatchedAnswer(">to be, > or not>ser"), "ser");
}

TEST(UncoverSquares, TurningAndMatchingCards)
{
    RandSeed(5);
    UncoverBoard board;
    SetupUncoverSquares(board, DrawOf(6));
    const int clue1 = CardOf(board, 1, true), answer1 = CardOf(board, 1, false);
    const int clue2 = CardOf(board, 2, true), answer3 = CardOf(board, 3, false);

    // Nothing happens off the cards.
    EXPECT_FALSE(UncoverClick(board, -1));
    EXPECT_FALSE(UncoverClick(board, 12));

    // One clue card up: "Fill this one" on; a second clue card is refused.
    ASSERT_TRUE(UncoverClick(board, clue1));
    EXPECT_EQ(board.Cards[clue1][0], CardUp);
    EXPECT_EQ(board.First, 1);
    EXPECT_TRUE(UncoverFillEnabled(board));
    EXPECT_FALSE(UncoverClick(board, clue2));
    EXPECT_EQ(board.Cards[clue2][0], CardDown);
    EXPECT_FALSE(UncoverClick(board, clue1));  // already up

    // Its answer card: both become the matched pair.
    ASSERT_TRUE(UncoverClick(board, answer1));
    const std::string pair1 = ">to be, number 1>palabra1";
    EXPECT_EQ(board.Cards[clue1], pair1);
    EXPECT_EQ(board.Cards[answer1], pair1);
    EXPECT_EQ(board.First, -1);
    EXPECT_EQ(board.Second, -1);
    EXPECT_FALSE(UncoverFillEnabled(board));
    EXPECT_FALSE(UncoverClick(board, clue1));  // matched cards do not react

    // A clue and a wrong answer stay up, "Fill this one" off, until the next click, which
    // turns them down and then handles the clicked card.
    ASSERT_TRUE(UncoverClick(board, clue2));
    ASSERT_TRUE(UncoverClick(board, answer3));
    EXPECT_EQ(board.Cards[clue2][0], CardUp);
    EXPECT_EQ(board.Cards[answer3][0], CardUp);
    EXPECT_FALSE(UncoverFillEnabled(board));
    EXPECT_FALSE(UncoverFill(board));
    ASSERT_TRUE(UncoverClick(board, answer3));
    EXPECT_EQ(board.Cards[clue2][0], CardDown);
    EXPECT_EQ(board.Cards[answer3][0], CardUp);
    EXPECT_EQ(board.First, -1);
    EXPECT_EQ(board.Second, 3);
    // A click on a matched card after two cards up still turns them down.
    ASSERT_TRUE(UncoverClick(board, clue2));
    ASSERT_TRUE(UncoverClick(board, answer1));
    EXPECT_EQ(board.Cards[clue2][0], CardDown);
    EXPECT_EQ(board.Cards[answer3][0], CardDown);

    // "Fill this one" from an answer card: its clue card is found and the pair matched.
    ASSERT_TRUE(UncoverClick(board, answer3));
    ASSERT_TRUE(UncoverFill(board));
    EXPECT_EQ(board.Cards[answer3], ">to be, number 3>palabra3");
    EXPECT_EQ(CardOf(board, 3, true), -1);
    int matched3 = 0;
    for (const std::string& card : board.Cards)
        matched3 += card == ">to be, number 3>palabra3";
    EXPECT_EQ(matched3, 2);

    // The rest filled from their clue cards: every pair matched, no card left up.
    EXPECT_FALSE(UncoverAllMatched(board));
    for (int n : {2, 4, 5, 6}) {
        ASSERT_TRUE(UncoverClick(board, CardOf(board, n, true)));
        ASSERT_TRUE(UncoverFill(board));
    }
    EXPECT_TRUE(UncoverAllMatched(board));
    EXPECT_FALSE(UncoverFillEnabled(board));
}
