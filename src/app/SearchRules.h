#pragma once
// The Options word search: English or Spanish words of the whole vocabulary that start with
// or contain a typed text, at most 120 of them in table order.

#include <QString>

#include <array>
#include <string>

constexpr int MaxSearchResults = 120;

// One listed word: type text, English, Spanish with its note, category - sub-category.
using SearchRow = std::array<QString, 4>;

struct SearchOutcome {
    std::array<SearchRow, MaxSearchResults + 1> Rows{};  // 1..Count; row 0 stays empty
    int Count = 0;
    bool Overflow = false;  // more words matched than are listed
};

enum class SearchLanguage { English, Spanish };
enum class SearchMode { Starting, Containing };

// The query as compared: trimmed of blanks, A..Z lowered, in Windows-1252. Empty when nothing
// is left or when a character has no Windows-1252 form (such a query matches no word).
std::string SearchQuery(const QString& typed);

SearchOutcome SearchWords(const QString& typed, SearchLanguage language, SearchMode mode);

// "Category - Sub-category" of a word; an index out of range gives an empty name.
QString CategoryText(int category, int subCategory);

QString NoWordsFoundMessage();
QString TooManyWordsMessage();
