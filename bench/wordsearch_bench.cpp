// Word search building: whole requests (word choice, attempts, restarts) for every word count
// from 10 to 40, on every selection of the real vocabulary that holds at least that many
// qualifying words (each sub-category and each category's "All"), in four and in eight
// directions, with Spanish and with English answers, a few seeded runs each. One line per
// word count: the requests, how many would end in "Error creating Word Search puzzle - Please
// try again.", the mean and largest side, the mean attempts, and the mean and largest time.
// Usage: wordsearch_bench [runs per selection, default 3]

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

std::vector<Selection> Selections(const char* language)
{
    std::vector<Selection> out;
    for (int c = 0; c < CategoryCount; ++c) {
        for (int s = 0; s < CategoryTable[c].SubCount; ++s)
            out.push_back({CategoryTable[c].Name.str() + " / " + CategoryTable[c].SubNames[s].str(),
                           SearchCandidateList(WordSelection{c, s, false, 2, 2}, language)});
        out.push_back({CategoryTable[c].Name.str() + " / All", SearchCandidateList(WordSelection{c, 0, true, 2, 2}, language)});
    }
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    InitWordTables();
    BuildWordLengthTables();
    const std::vector<Selection> spanish = Selections("S");
    const std::vector<Selection> english = Selections("E");

    std::printf("%5s %9s %7s %9s %9s %9s %9s %9s\n", "words", "requests", "errors", "mean side", "max side",
                "attempts", "mean ms", "max ms");
    long allRequests = 0, allErrors = 0;
    for (int wanted = 10; wanted <= SearchMaxWords; ++wanted) {
        long requests = 0, errors = 0, sides = 0, attempts = 0;
        int maxSide = 0;
        double totalMs = 0, maxMs = 0;
        for (const bool inSpanish : {true, false})
            for (const Selection& sel : inSpanish ? spanish : english) {
                if (static_cast<int>(sel.Candidates.size()) < wanted)
                    continue;
                for (const bool all : {false, true})
                    for (int run = 0; run < runs; ++run) {
                        RandSeed(static_cast<uint32_t>(run * 7919 + wanted * 31 + all * 3 + inSpanish));
                        const auto t0 = std::chrono::steady_clock::now();
                        const SearchRequestResult r = RunSearchRequest(sel.Candidates, wanted, inSpanish, all);
                        const double ms =
                            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
                        ++requests;
                        totalMs += ms;
                        maxMs = std::max(maxMs, ms);
                        attempts += r.Attempts;
                        if (r.Result == SearchRequestResult::Built) {
                            sides += r.Puzzle->Side;
                            maxSide = std::max(maxSide, r.Puzzle->Side);
                        } else {
                            ++errors;
                            std::fprintf(stderr, "error: %s, %s, %d words, %s\n", sel.Name.c_str(),
                                         inSpanish ? "Spanish" : "English", wanted, all ? "all directions" : "forward");
                        }
                    }
            }
        allRequests += requests;
        allErrors += errors;
        std::printf("%5d %9ld %7ld %9.2f %9d %9.2f %9.3f %9.3f\n", wanted, requests, errors,
                    static_cast<double>(sides) / std::max(1L, requests - errors), maxSide,
                    static_cast<double>(attempts) / std::max(1L, requests), totalMs / std::max(1L, requests), maxMs);
    }
    std::printf("total %9ld %7ld\n", allRequests, allErrors);
    return allErrors == 0 ? 0 : 1;
}
