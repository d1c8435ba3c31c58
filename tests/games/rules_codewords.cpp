// Codewords: the code (one number per letter, capitals as their small letters), the key table's
// two blocks, the drags between alphabet and key, the check and the fill.

#include "CodewordsRules.h"

#include "Random.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

using Chosen = std::array<TAnswer, MaxChosenWords + 1>;

Chosen Words(const std::array<const char*, CodeWordCount>& answers)
{
    Chosen chosen{};
    for (int k = 1; k <= CodeWordCount; ++k) {
        chosen[k].Answer = Cp1252FromUtf8(answers[k - 1]);
        chosen[k].Clue = "clue" + std::to_string(k);
    }
    return chosen;
}

CodewordsBoard NewBoard(const Chosen& chosen)
{
    CodewordsBoard board;
    SetupCodewords(board, chosen);
    for (int k = 1; k <= CodeWordCount; ++k)
        SetupCodeRow(board, k, chosen[k]);
    return board;
}

int AlphabetCellOf(const CodewordsBoard& board, const std::string& letter)
{
    for (int i = 0; i < static_cast<int>(board.Alphabet.size()); ++i)
        if (HoldsLetter(board.Alphabet[i]) && ContentOf(board.Alphabet[i]) == letter)
            return i;
    return -1;
}

// Puts the right letter on every code but `skip`.
void PlaceRight(CodewordsBoard& board, int skip = 0)
{
    for (int c = 1; c <= board.CodeLetterCount; ++c)
        if (c != skip) {
            ASSERT_TRUE(AlphabetToKey(board, AlphabetCellOf(board, board.CodeLetters[c]), c));
        }
}

std::set<std::string> UsedAlphabetLetters(const CodewordsBoard& board)
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
    // A capital, accents, a two-word answer: the capital shares the code of its small letter.
    const Chosen chosen = Words({"Madrid", "pájaro", "ama de casa", "cigüeña", "mar", "árbol"});
    std::set<std::string> expected;
    for (int k = 1; k <= CodeWordCount; ++k)
        for (const char c : chosen[k].Answer)
            if (c != ' ')
                expected.insert(std::string(1, LowerLetter(c)));
    for (unsigned seed = 1; seed <= 60; ++seed) {
        RandSeed(seed);
        const CodewordsBoard board = NewBoard(chosen);
        ASSERT_EQ(board.CodeLetterCount, static_cast<int>(expected.size()));
        std::set<std::string> coded;
        for (int c = 1; c <= board.CodeLetterCount; ++c)
            coded.insert(board.CodeLetters[c]);
        EXPECT_EQ(coded, expected);  // each letter once, no gap
        EXPECT_TRUE(board.CodeLetters[board.CodeLetterCount + 1].empty());

        std::map<char, int> codeOf;
        for (const CodeWord& word : board.Words)
            for (size_t j = 0; j < word.Answer.size(); ++j) {
                if (word.Answer[j] == ' ') {
                    EXPECT_EQ(word.Codes[j], 0);
                    continue;
                }
                const char lower = LowerLetter(word.Answer[j]);
                ASSERT_GE(word.Codes[j], 1);
                EXPECT_EQ(board.CodeLetters[word.Codes[j]], std::string(1, lower));
                auto [it, fresh] = codeOf.emplace(lower, word.Codes[j]);
                EXPECT_EQ(it->second, word.Codes[j]);
            }
        for (const std::string& cell : board.Alphabet)
            EXPECT_EQ(StateOf(cell), CellNormal);
    }
}

TEST(Codewords, KeyTableBlocks)
{
    // 13 distinct letters: 7 rows, the second block holds codes 8 to 13 and one empty row.
    RandSeed(3);
    const CodewordsBoard board = NewBoard(Words({"abcd", "efgh", "ijkl", "m", "abc", "dm"}));
    ASSERT_EQ(board.CodeLetterCount, 13);
    EXPECT_EQ(CodeKeyRows(board), 7);
    EXPECT_EQ(CodeAtKeyCell(board, 0, 0), 1);
    EXPECT_EQ(CodeAtKeyCell(board, 2, 6), 7);  // any column of a block counts
    EXPECT_EQ(CodeAtKeyCell(board, 4, 0), 8);
    EXPECT_EQ(CodeAtKeyCell(board, 3, 5), 13);
    EXPECT_EQ(CodeAtKeyCell(board, 4, 6), 0);
    EXPECT_EQ(CodeAtKeyCell(board, -1, 0), 0);
    EXPECT_EQ(CodeAtKeyCell(board, 0, 7), 0);
    EXPECT_EQ(KeyColumnOf(board, 13, 1), 4);
    EXPECT_EQ(KeyRowOf(board, 13), 5);
    EXPECT_EQ(KeyCellText(board, 3, 5), "13");
    EXPECT_EQ(KeyCellText(board, 4, 5), "");
    EXPECT_EQ(KeyCellText(board, 5, 5), "0" + board.CodeLetters[13]);
    EXPECT_EQ(KeyCellText(board, 5, 6), "");
}

TEST(Codewords, DragsBetweenAlphabetAndKey)
{
    RandSeed(9);
    CodewordsBoard board = NewBoard(Words({"casa", "sol", "ola", "col", "loca", "sal"}));
    const int codeA = board.Words[0].Codes[1];
    const int codeS = board.Words[0].Codes[2];

    // One drop shows the letter in every cell of its code, in every word.
    const int cellX = AlphabetCellOf(board, "x");
    ASSERT_TRUE(AlphabetToKey(board, cellX, codeA));
    EXPECT_EQ(board.Words[0].Cells[1], "0x");
    EXPECT_EQ(board.Words[0].Cells[3], "0x");
    EXPECT_EQ(board.Words[2].Cells[2], "0x");
    EXPECT_EQ(StateOf(board.Alphabet[cellX]), CellCorrect);
    EXPECT_FALSE(CanDragFromAlphabet(board, cellX));  // a used letter stays put

    // A letter dropped on a filled code frees the old one in the alphabet.
    ASSERT_TRUE(AlphabetToKey(board, AlphabetCellOf(board, "a"), codeA));
    EXPECT_EQ(StateOf(board.Alphabet[cellX]), CellNormal);
    EXPECT_EQ(board.Words[4].Cells[3], "0a");

    // Key to key: the letter moves; a letter in the way goes back to the alphabet.
    ASSERT_TRUE(AlphabetToKey(board, AlphabetCellOf(board, "q"), codeS));
    ASSERT_TRUE(KeyToKey(board, codeA, codeS));
    EXPECT_EQ(board.KeyLetter[codeS], "a");
    EXPECT_TRUE(board.KeyLetter[codeA].empty());
    EXPECT_EQ(StateOf(board.Alphabet[AlphabetCellOf(board, "q")]), CellNormal);
    EXPECT_EQ(board.Words[0].Cells[1], "0");
    EXPECT_EQ(board.Words[0].Cells[2], "0a");
    EXPECT_FALSE(KeyToKey(board, codeS, codeS));

    // Key to alphabet empties the code everywhere.
    ASSERT_TRUE(KeyToAlphabet(board, codeS));
    EXPECT_EQ(board.Words[0].Cells[2], "0");
    EXPECT_EQ(UsedAlphabetLetters(board), std::set<std::string>{});

    // Drops outside the key or the alphabet, or on a row without a code, are refused.
    const CodewordsBoard before = board;
    EXPECT_FALSE(AlphabetToKey(board, AlphabetCellOf(board, "b"), 0));
    EXPECT_FALSE(AlphabetToKey(board, AlphabetCellOf(board, "b"), board.CodeLetterCount + 1));
    EXPECT_FALSE(AlphabetToKey(board, -1, 1));
    EXPECT_FALSE(AlphabetToKey(board, AlphabetIndex(5, 3), 1));  // a blank alphabet cell
    EXPECT_FALSE(KeyToAlphabet(board, -1));
    EXPECT_FALSE(KeyToKey(board, 1, -1));
    EXPECT_EQ(board.Alphabet, before.Alphabet);
    EXPECT_EQ(board.KeyLetter, before.KeyLetter);
}

TEST(Codewords, CompletingTheKeyChecksIt)
{
    RandSeed(21);
    CodewordsBoard board = NewBoard(Words({"Lima", "mal", "ala", "mil", "lila", "ama"}));
    const int codeL = board.Words[0].Codes[0];
    const int codeI = board.Words[0].Codes[1];

    // The last letter placed wrong: checked at once, the wrong code red, the clues hidden.
    PlaceRight(board, codeI);
    EXPECT_EQ(board.KeyState[codeL], CellNormal);  // no check before the key is complete
    ASSERT_TRUE(AlphabetToKey(board, AlphabetCellOf(board, "o"), codeI));
    EXPECT_EQ(board.KeyState[codeI], CellWrong);
    EXPECT_EQ(board.KeyState[codeL], CellCorrect);
    EXPECT_EQ(board.Words[0].Cells[1], "2o");
    EXPECT_FALSE(board.CluesShown);

    // Put right: the capital of "Lima" shows green under its small letter, the clues appear.
    ASSERT_TRUE(AlphabetToKey(board, AlphabetCellOf(board, "i"), codeI));
    EXPECT_EQ(board.Words[0].Cells[0], "1l");
    EXPECT_EQ(board.Words[0].Cells[1], "1i");
    EXPECT_TRUE(board.CluesShown);

    // Any move clears the colours; the clues stay.
    ASSERT_TRUE(KeyToAlphabet(board, codeI));
    EXPECT_EQ(board.Words[0].Cells[0], "0l");
    EXPECT_EQ(board.KeyState[codeL], CellNormal);
    EXPECT_TRUE(board.CluesShown);
}

TEST(Codewords, FillShowsTheKeyLettersAsUsed)
{
    RandSeed(4);
    CodewordsBoard board = NewBoard(Words({"pan", "sopa", "papa", "nos", "son", "Ana"}));
    // Letters placed wrongly first, one of them no letter of the words at all.
    ASSERT_TRUE(AlphabetToKey(board, AlphabetCellOf(board, "z"), 1));
    ASSERT_TRUE(AlphabetToKey(board, AlphabetCellOf(board, board.CodeLetters[1]), 2));
    FillCodewords(board);
    std::set<std::string> key;
    for (int c = 1; c <= board.CodeLetterCount; ++c) {
        EXPECT_EQ(board.KeyLetter[c], board.CodeLetters[c]);
        EXPECT_EQ(board.KeyState[c], CellCorrect);
        key.insert(board.CodeLetters[c]);
    }
    EXPECT_EQ(UsedAlphabetLetters(board), key);
    EXPECT_EQ(board.Words[5].Cells[0], "1A");
    EXPECT_TRUE(board.CluesShown);
    // After the fill a key letter can still be taken back, freeing it.
    ASSERT_TRUE(KeyToAlphabet(board, 1));
    key.erase(board.CodeLetters[1]);
    EXPECT_EQ(UsedAlphabetLetters(board), key);
}
