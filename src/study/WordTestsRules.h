#pragma once
// The rules of the Word Tests screen: which words a test may ask, the order they are asked in,
// the judging of a typed answer, and the scores of a test.

#include "Selection.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr int TestPoolCapacity = 1000;  // a test is drawn from at most this many words
constexpr int TestRowCapacity = 20;

// Word numbers (indexes into WordTable) that pass the selection, learned filter included, in
// table order; words past the first 1000 are dropped without notice.
std::vector<int> BuildTestPool(const WordSelection& selection);

// The whole pool in random order (without repetition), from the program's one generator:
// each draw takes a random entry, or the next entry not yet drawn after it, wrapping round.
std::vector<int> DrawTestOrder(std::vector<int> pool);

// One test row as shown and judged.
struct WordTestRow {
    int WordIndex = 0;
    std::string TypeText;  // "M", "F", ... or empty
    std::string Clue;      // the clue word and the answer's letter counts
    std::string Answer;    // what the user must type
};

// The row of a word: Spanish answers take the English word as clue, English answers the Spanish
// word. The Spanish word's note (a feminine ending) is neither shown nor expected.
WordTestRow MakeTestRow(int wordIndex, bool spanishAnswers);

// The typed text without the blanks and control characters (every byte up to 32) at its ends.
std::string_view TrimAnswer(std::string_view typed);
// Right only when the trimmed text equals the answer byte for byte: case and accents count.
bool AnswerIsRight(std::string_view typed, std::string_view answer);

// "Total " right "/" rows.
std::string TotalText(int right, int rows);

// A test in progress. A row's first check fixes its score; later checks only mark it.
struct WordTest {
    static constexpr int Unchecked = -1;

    std::vector<WordTestRow> Rows;  // at most 20
    std::array<int, TestRowCapacity> Score{};  // -1 unchecked, 1 right at its first check, 0 otherwise
    int PoolCount = 0;                          // words that passed the selection (at most 1000)
    uint64_t Vocabulary = 0;                    // VocabularyChangeCount when it was drawn

    WordTest() { Score.fill(Unchecked); }

    int RowCount() const { return static_cast<int>(Rows.size()); }
    // Judges the row's typed text and records the check. Rows out of range: false.
    bool CheckRow(int row, std::string_view typed);
    // Records a check already judged: the first check of a row fixes its score.
    void RecordCheck(int row, bool right);
    // Fill All: every row still unchecked is scored wrong (its answer was given away).
    void GiveAwayUnchecked();
    int RightCount() const;
    std::string Total() const { return TotalText(RightCount(), RowCount()); }
};

// Builds the pool, draws its order and keeps the first 20 as the test's rows.
WordTest DrawWordTest(const WordSelection& selection, bool spanishAnswers);
