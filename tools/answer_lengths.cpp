// Prints, for every answer length 3..20, how many Spanish and English answers the crossword
// indexes hold and how many of them are common words, built from the compiled-in word list.
// Usage: answer_lengths

#include "AnswerIndex.h"
#include "LX_Globals.h"

#include <cstdio>

namespace {

int CommonCount(const AnswerIndex& index, int length)
{
    int common = 0;
    for (int n = 1; n <= index.Count(length); ++n)
        if (index.Entry(length, n).Common)
            ++common;
    return common;
}

}  // namespace

int main()
{
    InitWordTables();
    BuildWordLengthTables();

    std::printf("%6s %8s %8s %8s %8s\n", "length", "Spanish", "common", "English", "common");
    for (int length = AnswerIndex::MinLength; length <= AnswerIndex::MaxLength; ++length) {
        const int row[4] = {SpanishAnswers.Count(length), CommonCount(SpanishAnswers, length),
                            EnglishAnswers.Count(length), CommonCount(EnglishAnswers, length)};
        std::printf("%6d %8d %8d %8d %8d\n", length, row[0], row[1], row[2], row[3]);
    }
    return 0;
}
