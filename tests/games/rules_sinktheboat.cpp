// Sink the Boat: guesses, misses, the end of the game, and that every word can be won.

#include "SinkTheBoatRules.h"

#include "LX_Globals.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

// Clicks the alphabet cell of letter (a Windows-1252 byte); Ignored when it has none.
SinkGuess Guess(SinkBoard& board, char letter)
{
    for (int row = 0; row < AlphabetRows; ++row)
        for (int col = 0; col < AlphabetCols; ++col)
            if (AlphabetCell(col, row) == std::string("0") + letter)
                return GuessLetter(board, col, row);
    return SinkGuess::Ignored;
}

SinkBoard Board(const std::string& utf8Answer)
{
    SinkBoard board;
    SetupSinkTheBoat(board, TAnswer{"clue", Cp1252FromUtf8(utf8Answer), {}});
    return board;
}

std::string Shown(const SinkBoard& board)
{
    std::string s;
    for (const std::string& cell : board.Cells)
        s += cell[0] == '1' ? cell.substr(1) : "_";
    return s;
}

}  // namespace

TEST(SinkTheBoat, SetupShowsOnlyTheBlank)
{
    SinkBoard board = Board("ave de presa");
    EXPECT_EQ(Shown(board), "___-__-_____");
    EXPECT_EQ(board.Alphabet[0], "0a");
    EXPECT_EQ(board.Alphabet[26], "0");  // the two blank cells of row 3
    EXPECT_EQ(board.Alphabet[27], "0");
    EXPECT_EQ(board.Alphabet[28], Cp1252FromUtf8("0á"));
    EXPECT_EQ(board.Misses(), 0);
    EXPECT_FALSE(board.Over());
}

TEST(SinkTheBoat, GuessesRevealAllCopiesAndCapitalsButNotAccents)
{
    SinkBoard board = Board("Panamá banana");
    EXPECT_EQ(Guess(board, 'a'), SinkGuess::Hit);
    EXPECT_EQ(Shown(board), "_a_a__-_a_a_a");  // five copies at once; "á" is another letter
    EXPECT_EQ(Guess(board, 'p'), SinkGuess::Hit);
    EXPECT_EQ(Shown(board), "Pa_a__-_a_a_a");  // the capital shown by its small letter
    EXPECT_EQ(Guess(board, 'a'), SinkGuess::Ignored);  // tried: costs nothing
    EXPECT_EQ(board.Misses(), 0);

    // The blank alphabet cells and cells off the grid do nothing.
    EXPECT_EQ(GuessLetter(board, 5, 3), SinkGuess::Ignored);
    EXPECT_EQ(GuessLetter(board, 6, 3), SinkGuess::Ignored);
    EXPECT_EQ(GuessLetter(board, -1, 0), SinkGuess::Ignored);
    EXPECT_EQ(GuessLetter(board, 0, 5), SinkGuess::Ignored);
    EXPECT_EQ(board.Misses(), 0);

    EXPECT_EQ(Guess(board, 'n'), SinkGuess::Hit);
    EXPECT_EQ(Guess(board, 'm'), SinkGuess::Hit);
    EXPECT_EQ(Guess(board, 'b'), SinkGuess::Hit);
    EXPECT_FALSE(board.Won);
    EXPECT_EQ(Guess(board, '\xE1'), SinkGuess::Hit);
    EXPECT_TRUE(board.Won);
    EXPECT_FALSE(board.Sunk);
    EXPECT_EQ(Guess(board, 'z'), SinkGuess::Ignored);  // the game is over
}

TEST(SinkTheBoat, SixMissesSinkTheBoatAndShowTheWord)
{
    SinkBoard board = Board("gato");
    for (char c : std::string("bcdef")) {
        EXPECT_EQ(Guess(board, c), SinkGuess::Miss);
        EXPECT_FALSE(board.Over());
    }
    EXPECT_EQ(board.Misses(), 5);
    EXPECT_EQ(board.Used[4], "f");
    // Right letters never fill a wrong-letter cell.
    EXPECT_EQ(Guess(board, 'g'), SinkGuess::Hit);
    EXPECT_EQ(board.Misses(), 5);
    EXPECT_EQ(Guess(board, '\xE1'), SinkGuess::Miss);  // "á" is not "a"
    EXPECT_TRUE(board.Sunk);
    EXPECT_FALSE(board.Won);
    EXPECT_EQ(board.Used[5], "\xE1");
    EXPECT_EQ(Shown(board), "gato");
    EXPECT_EQ(Guess(board, 'h'), SinkGuess::Ignored);
    EXPECT_EQ(board.Misses(), 6);

    // Five misses, then the last missing letter: won.
    board = Board("oso");
    for (char c : std::string("abcde"))
        Guess(board, c);
    Guess(board, 'o');
    EXPECT_FALSE(board.Won);
    Guess(board, 's');
    EXPECT_TRUE(board.Won);
    EXPECT_FALSE(board.Sunk);
}

TEST(SinkTheBoat, EveryQualifyingAnswerOfTheVocabularyCanBeWon)
{
    InitWordTables();
    for (bool spanish : {true, false})
        for (int i = 1; i <= WordCount; ++i) {
            const std::string answer = (spanish ? WordTable[i].Spanish : WordTable[i].English).str();
            if (!AnswerQualifies(answer, spanish))
                continue;
            SinkBoard board;
            SetupSinkTheBoat(board, TAnswer{"", answer, {}});
            for (const char c : answer)
                if (c != ' ')
                    Guess(board, static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
            ASSERT_TRUE(board.Won) << answer;
            ASSERT_EQ(board.Misses(), 0) << answer;
        }
}
