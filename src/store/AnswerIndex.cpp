#include "AnswerIndex.h"

#include "LX_Globals.h"
#include "TextCodec.h"

AnswerIndex SpanishAnswers;
AnswerIndex EnglishAnswers;

namespace {
uint64_t ChangeCount = 0;
}  // namespace

uint64_t VocabularyChangeCount()
{
    return ChangeCount;
}

void AnswerIndex::Clear()
{
    for (int len = 0; len <= MaxLength; ++len) {
        lines_[len].clear();
        clues_[len].clear();
        answers_[len].clear();
    }
}

int AnswerIndex::Count(int length) const
{
    if (length < MinLength || length > MaxLength)
        return 0;
    return static_cast<int>(lines_[length].size());
}

bool AnswerIndex::Add(int length, const TXWordLine& line)
{
    if (length < MinLength || length > MaxLength || lines_[length].size() >= Capacity)
        return false;
    if (clues_[length].count(line.Clue.view()) || answers_[length].count(line.Answer.view()))
        return false;
    const TXWordLine& stored = lines_[length].emplace_back(line);
    clues_[length].insert(stored.Clue.view());
    answers_[length].insert(stored.Answer.view());
    return true;
}

DerivedForm DeriveForm(std::string_view word)
{
    if (word.find_first_of(" '") == std::string_view::npos)
        return {std::string(word), "(" + std::to_string(word.size()) + ")"};
    std::string s(word);
    for (char& c : s)
        if (c == '\'')
            c = ' ';
    DerivedForm form;
    for (char c : s)
        if (c != ' ')
            form.Letters += c;
    if (s.find(' ') == std::string::npos) {
        form.Enumeration = "(" + std::to_string(form.Letters.size()) + ")";
        return form;
    }
    // Cut at the first blank and trim the rest, so a run of blanks is one separator.
    std::string pieces;
    std::string rest = s;
    for (size_t blank; (blank = rest.find(' ')) != std::string::npos;) {
        pieces += std::to_string(blank) + ",";
        rest = Trim(rest.substr(blank + 1));
    }
    pieces += std::to_string(rest.size());
    form.Enumeration = "(" + pieces + ")";
    return form;
}

void BuildWordLengthTables()
{
    ++ChangeCount;
    SpanishAnswers.Clear();
    EnglishAnswers.Clear();
    for (int i = 1; i <= WordCount && i <= MaxWords; ++i) {
        TWordRecord& w = WordTable[i];
        w.SpanishSortKey = FoldSpanishAccents(LowerAscii(w.Spanish.view()));
        w.EnglishSortKey = LowerAscii(w.English.view());

        struct Form {
            const ShortString& word;
            const ShortString& clue;
            AnswerIndex& index;
            ShortString* letters;
            ShortString* enumeration;
        };
        const Form forms[] = {
            {w.Spanish, w.English, SpanishAnswers, &w.SpanishLetters, &w.SpanishEnumeration},
            {w.English, w.Spanish, EnglishAnswers, &w.EnglishLetters, &w.EnglishEnumeration},
            {w.SpanishPlural, w.EnglishPlural, SpanishAnswers, nullptr, nullptr},
            {w.EnglishPlural, w.SpanishPlural, EnglishAnswers, nullptr, nullptr},
        };
        for (const Form& f : forms) {
            const DerivedForm d = DeriveForm(f.word.view());
            if (f.letters) {
                *f.letters = d.Letters;
                *f.enumeration = d.Enumeration;
            }
            const int length = static_cast<int>(d.Letters.size());
            // A form without a counterpart in the other language would make a clue-less entry.
            if (length < AnswerIndex::MinLength || length > AnswerIndex::MaxLength || f.clue.empty())
                continue;
            TXWordLine line;
            line.WordIndex = i;
            line.Clue = f.clue;
            line.Answer = d.Letters;
            line.Enumeration = d.Enumeration;
            line.Common = w.LessCommon == 0 ? 1 : 0;
            f.index.Add(length, line);
        }
    }
}
