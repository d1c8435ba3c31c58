// The regular crossword start logic (five templates, three fills each), 300 requests with fixed
// seeds for every size, answer language and common-word filter: success rate, median and 95th
// percentile time. A series keeps its LastTemplate, as a user pressing "New puzzle" would.
//
//   crossword_bench [requests]

#include "AnswerIndex.h"
#include "CrosswordGenerator.h"
#include "GridTemplates.h"
#include "LX_Globals.h"
#include "Random.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    const int requests = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    InitWordTables();
    BuildWordLengthTables();
    InitGridTemplates();

    const char* filterNames[] = {"Common", "Less common", "All"};
    const double targets[] = {95.0, 90.0, 99.0};
    bool allMet = true;
    std::printf("%-5s %-4s %-12s %9s %11s %11s\n", "size", "lang", "filter", "success", "median ms", "p95 ms");
    for (int sizeIndex = 1; sizeIndex <= GridSizeCount; ++sizeIndex) {
        const int side = GridSizeOfIndex(sizeIndex);
        for (const bool spanish : {true, false}) {
            for (int filter = 0; filter <= 2; ++filter) {
                LastTemplate = 0;
                int successes = 0;
                std::vector<double> times;
                for (int run = 0; run < requests; ++run) {
                    RandSeed(static_cast<uint32_t>(1000003u * sizeIndex + 7919u * filter + (spanish ? 17u : 0u) + run));
                    const auto begin = std::chrono::steady_clock::now();
                    const bool ok = StartRegularCrossword(sizeIndex, filter, spanish);
                    const auto end = std::chrono::steady_clock::now();
                    times.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
                    successes += ok;
                }
                std::sort(times.begin(), times.end());
                const double rate = 100.0 * successes / requests;
                const double median = times[times.size() / 2];
                const double p95 = times[std::min(times.size() - 1, times.size() * 95 / 100)];
                const bool met = rate >= targets[filter] && median < 50.0 && p95 < 500.0;
                allMet = allMet && met;
                std::printf("%2dx%-2d %-4s %-12s %8.1f%% %11.2f %11.2f%s\n", side, side, spanish ? "ES" : "EN",
                            filterNames[filter], rate, median, p95, met ? "" : "  <- below target");
            }
        }
    }
    std::printf("%s\n", allMet ? "All targets met." : "Some targets missed.");
    return 0;
}
