#pragma once
// The answer indexes: every singular and plural form of every word, filed by answer length,
// one index per answer language. The crossword generators pick their answers here.

#include "ShortString.h"

#include <array>
#include <cstdint>
#include <string>
#include <deque>
#include <string_view>
#include <unordered_set>

struct TXWordLine {
    int32_t WordIndex = -1;   // index in WordTable
    ShortString Clue;         // the same form in the other language
    ShortString Answer;       // letters-only form: case and accents kept
    ShortString Enumeration;  // letter-count hint, e.g. "(3,5)"
    uint8_t Common = 0;       // 1 for a common word
};

class AnswerIndex {
public:
    static constexpr int MinLength = 3;
    static constexpr int MaxLength = 20;
    static constexpr int Capacity = 10000;  // entries per length

    void Clear();
    // Entries in use of one length; 0 outside 3..20.
    int Count(int length) const;
    // Entry n (1-based) of one length.
    const TXWordLine& Entry(int length, int n) const { return lines_[length][n - 1]; }
    // Files an entry unless one of the same length has the same clue or the same answer.
    bool Add(int length, const TXWordLine& line);

private:
    // A deque keeps its entries in place, so the duplicate sets can view their texts.
    std::array<std::deque<TXWordLine>, MaxLength + 1> lines_;
    std::array<std::unordered_set<std::string_view>, MaxLength + 1> clues_, answers_;
};

extern AnswerIndex SpanishAnswers;  // Spanish answers with English clues
extern AnswerIndex EnglishAnswers;  // English answers with Spanish clues

// Derived forms of one word text: apostrophes count as blanks; blanks are dropped from the
// letters, and the enumeration lists the length of each blank-separated piece.
struct DerivedForm {
    std::string Letters;
    std::string Enumeration;
};
DerivedForm DeriveForm(std::string_view word);

// Recomputes every word's sort keys, letters and enumerations and rebuilds both indexes
// from WordTable[1..WordCount]. Every call raises VocabularyChangeCount.
void BuildWordLengthTables();

// How many times the answer indexes have been rebuilt. Whoever changes the word table rebuilds
// them, so a screen that keeps word numbers compares this with the count it saw when it took
// them: a different count means the numbers may now name other words.
uint64_t VocabularyChangeCount();
