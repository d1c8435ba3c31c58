// Select Letters: the order and alignment of the six rows, the pool columns holding exactly
// their letters, the pre-fill that makes the answer unique, and the moves within a column.

#include "SelectLettersRules.h"

#include "Random.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using Chosen = std::array<TAnswer, MaxChosenWords + 1>;

Chosen Words(const std::array<const char*, SelectRowCount>& answers)
{
    Chosen chosen{};
    for (int k = 1; k <= SelectRowCount; ++k) {
        chosen[k].Answer = Cp1252FromUtf8(answers[k - 1]);
        chosen[k].Clue = "clue" + std::to_string(k);
    }
    return chosen;
}

std::string PoolColumn(const SelectBoard& board, int col)
{
    std::string letters;
    for (int row = 0; row < board.PoolRows; ++row)
        if (HoldsLetter(board.PoolCell(col, row)))
            letters += ContentOf(board.PoolCell(col, row));
    std::sort(letters.begin(), letters.end());
    return letters;
}

std::string AnswerColumn(const SelectBoard& board, int col)
{
    std::string letters;
    for (const TAnswer& w : board.Words)
        if (w.Answer[col] != ' ')
            letters += w.Answer[col];
    std::sort(letters.begin(), letters.end());
    return letters;
}

int PreFilledBoxes(const SelectBoard& board, int row)
{
    int n = 0;
    for (int col = 0; col < board.Length; ++col)
        n += HoldsLetter(board.Box(col, row));
    return n;
}

// Places every letter from the pool into its box; false when a letter could not be found.
bool Solve(SelectBoard& board)
{
    for (int row = 0; row < SelectRowCount; ++row)
        for (int col = 0; col < board.Length; ++col) {
            const char want = board.Words[row].Answer[col];
            if (want == ' ' || ContentOf(board.Box(col, row)) == std::string(1, want))
                continue;
            bool placed = false;
            for (int p = 0; p < board.PoolRows && !placed; ++p)
                if (board.PoolCell(col, p) == MakeCell(CellNormal, std::string(1, want)))
                    placed = SelectPoolToBox(board, col, p, col, row);
            if (!placed)
                return false;
        }
    return true;
}

}  // namespace

TEST(SelectLetters, RowsSortedAndAligned)
{
    // Equal lengths keep their order; an answer that spells the old marker is a word like any.
    const auto sorted = SortByLength(Words({"XXXX", "gato", "elefante", "oso", "XXXX", "ratón"}));
    const char* expected[] = {"oso", "XXXX", "gato", "XXXX", "rat\xF3n", "elefante"};
    for (int i = 0; i < SelectRowCount; ++i)
        EXPECT_EQ(sorted[i].Answer, expected[i]) << i;
    EXPECT_EQ(sorted[1].Clue, "clue1");
    EXPECT_EQ(sorted[3].Clue, "clue5");

    EXPECT_EQ(AlignAnswer("oso", 0, 8), "oso     ");
    EXPECT_EQ(AlignAnswer("gato", 1, 8), " gato   ");
    EXPECT_EQ(AlignAnswer("elefante", 1, 8), "elefante");
    EXPECT_EQ(AlignAnswer("raton", 2, 8), "  raton ");
    EXPECT_EQ(AlignAnswer("gato", 3, 8), "  gato  ");
    EXPECT_EQ(AlignAnswer("oso", 4, 8), "     oso");
    EXPECT_EQ(AlignAnswer("oso", 5, 3), "oso");
}

TEST(SelectLetters, PoolColumnsHoldExactlyTheirLetters)
{
    const Chosen chosen = Words({"perro", "ama de casa", "sol", "mesa", "caballo", "pájaro"});
    for (unsigned seed = 1; seed <= 60; ++seed) {
        RandSeed(seed);
        SelectBoard board;
        SetupSelectLetters(board, chosen);
        ASSERT_EQ(board.Length, 11);
        int deepest = 0;
        for (int col = 0; col < board.Length; ++col) {
            EXPECT_EQ(PoolColumn(board, col), AnswerColumn(board, col)) << "column " << col;
            deepest = std::max(deepest, static_cast<int>(AnswerColumn(board, col).size()));
            for (int row = 0; row < SelectRowCount; ++row)
                EXPECT_EQ(StateOf(board.Box(col, row)) == CellNoBox, board.Words[row].Answer[col] == ' ');
        }
        EXPECT_EQ(board.PoolRows, deepest);
        // The two-word answer (row 6, right-aligned over the whole width) keeps a no-box cell.
        EXPECT_EQ(board.Words[5].Answer, Cp1252FromUtf8("ama de casa"));
        EXPECT_EQ(board.Box(3, 5), "3");
        // A letter placed beforehand is one used pool cell of its column.
        int used = 0;
        for (const std::string& cell : board.Pool)
            used += StateOf(cell) == CellCorrect;
        int placed = 0;
        for (int row = 0; row < SelectRowCount; ++row)
            placed += PreFilledBoxes(board, row);
        EXPECT_EQ(used, placed);
        EXPECT_EQ(board.NoteShown, placed > 0);

        ASSERT_TRUE(Solve(board));
        EXPECT_TRUE(SelectSolved(board));
        for (const std::string& box : board.Boxes)
            EXPECT_NE(StateOf(box), CellWrong);
    }
}

TEST(SelectLetters, PreFillMakesTwoSixLetterWordsUnique)
{
    // Rows 3 and 4 hold six-letter words in the same columns: one letter of row 4 is placed.
    for (unsigned seed = 1; seed <= 20; ++seed) {
        RandSeed(seed);
        SelectBoard board;
        SetupSelectLetters(board, Words({"sol", "mesa", "madera", "manera", "elefante", "zanahoria"}));
        ASSERT_EQ(board.Words[2].Answer, "  madera ");
        ASSERT_EQ(board.Words[3].Answer, "  manera ");
        EXPECT_TRUE(board.NoteShown);
        EXPECT_EQ(PreFilledBoxes(board, 2), 0);
        ASSERT_EQ(PreFilledBoxes(board, 3), 1);
        // The first column where they differ: "d" against "n", row 4's letter placed.
        EXPECT_EQ(board.Box(4, 3), "0n");
        int usedN = 0;
        for (int p = 0; p < board.PoolRows; ++p)
            usedN += board.PoolCell(4, p) == "1n";
        EXPECT_EQ(usedN, 1);
        // Exchanging the two rows no longer fits: row 3's letter there would be wrong.
        EXPECT_NE(board.Words[2].Answer[4], 'n');
        // Different lengths elsewhere: no other row got a letter.
        for (int row : {0, 1, 4, 5})
            EXPECT_EQ(PreFilledBoxes(board, row), 0);
    }

    // Different lengths in rows 3 and 4: nothing placed, no note.
    SelectBoard board;
    SetupSelectLetters(board, Words({"sol", "mesa", "madera", "maderas", "elefante", "zanahoria"}));
    EXPECT_FALSE(board.NoteShown);

    // Rows equal in every column (no column differs): nothing placed, nothing out of range.
    SetupSelectLetters(board, Words({"sol", "mesa", "madera", "madera", "elefante", "zanahoria"}));
    EXPECT_FALSE(board.NoteShown);
    for (int row = 0; row < SelectRowCount; ++row)
        EXPECT_EQ(PreFilledBoxes(board, row), 0);
}

TEST(SelectLetters, LettersStayInTheirColumn)
{
    RandSeed(8);
    SelectBoard board;
    SetupSelectLetters(board, Words({"sol", "luna", "gato", "casa", "perro", "caballo"}));
    ASSERT_EQ(board.Length, 7);
    ASSERT_EQ(board.Words[0].Answer, "sol    ");
    auto poolRowOf = [&](int col, const std::string& letter) {
        for (int p = 0; p < board.PoolRows; ++p)
            if (board.PoolCell(col, p) == MakeCell(CellNormal, letter))
                return p;
        return -1;
    };

    // Into another column, onto a no-box cell, or from outside the pool: refused.
    const int s = poolRowOf(0, "s");
    ASSERT_GE(s, 0);
    EXPECT_FALSE(SelectPoolToBox(board, 0, s, 1, 0));
    EXPECT_FALSE(SelectPoolToBox(board, 0, s, 0, -1));
    EXPECT_FALSE(SelectPoolToBox(board, -1, 0, 0, 0));
    EXPECT_FALSE(SelectPoolToBox(board, 0, board.PoolRows, 0, 0));
    EXPECT_FALSE(SelectPoolToBox(board, 6, poolRowOf(6, "o"), 6, 0));  // row 1 has no box there
    EXPECT_FALSE(SelectBoxToPool(board, 0, 0));  // an empty box has nothing to give

    // A letter on an occupied box sends the old one back to its pool cell.
    ASSERT_TRUE(SelectPoolToBox(board, 0, s, 0, 0));
    EXPECT_EQ(board.Box(0, 0), "0s");
    EXPECT_EQ(board.PoolCell(0, s), "1s");
    const int c = poolRowOf(0, "c");
    ASSERT_TRUE(SelectPoolToBox(board, 0, c, 0, 0));
    EXPECT_EQ(board.PoolCell(0, s), "0s");
    EXPECT_EQ(board.Box(0, 0), "0c");

    // Box to box within the column, not onto a no-box cell; box back to the pool.
    EXPECT_FALSE(SelectBoxToBox(board, 0, 0, 0));
    EXPECT_FALSE(SelectBoxToBox(board, 0, 0, 3));  // "  casa " has no box in column 0
    ASSERT_TRUE(SelectBoxToBox(board, 0, 0, 5));
    EXPECT_EQ(board.Box(0, 0), "0");
    EXPECT_EQ(board.Box(0, 5), "0c");
    ASSERT_TRUE(SelectBoxToPool(board, 0, 5));
    EXPECT_EQ(board.PoolCell(0, c), "0c");

    // Filling the last box checks the whole grid; a swapped pair shows red.
    ASSERT_TRUE(Solve(board));
    EXPECT_TRUE(SelectSolved(board));
    EXPECT_EQ(board.Box(0, 0), "1s");
    int p = -1;
    for (int row = 0; row < SelectRowCount && p < 0; ++row)
        if (row != 0 && board.Words[row].Answer[0] != 's' && board.Words[row].Answer[0] != ' ')
            p = row;
    ASSERT_GE(p, 0);
    ASSERT_TRUE(SelectBoxToBox(board, 0, p, 0));  // row p's letter onto row 1's "s"
    EXPECT_EQ(board.Box(0, p), "0");
    EXPECT_EQ(board.Box(0, 0), MakeCell(CellNormal, std::string(1, board.Words[p].Answer[0])));
    const int back = poolRowOf(0, "s");
    ASSERT_TRUE(SelectPoolToBox(board, 0, back, 0, p));
    EXPECT_EQ(StateOf(board.Box(0, 0)), CellWrong);
    EXPECT_EQ(StateOf(board.Box(0, p)), CellWrong);
    EXPECT_EQ(StateOf(board.Box(1, 0)), CellCorrect);

    FillSelectLetters(board);
    EXPECT_TRUE(SelectSolved(board));
    EXPECT_TRUE(board.CluesShown);
    for (const std::string& cell : board.Pool)
        EXPECT_TRUE(!HoldsLetter(cell) || StateOf(cell) == CellCorrect);
}
