// Crossword play on a small hand-made grid: selection, typing with accent prefixes, Clear /
// Fill / Check, completion flags and the automatic check.

#include "CrosswordPlay.h"
#include "XWordGrid.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 4 x 3, "#" a block:      M ó n #      across 1 "Món", across 3 "solr"
//                           a # e #      down 1 "Mas", down 2 "nel"
//                           s o l r
const char* const Rows[] = {"M\xF3n#", "a#e#", "solr"};

class CrosswordPlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        XWordMode = 1;
        XWordCols = 4;
        XWordRows = 3;
        for (auto& column : XWordGrid)
            for (auto& cell : column)
                cell = XWordCell{};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c) {
                const char ch = Rows[r][c];
                XWordGrid[c][r].Kind = ch == '#' ? 1 : 2;
                XWordGrid[c][r].Answer = ch == '#' ? std::string() : std::string(1, ch);
            }
        NumberGrid();
        BuildClueLists();
        StartPlay();
    }

    static std::string Typed(int c, int r) { return XWordGrid[c][r].Typed.str(); }
    static std::string Mark(int c, int r) { return XWordGrid[c][r].CheckMark.str(); }
    static char FirstFlag(int col, int row) { return XWordClues.At(col, row)[0]; }
    static char SecondFlag(int col, int row) { return XWordClues.At(col, row)[1]; }
    static void Type(const std::string& keys)
    {
        for (char k : keys)
            EXPECT_TRUE(CrossKeyDown(k, false));
    }
};

TEST_F(CrosswordPlay, StartsOnTheFirstAcrossClue)
{
    EXPECT_EQ(XWordClues.RowCount, 3);
    EXPECT_EQ(SelDown, 0);
    EXPECT_EQ(SelClueNumber, 1);
    EXPECT_EQ(SelCol, 0);
    EXPECT_EQ(SelRow, 0);
    EXPECT_EQ(XWordGrid[0][0].Highlight, "1");
    EXPECT_EQ(XWordGrid[2][0].Highlight, "2");
    EXPECT_EQ(XWordGrid[0][1].Highlight, "0");
    EXPECT_EQ(FirstFlag(0, 1), '2');
    EXPECT_EQ(FirstFlag(1, 1), '2');
    EXPECT_EQ(FirstFlag(2, 1), '0');
}

TEST_F(CrosswordPlay, ClickingAHighlightedCrossingFlipsTheDirectionAndBack)
{
    ASSERT_TRUE(SelectFromGrid(0, 0));
    EXPECT_EQ(SelDown, 1);
    EXPECT_EQ(SelClueNumber, 1);
    EXPECT_EQ(XWordGrid[0][2].Highlight, "2");
    EXPECT_EQ(XWordGrid[2][0].Highlight, "0");
    EXPECT_EQ(FirstFlag(2, 1), '2');
    EXPECT_EQ(FirstFlag(0, 1), '0');
    ASSERT_TRUE(SelectFromGrid(0, 0));
    EXPECT_EQ(SelDown, 0);

    // A crossing not highlighted and starting no word goes across; a square of one word
    // takes that word; a block does nothing.
    ASSERT_TRUE(SelectFromGrid(2, 2));
    EXPECT_EQ(SelDown, 0);
    EXPECT_EQ(WordStartCol, 0);
    EXPECT_EQ(SelClueNumber, 3);
    ASSERT_TRUE(SelectFromGrid(2, 1));
    EXPECT_EQ(SelDown, 1);
    EXPECT_EQ(WordStartRow, 0);
    EXPECT_EQ(SelClueNumber, 2);
    EXPECT_FALSE(SelectFromGrid(1, 1));
    EXPECT_EQ(SelClueNumber, 2);

    // The clue list: header row and empty rows do nothing.
    EXPECT_FALSE(SelectFromClueList(1, 0));
    XWordClues.RowCount = 4;
    EXPECT_FALSE(SelectFromClueList(0, 3));
    ASSERT_TRUE(SelectFromClueList(1, 2));
    EXPECT_EQ(SelClueNumber, 3);
    EXPECT_EQ(SelCol, 0);
    EXPECT_EQ(SelRow, 2);
    EXPECT_EQ(SelClueRow, 2);
}

TEST_F(CrosswordPlay, AccentPrefixesGiveSpanishLetters)
{
    EXPECT_EQ(TypedLetter(XKey::Tilde, 0), "\xF1");   // the ñ key of a Spanish keyboard
    EXPECT_EQ(TypedLetter(209, 0), "\xF1");
    EXPECT_EQ(TypedLetter(193, 0), "\xE1");
    EXPECT_EQ(TypedLetter('U', 2), "\xFC");
    EXPECT_EQ(TypedLetter('N', 1), "\xF1");
    EXPECT_EQ(TypedLetter('A', 1), "a");  // "~" accents only n
    EXPECT_EQ(TypedLetter('5', 0), "");

    Type("M");
    EXPECT_TRUE(CrossKeyDown(XKey::Quote, false));
    EXPECT_EQ(AccentPrefix, 3);
    EXPECT_FALSE(CrossKeyDown('5', false));  // ignored; the prefix waits for a letter
    EXPECT_EQ(AccentPrefix, 3);
    Type("O");
    EXPECT_EQ(Typed(1, 0), "\xF3");
    EXPECT_EQ(AccentPrefix, 0);
    CrossKeyDown(XKey::Quote, false);
    Type("B");  // no accented b: plain, and the prefix is gone
    EXPECT_EQ(Typed(2, 0), "b");
    EXPECT_EQ(AccentPrefix, 0);
    EXPECT_EQ(Typed(0, 0), "m");

    // The word ended: the next across clue.
    EXPECT_EQ(SelClueNumber, 3);
    EXPECT_EQ(SelCol, 0);
    EXPECT_EQ(SelRow, 2);
    CrossKeyDown(XKey::Tilde, true);
    EXPECT_EQ(AccentPrefix, 1);
    Type("A");
    EXPECT_EQ(Typed(0, 2), "a");
    CrossKeyDown(XKey::Quote, true);
    Type("U");
    EXPECT_EQ(Typed(1, 2), "\xFC");
}

TEST_F(CrosswordPlay, CheckMatchesATypedLetterAgainstItsCapitalButNotWithoutItsAccent)
{
    Type("MON");
    CheckLetters(PlayScope::All);
    EXPECT_EQ(Mark(0, 0), "1");  // "m" for "M"
    EXPECT_EQ(Mark(1, 0), "2");  // "o" for "ó"
    EXPECT_EQ(Mark(2, 0), "1");
    EXPECT_EQ(Mark(0, 1), "0");  // empty cells keep their mark

    EXPECT_TRUE(LettersMatch("\xF1", "\xD1"));   // ñ for Ñ
    EXPECT_FALSE(LettersMatch("n", "\xD1"));
    EXPECT_FALSE(LettersMatch("M", "m"));        // only typed lower case against a capital

    // Fill writes the answer's own letters and marks the ones it replaced.
    ASSERT_TRUE(SelectFromClueList(0, 1));
    FillLetters(PlayScope::Word);
    EXPECT_EQ(Typed(0, 0), "M");
    EXPECT_EQ(Typed(1, 0), "\xF3");
    EXPECT_EQ(Mark(0, 0), "3");
    EXPECT_EQ(Mark(2, 0), "0");  // it was right already
    EXPECT_EQ(SelClueNumber, 3);  // on to the next clue
}

TEST_F(CrosswordPlay, TypingAndBackspaceMoveWithinTheWord)
{
    // Backspace on the first letter changes nothing.
    XWordGrid[0][0].Typed = "x";
    EXPECT_TRUE(CrossKeyDown(XKey::Backspace, false));
    EXPECT_EQ(SelCol, 0);
    EXPECT_EQ(Typed(0, 0), "x");
    Type("MO");
    EXPECT_EQ(SelCol, 2);
    CrossKeyDown(XKey::Backspace, false);
    EXPECT_EQ(SelCol, 1);
    EXPECT_EQ(Typed(1, 0), "");
    EXPECT_EQ(XWordGrid[1][0].Highlight, "1");
    EXPECT_EQ(XWordGrid[2][0].Highlight, "2");
    CrossKeyDown(XKey::Delete, false);
    EXPECT_EQ(SelCol, 1);

    // The last letter of the last down clue goes on to the first across clue; Tab too.
    ASSERT_TRUE(SelectFromClueList(2, 2));
    Type("NEL");
    EXPECT_EQ(SelDown, 0);
    EXPECT_EQ(SelClueNumber, 1);
    CrossKeyDown(XKey::Tab, false);
    EXPECT_EQ(SelClueNumber, 3);
    CrossKeyDown(XKey::Tab, false);
    EXPECT_EQ(SelDown, 1);
    EXPECT_EQ(SelClueNumber, 1);
}

TEST_F(CrosswordPlay, CompletionFlagsFollowEachWordAndTheLastLetterChecksAll)
{
    // Down 1 complete, across 1 (which starts on the same square) not.
    ASSERT_TRUE(SelectFromClueList(2, 1));
    Type("MAX");
    EXPECT_EQ(SecondFlag(2, 1), '1');
    EXPECT_EQ(SecondFlag(3, 1), '1');
    EXPECT_EQ(SecondFlag(0, 1), '0');
    EXPECT_EQ(Mark(0, 2), "0");

    // A check mark goes with the next change anywhere.
    CheckLetters(PlayScope::All);
    EXPECT_EQ(Mark(0, 2), "2");
    ASSERT_TRUE(SelectFromGrid(3, 2));
    Type("R");
    EXPECT_EQ(Mark(0, 2), "0");

    // Filling the rest completes every word: everything is checked at once.
    FillLetters(PlayScope::All);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            if (XWordGrid[c][r].Kind == 2) {
                EXPECT_EQ(Typed(c, r), std::string(1, Rows[r][c]));
                EXPECT_EQ(Mark(c, r), "1");
            }
    for (int row = 1; row <= 2; ++row)
        for (int col = 0; col < 4; ++col)
            EXPECT_EQ(SecondFlag(col, row), '1');

    // Once complete, every change re-checks: a wrong letter shows at once.
    ASSERT_TRUE(SelectFromGrid(0, 2));
    ASSERT_EQ(SelDown, 0);
    Type("Z");
    EXPECT_EQ(Mark(0, 2), "2");
    EXPECT_EQ(Mark(1, 2), "1");

    ClearLetters(PlayScope::Word);
    EXPECT_EQ(Typed(3, 2), "");
    EXPECT_EQ(Typed(0, 0), "M");
    EXPECT_EQ(SecondFlag(0, 2), '0');
    EXPECT_EQ(Mark(0, 0), "0");
    ClearLetters(PlayScope::All);
    EXPECT_EQ(Typed(0, 0), "");
}

TEST_F(CrosswordPlay, AccentToggleAndLetterButtons)
{
    ASSERT_TRUE(SelectFromGrid(1, 0));
    EXPECT_FALSE(LetterButtons(1, 0).ClearAndCheck);
    XWordGrid[1][0].Typed = "o";
    XWordGrid[0][0].CheckMark = "2";
    XWordGrid[2][0].CheckMark = "3";
    EXPECT_TRUE(LetterButtons(1, 0).Accent);
    ToggleAccent();
    EXPECT_EQ(Typed(1, 0), "\xF3");
    EXPECT_EQ(Mark(0, 0), "0");
    EXPECT_EQ(Mark(2, 0), "3");
    EXPECT_TRUE(LetterButtons(1, 0).Accent);
    ToggleAccent();
    EXPECT_EQ(Typed(1, 0), "o");
    XWordGrid[1][0].Typed = "b";
    ToggleAccent();
    EXPECT_EQ(Typed(1, 0), "b");
    EXPECT_FALSE(LetterButtons(1, 0).Accent);
    EXPECT_TRUE(LetterButtons(1, 0).ClearAndCheck);
    EXPECT_FALSE(LetterButtons(1, 1).ClearAndCheck);  // a block
}

}  // namespace
