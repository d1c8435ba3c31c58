#pragma once
// The vocabulary tables every screen reads: words, categories, and the compiled-in records
// they are built from. Plain global tables with 1-based word and 0-based category indexes.

#include "ShortString.h"

#include <cstdint>
#include <string>
#include <string_view>

constexpr int MaxWords = 10000;
constexpr int MaxCategories = 30;
constexpr int BuiltInCategorySlots = 15;  // custom categories always start at slot 15
constexpr int MaxSubCategories = 11;      // SubNames[0..10]

enum WordTypeCode : uint8_t {
    WordMasculine = 0,
    WordFeminine = 1,
    WordMasculineOrFeminine = 2,
    WordMasculinePlural = 3,
    WordFemininePlural = 4,
    WordVerb = 5,
    WordAdjective = 6,
    WordOther = 7,
};

struct TWordRecord {
    int32_t Id = -1;    // built-in: number of its record line (index into LearnedFlags); custom: index in CustomWords
    int32_t Mark = -1;  // scratch mark of the crossword generator and the custom-list re-sort
    ShortString English;
    ShortString Spanish;
    ShortString EnglishLetters;  // singular without blanks and apostrophes: the answer form
    ShortString SpanishLetters;
    ShortString SpanishSortKey;  // lower case, accents folded
    ShortString EnglishSortKey;  // lower case
    ShortString EnglishPlural;
    ShortString SpanishPlural;
    ShortString EnglishEnumeration;  // letter-count hint, e.g. "(3,5)"
    ShortString SpanishEnumeration;
    ShortString Note;  // shown after the Spanish word, e.g. a feminine ending
    uint8_t WordType = WordOther;
    int32_t Category = -1;
    int32_t SubCategory = -1;
    int32_t LessCommon = -1;  // 0 common word, 1 less common
    uint8_t Learned = 0;
};

struct TCategoryRecord {
    ShortString Name;  // empty marks an unused slot
    int32_t SubCount = 0;
    ShortString SubNames[MaxSubCategories];
};

// A chosen word or question of a game: clue (other language), answer as shown, and its
// letters-only comparison form.
struct TAnswer {
    std::string Clue;
    std::string Answer;
    std::string Letters;
};

extern TWordRecord WordTable[MaxWords + 1];  // 1..WordCount in use; entry 0 unused
extern int32_t WordCount;
extern int32_t BuiltInWordCount;

extern TCategoryRecord CategoryTable[MaxCategories];
extern int32_t CategoryCount;       // built-in categories
extern int32_t TotalCategoryCount;  // built-in plus custom

// The version label of the About screen.
extern const std::string VersionText;
extern const std::string VersionDate;

// The compiled-in record lines (Windows-1252), generated from resources/vocabulary.txt.
extern const char* const BuiltInRecords[];
extern const int BuiltInRecordCount;

// Builds both tables from the compiled-in records.
void InitWordTables();
// Builds both tables from the given record lines (InitWordTables on the built-in list).
void InitWordTablesFrom(const char* const* lines, int count);
// Parses one record line in the current pass (category pass or word pass).
void ParseWordRecord(std::string_view line);
// Selects the pass ParseWordRecord works in; InitWordTables runs both.
void SetCategoryPass(bool categoryPass);
// Empties a word's texts, type, mark and category; its Id, LessCommon and Learned stay.
void EmptyWordRecord(TWordRecord& w);

// The word type code of a record line's type field ("M" 0 .. "adj" 6, anything else 7).
uint8_t WordTypeFromCode(std::string_view code);
