// Codewords: one number per letter (capitals as their small letters), the key table's blocks,
// the drags between alphabet and key, the check and the fill.

#include "CodewordsRules.h"

#include "Random.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

CodewordsBoard NewBoard(const std::array<const char*, CodeWordCount>& answers)
{
    std::array<TAnswer, MaxChosenWords + 1> chosen{};
    for (int k = 1; k <= CodeWordCount; ++k)
        chosen[k].Answer = Cp1252FromUtf8(answers[k - 1]);
    CodewordsBoard board;
    SetupCodewords(board, chosen);
    for (int k = 1; k <= CodeWordCount; ++k)
        SetupCodeRow(board, k, chosen[k]);
    return board;
}

int CellOf(const CodewordsBoard& board, const std::string& letter)
{
    for (int i = 0; i < static_cast<int>(board.Alphabet.size()); ++i)
        if (HoldsLetter(board.Alphabet[i]) && ContentOf(board.Alphabet[i]) == letter)
            return i;
    return -1;
}

std::set<std::string> UsedLetters(const CodewordsBoard& board)
{
    std::set<std::string> used;
    for (const std::string& cell : board.Alphabet)
        if (StateOf(cell) == CellCorrect)
            used.insert(ContentOf(cell));
    return used;
}

}  // namespace

TEST(Codewords, OneNumberPerLetterOverManySeeds)
{
    for (unsigned seed = 1; seed <= 60; ++seed) {
        RandSeed(seed);
        // A capital, accents and a two-word answer; 17 distinct letters.
        const CodewordsBoard board = NewBoard({"Madrid", "pájaro", "ama de casa", "cigüeña", "mar", "árbol"});
        ASSERT_EQ(board.CodeLetterCount, 17);
        std::map<char, int> codeOf;
        for (const CodeWord& word : board.Words)
            for (size_t j = 0; j < word.Answer.size(); ++j) {
                if (word.Answer[j] == ' ') {
                    EXPECT_EQ(word.Codes[j], 0);
                    continue;
                }
                ASSERT_GE(word.Codes[j], 1);
                EXPECT_EQ(board.CodeLetters[word.Codes[j]], std::string(1, LowerLetter(word.Answer[j])));
                EXPECT_EQ(codeOf.emplace(LowerLetter(word.Answer[j]), word.Codes[j]).first->second, word.Codes[j]);
            }
        EXPECT_EQ(codeOf.size(), 17u);  // 17 codes, each letter its own
        EXPECT_EQ(board.Words[0].Codes[0], board.Words[4].Codes[0]);  // "M" and "m"
    }
}

TEST(Codewords, KeyTableBlocks)
{
    // 13 letters: 7 rows, the second block holds codes 8 to 13 and one empty row.
    const CodewordsBoard board = NewBoard({"abcd", "efgh", "ijkl", "m", "abc", "dm"});
    ASSERT_EQ(CodeKeyRows(board), 7);
    EXPECT_EQ(CodeAtKeyCell(board, 2, 6), 7);  // any column of a block counts
    EXPECT_EQ(CodeAtKeyCell(board, 3, 5), 13);
    EXPECT_EQ(CodeAtKeyCell(board, 4, 6), 0);
    EXPECT_EQ(CodeAtKeyCell(board, -1, 0), 0);
    EXPECT_EQ(KeyCellText(board, 5, 5), "0" + board.CodeLetters[13]);
}

TEST(Codewords, DragsBetweenAlphabetAndKey)
{
    CodewordsBoard board = NewBoard({"casa", "sol", "ola", "col", "loca", "sal"});
    const int codeA = board.Words[0].Codes[1];
    const int codeS = board.Words[0].Codes[2];

    // Key to key moves the letter; one in the way goes back to the alphabet, no swap.
    ASSERT_TRUE(AlphabetToKey(board, CellOf(board, "a"), codeA));
    ASSERT_TRUE(AlphabetToKey(board, CellOf(board, "q"), codeS));
    ASSERT_TRUE(KeyToKey(board, codeA, codeS));
    EXPECT_EQ(board.KeyLetter[codeS], "a");
    EXPECT_TRUE(board.KeyLetter[codeA].empty());
    EXPECT_EQ(board.Words[0].Cells[1], "0");
    EXPECT_EQ(board.Words[0].Cells[2], "0a");
    EXPECT_EQ(UsedLetters(board), std::set<std::string>{"a"});

    // Drops outside the key or the alphabet, or on a row without a code, are refused.
    const CodewordsBoard before = board;
    EXPECT_FALSE(AlphabetToKey(board, CellOf(board, "b"), 0));
    EXPECT_FALSE(AlphabetToKey(board, -1, 1));
    EXPECT_FALSE(AlphabetToKey(board, AlphabetIndex(5, 3), 1));  // a blank alphabet cell
    EXPECT_FALSE(KeyToKey(board, codeS, -1));
    EXPECT_EQ(board.Alphabet, before.Alphabet);
    EXPECT_EQ(board.KeyLetter, before.KeyLetter);
}

TEST(Codewords, WordCellsCompareInLowerCase)
{
    // A complete key with one wrong letter checks itself; put right, the capital of "Lima"
    // is right under its small letter and the clues appear.
    CodewordsBoard board = NewBoard({"Lima", "mal", "ala", "mil", "lila", "ama"});
    const int codeI = board.Words[0].Codes[1];
    for (int c = 1; c <= board.CodeLetterCount; ++c)
        AlphabetToKey(board, CellOf(board, c == codeI ? "o" : board.CodeLetters[c]), c);
    EXPECT_EQ(board.Words[0].Cells[1], "2o");
    EXPECT_FALSE(board.CluesShown);
    ASSERT_TRUE(AlphabetToKey(board, CellOf(board, "i"), codeI));
    EXPECT_EQ(board.Words[0].Cells[0], "1l");
    EXPECT_TRUE(board.CluesShown);
}

TEST(Codewords, FillShowsExactlyTheKeyLettersAsUsed)
{
    CodewordsBoard board = NewBoard({"pan", "sopa", "papa", "nos", "son", "Ana"});
    ASSERT_TRUE(AlphabetToKey(board, CellOf(board, "z"), 1));  // no letter of the words
    ASSERT_TRUE(AlphabetToKey(board, CellOf(board, board.CodeLetters[1]), 2));
    FillCodewords(board);
    EXPECT_EQ(UsedLetters(board), (std::set<std::string>{"a", "n", "o", "p", "s"}));
    for (int c = 1; c <= board.CodeLetterCount; ++c)
        EXPECT_EQ(KeyCellText(board, KeyColumnOf(board, c, 1), KeyRowOf(board, c)), board.CodeLetters[c]);
    EXPECT_EQ(board.Words[5].Cells[0], "1A");
    EXPECT_TRUE(board.CluesShown);
}
