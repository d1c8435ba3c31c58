// Match Words: the pool dealt, the moves between pool and boxes, and the checks they run.

#include "MatchWordsRules.h"

#include "Random.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

MatchBoard Dealt(int words)
{
    WordDraw draw;
    draw.WordsNeeded = words;
    for (int k = 1; k <= words; ++k)
        draw.Chosen[k] = {"clue" + std::to_string(k), "word" + std::to_string(k), {}};
    MatchBoard board;
    SetupMatchWords(board, draw);
    return board;
}

int PoolRow(const MatchBoard& board, int word)
{
    const auto it = std::find(board.Pool.begin(), board.Pool.end(), "0word" + std::to_string(word));
    return it == board.Pool.end() ? -1 : static_cast<int>(it - board.Pool.begin());
}

using Cells = std::vector<std::string>;

}  // namespace

TEST(MatchWords, MovesReturnWordsAndTheLastBoxChecksTheBoard)
{
    RandSeed(3);
    MatchBoard board = Dealt(4);
    for (int w = 1; w <= 4; ++w)
        ASSERT_GE(PoolRow(board, w), 0);  // every answer once in the pool, all boxes empty
    EXPECT_EQ(board.Boxes, Cells(4, "0"));
    const int p2 = PoolRow(board, 2);
    ASSERT_TRUE(MatchPoolToBox(board, p2, 0));
    EXPECT_EQ(board.Pool[p2], "1word2");
    EXPECT_FALSE(MatchPoolToBox(board, p2, 1));  // a placed word stays put
    // A drop on a filled box is no swap: the old word goes back to the pool.
    ASSERT_TRUE(MatchPoolToBox(board, PoolRow(board, 1), 0));
    EXPECT_EQ(board.Boxes[0], "0word1");
    EXPECT_EQ(board.Pool[p2], "0word2");

    // Drops outside every row, onto the own row or from an empty box change nothing.
    const MatchBoard before = board;
    EXPECT_FALSE(MatchPoolToBox(board, p2, -1));
    EXPECT_FALSE(MatchPoolToBox(board, -1, 1));
    EXPECT_FALSE(MatchBoxToBox(board, 0, -1));
    EXPECT_FALSE(MatchBoxToBox(board, 0, 0));
    EXPECT_FALSE(MatchBoxToPool(board, -1));
    EXPECT_FALSE(MatchBoxToPool(board, 1));
    EXPECT_EQ(board.Boxes, before.Boxes);
    EXPECT_EQ(board.Pool, before.Pool);

    // Only the last empty box checks: right green, wrong red.
    ASSERT_TRUE(MatchPoolToBox(board, PoolRow(board, 2), 1));
    ASSERT_TRUE(MatchPoolToBox(board, PoolRow(board, 4), 2));
    EXPECT_EQ(board.Boxes[2], "0word4");
    ASSERT_TRUE(MatchPoolToBox(board, PoolRow(board, 3), 3));
    EXPECT_EQ(board.Boxes, (Cells{"1word1", "1word2", "2word4", "2word3"}));

    // Any move clears the colours; back to the pool checks nothing.
    ASSERT_TRUE(MatchBoxToPool(board, 3));
    EXPECT_EQ(board.Boxes, (Cells{"0word1", "0word2", "0word4", "0"}));
    ASSERT_TRUE(MatchBoxToBox(board, 2, 3));
    ASSERT_TRUE(MatchPoolToBox(board, PoolRow(board, 3), 2));
    EXPECT_EQ(board.Boxes, (Cells{"1word1", "1word2", "1word3", "1word4"}));
    EXPECT_TRUE(MatchWordsSolved(board));
    // Box onto a filled box: the target's word returns to the pool.
    ASSERT_TRUE(MatchBoxToBox(board, 0, 1));
    EXPECT_EQ(board.Boxes, (Cells{"0", "0word1", "0word3", "0word4"}));
    EXPECT_GE(PoolRow(board, 2), 0);
}

TEST(MatchWords, CheckLeavesEmptyBoxesAndFillAllSolves)
{
    RandSeed(9);
    MatchBoard board = Dealt(10);
    ASSERT_TRUE(MatchPoolToBox(board, PoolRow(board, 5), 4));
    ASSERT_TRUE(MatchPoolToBox(board, PoolRow(board, 6), 7));
    CheckMatchWords(board);
    EXPECT_EQ(board.Boxes[0] + board.Boxes[4] + board.Boxes[7], "01word52word6");
    FillAllMatchWords(board);
    EXPECT_TRUE(MatchWordsSolved(board));
    EXPECT_EQ(PoolRow(board, 1), -1);
}
