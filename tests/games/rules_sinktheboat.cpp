// Sink the Boat: guesses, misses, both ends of the game, and that every word can be won.

#include "SinkTheBoatRules.h"

#include "LX_Globals.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

namespace {

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
        s += cell[0] == '1' ? Utf8FromCp1252(cell.substr(1)) : "_";
    return s;
}

}  // namespace

TEST(SinkTheBoat, LettersRevealEveryCopyAndTheirCapitalsButNotAccents)
{
    SinkBoard board = Board("Panamá banana");
    EXPECT_EQ(Shown(board), "______-______");
    EXPECT_EQ(Guess(board, 'a'), SinkGuess::Hit);
    EXPECT_EQ(Shown(board), "_a_a__-_a_a_a");
    EXPECT_EQ(Guess(board, 'p'), SinkGuess::Hit);
    EXPECT_EQ(Shown(board), "Pa_a__-_a_a_a");
    // Tried letters, blank cells and cells off the grid cost nothing.
    EXPECT_EQ(Guess(board, 'a'), SinkGuess::Ignored);
    EXPECT_EQ(GuessLetter(board, 6, 3), SinkGuess::Ignored);
    EXPECT_EQ(GuessLetter(board, -1, 0), SinkGuess::Ignored);
    EXPECT_EQ(GuessLetter(board, 0, 5), SinkGuess::Ignored);
    for (char c : std::string("nmb"))
        EXPECT_EQ(Guess(board, c), SinkGuess::Hit);
    EXPECT_FALSE(board.Won);
    EXPECT_EQ(Guess(board, '\xE1'), SinkGuess::Hit);
    EXPECT_TRUE(board.Won);
    EXPECT_EQ(board.Misses(), 0);
    EXPECT_EQ(Guess(board, 'z'), SinkGuess::Ignored);
}

TEST(SinkTheBoat, SixthMissSinksTheBoatAndShowsTheWord)
{
    SinkBoard board = Board("gato");
    for (char c : std::string("bcdef"))
        EXPECT_EQ(Guess(board, c), SinkGuess::Miss);
    EXPECT_EQ(Guess(board, 'g'), SinkGuess::Hit);  // never fills a wrong-letter cell
    EXPECT_EQ(board.Misses(), 5);
    EXPECT_FALSE(board.Over());
    EXPECT_EQ(Guess(board, '\xE1'), SinkGuess::Miss);  // "á" is not "a"
    EXPECT_TRUE(board.Sunk);
    EXPECT_FALSE(board.Won);
    EXPECT_EQ(board.Used[5], "\xE1");
    EXPECT_EQ(Shown(board), "gato");
    EXPECT_EQ(Guess(board, 'h'), SinkGuess::Ignored);

    // Five misses, then the last missing letter: won.
    board = Board("oso");
    for (char c : std::string("abcdeo"))
        Guess(board, c);
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
