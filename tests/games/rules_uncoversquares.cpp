// Uncover Squares: the deal, the card texts, and turning cards up, down and into pairs.

#include "UncoverRules.h"

#include "Random.h"

#include <gtest/gtest.h>

namespace {

UncoverBoard Dealt(int words)
{
    WordDraw draw;
    draw.WordsNeeded = words;
    // A clue may hold commas: a card's word is everything after the first one.
    for (int k = 1; k <= words; ++k)
        draw.Chosen[k] = {"to be, no. " + std::to_string(k), "palabra" + std::to_string(k), {}};
    UncoverBoard board;
    SetupUncoverSquares(board, draw);
    return board;
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
    for (uint32_t seed = 1; seed <= 60; ++seed)
        for (int words : {3, 6, 9, 12, 15}) {
            RandSeed(seed * 31 + words);
            const UncoverBoard board = Dealt(words);
            ASSERT_EQ(board.Rows(), 2 * words / 3);
            for (int n = 1; n <= words; ++n)
                for (bool clue : {true, false}) {
                    const int k = CardOf(board, n, clue);
                    ASSERT_GE(k, 0) << "seed " << seed << " pair " << n;
                    EXPECT_EQ(board.Cards[k][0], CardDown);
                    EXPECT_EQ(CardWord(board.Cards[k]), clue ? "to be, no. " + std::to_string(n) : "palabra" + std::to_string(n));
                }
        }
    EXPECT_EQ(CardPair("+E12,a"), 12);
    EXPECT_EQ(CardPair("+"), -1);
    EXPECT_EQ(CardPair(">a>b"), -1);
    EXPECT_EQ(MatchedClue(">a > b>ser"), "a > b");
    EXPECT_EQ(MatchedAnswer(">a > b>ser"), "ser");
}

TEST(UncoverSquares, TurningAndMatchingCards)
{
    RandSeed(5);
    UncoverBoard board = Dealt(6);
    const int clue1 = CardOf(board, 1, true), answer1 = CardOf(board, 1, false);
    const int clue2 = CardOf(board, 2, true), answer3 = CardOf(board, 3, false);
    EXPECT_FALSE(UncoverClick(board, -1));
    EXPECT_FALSE(UncoverClick(board, 12));

    // One clue card up at a time; its answer card makes the pair.
    ASSERT_TRUE(UncoverClick(board, clue1));
    EXPECT_TRUE(UncoverFillEnabled(board));
    EXPECT_FALSE(UncoverClick(board, clue2));
    EXPECT_FALSE(UncoverClick(board, clue1));
    ASSERT_TRUE(UncoverClick(board, answer1));
    EXPECT_EQ(board.Cards[clue1], ">to be, no. 1>palabra1");
    EXPECT_EQ(board.Cards[answer1], board.Cards[clue1]);
    EXPECT_FALSE(UncoverFillEnabled(board));
    EXPECT_FALSE(UncoverClick(board, clue1));  // matched cards do not react

    // Two cards that do not match go down at the next click, even on a matched card.
    ASSERT_TRUE(UncoverClick(board, clue2));
    ASSERT_TRUE(UncoverClick(board, answer3));
    EXPECT_FALSE(UncoverFillEnabled(board));
    EXPECT_FALSE(UncoverFill(board));
    ASSERT_TRUE(UncoverClick(board, answer1));
    EXPECT_EQ(board.Cards[clue2][0], CardDown);
    EXPECT_EQ(board.Cards[answer3][0], CardDown);

    // "Fill this one" from an answer card finds its clue card.
    ASSERT_TRUE(UncoverClick(board, answer3));
    ASSERT_TRUE(UncoverFill(board));
    EXPECT_EQ(board.Cards[answer3], ">to be, no. 3>palabra3");
    EXPECT_EQ(CardOf(board, 3, true), -1);
    for (int n : {2, 4, 5, 6}) {
        EXPECT_FALSE(UncoverAllMatched(board));
        ASSERT_TRUE(UncoverClick(board, CardOf(board, n, true)));
        ASSERT_TRUE(UncoverFill(board));
    }
    EXPECT_TRUE(UncoverAllMatched(board));
}
