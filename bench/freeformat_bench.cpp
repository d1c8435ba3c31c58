// Free-format crossword generation (selection excluded: the attempts, trimming and numbering)
// on every sub-category with 20 or more usable words, all words, for 10, 15 and 20 words in
// both answer languages: the share of asked words placed, the share of complete puzzles, and
// the median and 95th percentile time per puzzle.
//
//   freeformat_bench [puzzles per sub-category]

#include "AnswerIndex.h"
#include "CrosswordGenerator.h"
#include "FreeFormatGenerator.h"
#include "LX_Globals.h"
#include "Random.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    InitWordTables();
    BuildWordLengthTables();

    bool allMet = true;
    std::printf("%-4s %5s %6s %9s %9s %9s %10s %8s\n", "lang", "words", "subcat", "puzzles", "placed", "complete",
                "median ms", "p95 ms");
    for (const bool spanish : {true, false}) {
        // The sub-categories with enough words for the largest puzzle.
        std::vector<WordSelection> selections;
        for (int category = 0; category < MaxCategories; ++category) {
            if (CategoryTable[category].Name.empty())
                continue;
            for (int sub = 0; sub < CategoryTable[category].SubCount; ++sub) {
                WordSelection s;
                s.Category = category;
                s.SubCategory = sub;
                s.CommonFilter = FilterAllWords;
                if (SelectFreeFormatWords(s, spanish, 20, {}) && FreeFormatCount >= 20)
                    selections.push_back(s);
            }
        }
        for (const int wanted : {10, 15, 20}) {
            std::vector<double> times;
            long asked = 0;
            long placed = 0;
            int complete = 0;
            for (size_t n = 0; n < selections.size(); ++n) {
                SelectFreeFormatWords(selections[n], spanish, wanted, {});
                for (int run = 0; run < runs; ++run) {
                    RandSeed(static_cast<uint32_t>(7919u * n + 104729u * wanted + 31u * run + (spanish ? 1u : 0u)));
                    const auto begin = std::chrono::steady_clock::now();
                    const int got = GenerateFreeFormatCrossword();
                    const auto end = std::chrono::steady_clock::now();
                    times.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
                    asked += FreeFormatTarget;
                    placed += got;
                    complete += got == FreeFormatTarget;
                }
            }
            if (times.empty())
                continue;
            std::sort(times.begin(), times.end());
            const double median = times[times.size() / 2];
            const double p95 = times[std::min(times.size() - 1, times.size() * 95 / 100)];
            const bool met = wanted != 20 || median < 20.0;
            allMet = allMet && met;
            std::printf("%-4s %5d %6zu %9zu %8.2f%% %8.1f%% %10.3f %8.3f%s\n", spanish ? "ES" : "EN", wanted,
                        selections.size(), times.size(), 100.0 * placed / asked, 100.0 * complete / times.size(),
                        median, p95, met ? "" : "  <- above target");
        }
    }
    std::printf("%s\n", allMet ? "Target met (median under 20 ms for 20 words)." : "Target missed.");
    return 0;
}
