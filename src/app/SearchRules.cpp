#include "SearchRules.h"

#include "LX_Globals.h"
#include "QtText.h"
#include "Selection.h"
#include "TextCodec.h"

#include <algorithm>

std::string SearchQuery(const QString& typed)
{
    std::string bytes;
    if (!FromQtExact(typed, bytes))
        return {};  // a letter no word can hold
    return LowerAscii(Trim(bytes));
}

QString CategoryText(int category, int subCategory)
{
    QString name;
    QString sub;
    if (category >= 0 && category < MaxCategories) {
        const TCategoryRecord& c = CategoryTable[category];
        name = ToQt(c.Name);
        if (subCategory >= 0 && subCategory < MaxSubCategories)
            sub = ToQt(c.SubNames[subCategory]);
    }
    return name + " - " + sub;
}

SearchOutcome SearchWords(const QString& typed, SearchLanguage language, SearchMode mode)
{
    SearchOutcome out;
    const std::string query = SearchQuery(typed);
    if (query.empty())
        return out;
    const int count = std::clamp<int>(WordCount, 0, MaxWords);
    for (int i = 1; i <= count; ++i) {
        const TWordRecord& w = WordTable[i];
        const std::string candidate =
            LowerAscii(language == SearchLanguage::English ? w.English.view() : w.Spanish.view());
        const bool match = mode == SearchMode::Containing ? candidate.find(query) != std::string::npos
                                                          : candidate.starts_with(query);
        if (!match)
            continue;
        if (out.Count == MaxSearchResults) {
            out.Overflow = true;
            break;  // nothing more is listed
        }
        SearchRow& row = out.Rows[++out.Count];
        row[0] = QString::fromLatin1(WordTypeText(w.WordType));
        row[1] = ToQt(w.English);
        row[2] = ToQt(w.Spanish) + ToQt(w.Note);
        row[3] = CategoryText(w.Category, w.SubCategory);
    }
    return out;
}

QString NoWordsFoundMessage()
{
    return "No words were found with the specified options.";
}

QString TooManyWordsMessage()
{
    return "More than the maximum number of words were found.\n\r\n\rShowing the first 120 words only.";
}
