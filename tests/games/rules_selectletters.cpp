// Select Letters: the order and alignment of the rows, the pool columns holding exactly their
// letters, the pre-fill that makes the answer unique, and the moves within a column.

#include "SelectLettersRules.h"

#include "Random.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

SelectBoard NewBoard(const std::array<const char*, SelectRowCount>& answers)
{
    std::array<TAnswer, MaxChosenWords + 1> chosen{};
    for (int k = 1; k <= SelectRowCount; ++k)
        chosen[k] = TAnswer{"clue" + std::to_string(k), Cp1252FromUtf8(answers[k - 1]), {}};
    SelectBoard board;
    SetupSelectLetters(board, chosen);
    return board;
}

std::string Sorted(std::string s)
{
    std::sort(s.begin(), s.end());
    return s;
}

int LettersInRow(const SelectBoard& board, int row)
{
    int n = 0;
    for (int col = 0; col < board.Length; ++col)
        n += HoldsLetter(board.Box(col, row));
    return n;
}

}  // namespace

TEST(SelectLetters, RowsSortedAlignedAndPoolColumnsHoldTheirLetters)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        RandSeed(seed);
        // Equal lengths keep their order; "XXXX" (a word like any) is no marker of a taken entry.
        const SelectBoard board = NewBoard({"XXXX", "perro", "sol", "ama de casa", "mesa", "ratón"});
        const char* rows[] = {"sol        ", " XXXX      ", "    mesa   ", "   perro   ", "      rat\xF3n", "ama de casa"};
        for (int row = 0; row < SelectRowCount; ++row)
            ASSERT_EQ(board.Words[row].Answer, rows[row]) << row;
        EXPECT_EQ(board.Words[1].Clue, "clue1");

        int deepest = 0;
        for (int col = 0; col < board.Length; ++col) {
            std::string pool, answers;
            for (int p = 0; p < board.PoolRows; ++p)
                pool += ContentOf(board.PoolCell(col, p));
            for (int row = 0; row < SelectRowCount; ++row) {
                const char c = board.Words[row].Answer[col];
                EXPECT_EQ(StateOf(board.Box(col, row)) == CellNoBox, c == ' ');
                if (c != ' ')
                    answers += c;
            }
            EXPECT_EQ(Sorted(pool), Sorted(answers)) << "column " << col;
            deepest = std::max(deepest, static_cast<int>(answers.size()));
        }
        EXPECT_EQ(board.PoolRows, deepest);  // as deep as the fullest column
        EXPECT_FALSE(board.NoteShown);
    }
}

TEST(SelectLetters, PreFillMakesTwoSixLetterWordsUnique)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        RandSeed(seed);
        const SelectBoard board = NewBoard({"sol", "mesa", "madera", "manera", "elefante", "zanahoria"});
        ASSERT_EQ(board.Words[2].Answer, "  madera ");
        ASSERT_EQ(board.Words[3].Answer, "  manera ");
        // Row 4 gets its letter where the two first differ ("d" / "n"); nothing else is placed.
        EXPECT_TRUE(board.NoteShown);
        EXPECT_EQ(board.Box(4, 3), "0n");
        for (int row : {0, 1, 2, 4, 5})
            EXPECT_EQ(LettersInRow(board, row), 0);
        EXPECT_EQ(LettersInRow(board, 3), 1);
        int usedN = 0, used = 0;
        for (int p = 0; p < board.PoolRows; ++p)
            usedN += board.PoolCell(4, p) == "1n";
        for (const std::string& cell : board.Pool)
            used += StateOf(cell) == CellCorrect;
        EXPECT_EQ(usedN, 1);
        EXPECT_EQ(used, 1);
    }
    // Different lengths, or rows equal in every column (no column differs): nothing placed.
    EXPECT_FALSE(NewBoard({"sol", "mesa", "madera", "maderas", "elefante", "zanahoria"}).NoteShown);
    const SelectBoard same = NewBoard({"sol", "mesa", "madera", "madera", "elefante", "zanahoria"});
    EXPECT_FALSE(same.NoteShown);
    EXPECT_EQ(LettersInRow(same, 3), 0);
}

TEST(SelectLetters, LettersStayInTheirColumn)
{
    RandSeed(8);
    SelectBoard board = NewBoard({"sol", "luna", "gato", "casa", "perro", "caballo"});
    ASSERT_EQ(board.Words[0].Answer, "sol    ");
    ASSERT_EQ(board.Words[5].Answer, "caballo");
    auto freeRow = [&](int col, char letter) {
        for (int p = 0; p < board.PoolRows; ++p)
            if (board.PoolCell(col, p) == MakeCell(CellNormal, std::string(1, letter)))
                return p;
        return -1;
    };

    // Into another column, onto a no-box cell, or from outside the pool: refused.
    const int s = freeRow(0, 's');
    EXPECT_FALSE(SelectPoolToBox(board, 0, s, 1, 0));
    EXPECT_FALSE(SelectPoolToBox(board, 0, s, 0, 3));  // "  casa " has no box in column 0
    EXPECT_FALSE(SelectPoolToBox(board, -1, 0, 0, 0));
    EXPECT_FALSE(SelectBoxToPool(board, 0, 0));  // an empty box has nothing to give

    // A letter on an occupied box sends the old one back; box to box within the column.
    ASSERT_TRUE(SelectPoolToBox(board, 0, s, 0, 0));
    const int c = freeRow(0, 'c');
    ASSERT_TRUE(SelectPoolToBox(board, 0, c, 0, 0));
    EXPECT_EQ(board.PoolCell(0, s), "0s");
    EXPECT_EQ(board.PoolCell(0, c), "1c");
    EXPECT_FALSE(SelectBoxToBox(board, 0, 0, 3));
    ASSERT_TRUE(SelectBoxToBox(board, 0, 0, 5));
    EXPECT_EQ(board.Box(0, 0), "0");
    EXPECT_EQ(board.Box(0, 5), "0c");

    FillSelectLetters(board);
    EXPECT_TRUE(SelectSolved(board));
    EXPECT_TRUE(board.CluesShown);
    for (const std::string& cell : board.Pool)
        EXPECT_TRUE(!HoldsLetter(cell) || StateOf(cell) == CellCorrect);
}
