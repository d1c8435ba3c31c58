// Word search building: whole requests (word choice, attempts, restarts) for every word count
// from 10 to 40, on every selection of the real vocabulary that holds at least that many
// qualifying words (each sub-category and each category's "All"), in four and in eight
// directions, with Spanish and with English answers, a few seeded runs each. One line per
// word count: the requests, how many would end in "Error creating Word Search puzzle - Please
// try again.", the mean and largest side, the mean attempts, and the mean and largest time.
// Then a teacher's lists of long phrases made here (500 answers, one in ten of 21 to 30 letters,
// the rest of 4 to 15, or of 8 to 20 letters): 40 words in both direction settings, 100 requests
// per run each, with the share built and the time per request.
// Usage: wordsearch_bench [runs per selection, default 3]

#include "WordSearchRules.h"

#include "AnswerIndex.h"
#include "LX_Globals.h"
#include "Random.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
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

// 500 words of one sub-category; every tenth answer a phrase of 21 to 30 letters in words of 3
// to 8, the others one word of restLo to restHi letters. A generator of its own keeps the list
// the same from run to run whatever the program's seed.
std::vector<std::string> LongPhraseLines(int restLo, int restHi)
{
    std::mt19937 gen(2024);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    auto letters = [&](int n) {
        std::string w;
        for (int i = 0; i < n; ++i)
            w += static_cast<char>('a' + pick(0, 25));
        return w;
    };
    std::vector<std::string> lines;
    for (int i = 1; i <= 500; ++i) {
        std::string answer;
        if (i % 10 == 0) {
            for (int left = pick(21, 30); left > 0;) {
                const int n = left <= 8 ? left : std::min(left - 3, pick(3, 8));
                answer += (answer.empty() ? "" : " ") + letters(n);
                left -= n;
            }
        } else {
            answer = letters(pick(restLo, restHi));
        }
        lines.push_back(",D,,M,clue" + std::to_string(i) + "," + answer + ",,,Phrases,Teacher,0," +
                        std::to_string(i) + ", ");
    }
    return lines;
}

// The long-phrase rows; false when fewer than 99 % of the requests built.
bool LongPhraseRows(int runs, int restLo, int restHi)
{
    const std::vector<std::string> lines = LongPhraseLines(restLo, restHi);
    std::vector<const char*> pointers;
    for (const std::string& l : lines)
        pointers.push_back(l.c_str());
    InitWordTablesFrom(pointers.data(), static_cast<int>(pointers.size()));
    BuildWordLengthTables();
    const std::vector<int> candidates = SearchCandidateList(WordSelection{0, 0, true, 2, 2}, "S");
    int longOnes = 0;
    for (int i : candidates)
        longOnes += WordTable[i].SpanishLetters.size() > 20;
    std::printf("\nlong phrases: %zu answers, %d of 21 to 30 letters, the rest %d to %d; 40 words\n",
                candidates.size(), longOnes, restLo, restHi);
    std::printf("%-10s %9s %7s %8s %9s %9s %9s %9s\n", "direction", "requests", "built", "built %", "mean side",
                "attempts", "mean ms", "max ms");
    bool enough = true;
    for (const bool all : {false, true}) {
        const int requests = 100 * runs;
        long built = 0, sides = 0, attempts = 0;
        double totalMs = 0, maxMs = 0;
        for (int run = 0; run < requests; ++run) {
            RandSeed(static_cast<uint32_t>(run * 104729 + all));
            const auto t0 = std::chrono::steady_clock::now();
            const SearchRequestResult r = RunSearchRequest(candidates, 40, true, all);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
            totalMs += ms;
            maxMs = std::max(maxMs, ms);
            attempts += r.Attempts;
            if (r.Result == SearchRequestResult::Built) {
                ++built;
                sides += r.Puzzle->Side;
            }
        }
        const double share = 100.0 * static_cast<double>(built) / requests;
        enough = enough && share >= 99.0;
        std::printf("%-10s %9d %7ld %8.1f %9.2f %9.2f %9.3f %9.3f\n", all ? "all" : "forward", requests, built, share,
                    static_cast<double>(sides) / std::max(1L, built), static_cast<double>(attempts) / requests,
                    totalMs / requests, maxMs);
    }
    return enough;
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
    const bool shortRest = LongPhraseRows(runs, 4, 15);
    const bool longerRest = LongPhraseRows(runs, 8, 20);
    return allErrors == 0 && shortRest && longerRest ? 0 : 1;
}
