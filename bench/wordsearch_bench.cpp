// Word search building: whole requests (word choice, attempts, restarts) of 10, 25 and 40
// words in four and in eight directions, 200 seeded runs each, on the real vocabulary: every
// sub-category with 40 or more qualifying words in turn, and "All" of the largest category.
// Prints the median and 95th-percentile time, the words placed, the share of requests that
// needed a second attempt or round, the mean attempts and final side, and how often the build would end in
// "Error creating Word Search puzzle - Please try again."
// Usage: wordsearch_bench [runs]

#include "WordSearchRules.h"

#include "AnswerIndex.h"
#include "LX_Globals.h"
#include "Random.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Selection {
    std::string Name;
    std::vector<int> Candidates;
};

double Percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, static_cast<size_t>(p * (v.size() - 1) + 0.5));
    return v[i];
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    InitWordTables();
    BuildWordLengthTables();

    for (const char* language : {"S", "E"}) {
        const bool spanish = language[0] == 'S';
        // Every sub-category with at least 40 words, and the largest "All".
        std::vector<Selection> subs;
        Selection largest;
        for (int c = 0; c < CategoryCount; ++c) {
            for (int s = 0; s < CategoryTable[c].SubCount; ++s) {
                std::vector<int> cands = SearchCandidateList(WordSelection{c, s, false, 2, 2}, language);
                if (cands.size() >= 40)
                    subs.push_back({CategoryTable[c].Name.str() + " - " + CategoryTable[c].SubNames[s].str(), cands});
            }
            std::vector<int> all = SearchCandidateList(WordSelection{c, 0, true, 2, 2}, language);
            if (all.size() > largest.Candidates.size())
                largest = {"All of " + CategoryTable[c].Name.str(), all};
        }
        std::printf("\nAnswers in %s: %zu sub-categories of 40 or more words; %s has %zu words\n",
                    spanish ? "Spanish" : "English", subs.size(), largest.Name.c_str(), largest.Candidates.size());
        std::printf("%-16s %5s %5s %10s %10s %10s %8s %8s %8s %6s %8s\n", "selection", "words", "dirs", "median ms",
                    "p95 ms", "max ms", "placed", "retried", "attempts", "side", "errors");

        for (int group = 0; group < 2; ++group) {
            for (int wanted : {10, 25, 40}) {
                for (bool all : {false, true}) {
                    std::vector<double> times;
                    long placed = 0, attempts = 0, sides = 0;
                    int retried = 0, errors = 0;
                    for (int run = 0; run < runs; ++run) {
                        const Selection& sel = group == 0 ? subs[run % subs.size()] : largest;
                        RandSeed(static_cast<uint32_t>(run * 7919 + wanted * 31 + all));
                        const auto t0 = std::chrono::steady_clock::now();
                        const SearchRequestResult r = RunSearchRequest(sel.Candidates, wanted, spanish, all);
                        const auto t1 = std::chrono::steady_clock::now();
                        times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
                        attempts += r.Attempts;
                        if (r.Result == SearchRequestResult::Built) {
                            placed += r.Puzzle->PuzzleWordCount();
                            sides += r.Puzzle->Side;
                        }
                        else
                            ++errors;
                        retried += r.Attempts > 1;
                    }
                    std::printf("%-16s %5d %5d %10.3f %10.3f %10.3f %8.1f %7.0f%% %8.1f %6.1f %8d\n",
                                group == 0 ? "sub-categories" : "All (largest)", wanted, all ? 8 : 4,
                                Percentile(times, 0.5), Percentile(times, 0.95),
                                *std::max_element(times.begin(), times.end()),
                                static_cast<double>(placed) / runs, 100.0 * retried / runs,
                                static_cast<double>(attempts) / runs,
                                static_cast<double>(sides) / std::max(1, runs - errors), errors);
                }
            }
        }
    }
    return 0;
}
