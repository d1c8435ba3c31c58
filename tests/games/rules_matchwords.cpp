// Match Words: the pool, the moves between pool and boxes, and the checking they trigger.

#include "MatchWordsRules.h"

#include "Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

WordDraw DrawOf(int words)
{
    WordDraw draw;
    draw.WordsNeeded = words;
    for (int k = 1; k <= words; ++k) {
        draw.Chosen[k].Clue = "clue" + std::to_string(k);
        draw.Chosen[k].Answer = "word" + std::to_string(k);
    }
    return draw;
}

// The free pool row holding word, or -1.
int PoolRowOf(const MatchBoard& board, const std::string& word)
{
    for (int i = 0; i < board.Rows(); ++i)
        if (board.Pool[i] == "0" + word)
            return i;
    return -1;
}

}  // namespace

TEST(MatchWords, SetupShufflesEveryAnswerIntoThePool)
{
    bool moved = false;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        RandSeed(seed);
        MatchBoard board;
        const int words = seed % 2 ? 16 : 10;
        SetupMatchWords(board, DrawOf(words));
        ASSERT_EQ(board.Rows(), words);
        std::vector<std::string> pool, expected;
        for (int i = 0; i < words; ++i) {
            EXPECT_EQ(board.Clues[i], "clue" + std::to_string(i + 1));
            EXPECT_EQ(board.Boxes[i], "0");
            ASSERT_EQ(board.Pool[i][0], '0');
            pool.push_back(board.Pool[i].substr(1));
            expected.push_back(board.Answers[i]);
            moved = moved || board.Pool[i] != "0" + board.Answers[i];
        }
        std::sort(pool.begin(), pool.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(pool, expected) << "seed " << seed;
    }
    EXPECT_TRUE(moved);
}

TEST(MatchWords, MovesReturnWordsAndCheckOnceEveryBoxIsFilled)
{
    RandSeed(3);
    MatchBoard board;
    SetupMatchWords(board, DrawOf(4));

    // A placed word is greyed in the pool and cannot be dragged from it again.
    const int p2 = PoolRowOf(board, "word2");
    ASSERT_TRUE(MatchPoolToBox(board, p2, 0));
    EXPECT_EQ(board.Boxes[0], "0word2");
    EXPECT_EQ(board.Pool[p2], "1word2");
    EXPECT_FALSE(CanDragFromMatchPool(board, p2));
    EXPECT_FALSE(MatchPoolToBox(board, p2, 1));

    // Dropping on a filled box is no swap: the old word goes back to the pool.
    const int p1 = PoolRowOf(board, "word1");
    ASSERT_TRUE(MatchPoolToBox(board, p1, 0));
    EXPECT_EQ(board.Boxes[0], "0word1");
    EXPECT_EQ(board.Pool[p2], "0word2");
    EXPECT_EQ(board.Pool[p1], "1word1");

    // A drop outside every row is refused and changes nothing.
    const MatchBoard before = board;
    EXPECT_FALSE(MatchPoolToBox(board, p2, -1));
    EXPECT_FALSE(MatchPoolToBox(board, -1, 1));
    EXPECT_FALSE(MatchBoxToBox(board, 0, -1));
    EXPECT_FALSE(MatchBoxToBox(board, -1, 0));
    EXPECT_FALSE(MatchBoxToPool(board, -1));
    EXPECT_FALSE(MatchBoxToBox(board, 0, 0));  // onto its own row
    EXPECT_FALSE(MatchBoxToPool(board, 1));    // an empty box
    EXPECT_EQ(board.Boxes, before.Boxes);
    EXPECT_EQ(board.Pool, before.Pool);

    // Filling the last empty box checks at once: right green, wrong red.
    ASSERT_TRUE(MatchPoolToBox(board, PoolRowOf(board, "word2"), 1));
    ASSERT_TRUE(MatchPoolToBox(board, PoolRowOf(board, "word4"), 2));
    EXPECT_EQ(board.Boxes[2], "0word4");  // not yet all filled: no check
    ASSERT_TRUE(MatchPoolToBox(board, PoolRowOf(board, "word3"), 3));
    EXPECT_EQ(board.Boxes, (std::vector<std::string>{"1word1", "1word2", "2word4", "2word3"}));
    EXPECT_FALSE(MatchWordsSolved(board));

    // A move after the check clears the colours; back to the pool runs no check.
    ASSERT_TRUE(MatchBoxToPool(board, 3));
    EXPECT_EQ(board.Boxes, (std::vector<std::string>{"0word1", "0word2", "0word4", "0"}));
    EXPECT_EQ(board.Pool[PoolRowOf(board, "word3")], "0word3");
    // Box to box: the word moves, the source empties, and a filled board is checked again.
    ASSERT_TRUE(MatchBoxToBox(board, 2, 3));
    EXPECT_EQ(board.Boxes, (std::vector<std::string>{"0word1", "0word2", "0", "0word4"}));
    ASSERT_TRUE(MatchPoolToBox(board, PoolRowOf(board, "word3"), 2));
    EXPECT_EQ(board.Boxes, (std::vector<std::string>{"1word1", "1word2", "1word3", "1word4"}));
    EXPECT_TRUE(MatchWordsSolved(board));

    // Box to box onto a filled box sends the target's word back to the pool.
    ASSERT_TRUE(MatchBoxToBox(board, 0, 1));
    EXPECT_EQ(board.Boxes, (std::vector<std::string>{"0", "0word1", "0word3", "0word4"}));
    EXPECT_EQ(board.Pool[PoolRowOf(board, "word2")], "0word2");
}

TEST(MatchWords, CheckAndFillAll)
{
    RandSeed(9);
    MatchBoard board;
    SetupMatchWords(board, DrawOf(10));
    ASSERT_TRUE(MatchPoolToBox(board, PoolRowOf(board, "word5"), 4));
    ASSERT_TRUE(MatchPoolToBox(board, PoolRowOf(board, "word6"), 7));
    CheckMatchWords(board);
    EXPECT_EQ(board.Boxes[4], "1word5");
    EXPECT_EQ(board.Boxes[7], "2word6");
    EXPECT_EQ(board.Boxes[0], "0");  // empty boxes stay as they are
    EXPECT_FALSE(MatchBoxesFilled(board));

    FillAllMatchWords(board);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(board.Boxes[i], "1word" + std::to_string(i + 1));
        EXPECT_EQ(board.Pool[i][0], '1');
        EXPECT_FALSE(CanDragFromMatchPool(board, i));
    }
    EXPECT_TRUE(MatchWordsSolved(board));
}
