// Rebuild cost of the answer indexes, at the built-in size and at the full 10000 words.

#include "AnswerIndex.h"
#include "LX_Data.h"
#include "LX_Globals.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_RebuildBuiltIn(benchmark::State& state)
{
    InitWordTables();
    for (auto _ : state)
        BuildWordLengthTables();
    state.counters["words"] = WordCount;
}
BENCHMARK(BM_RebuildBuiltIn)->Unit(benchmark::kMillisecond);

// Fills the table to capacity with distinct custom-looking words, so every form is filed.
void BM_RebuildFull(benchmark::State& state)
{
    InitWordTables();
    for (int i = WordCount + 1; i <= MaxWords; ++i) {
        TWordRecord& w = WordTable[i];
        const std::string n = std::to_string(i);
        w.English = "word number " + n;
        w.Spanish = "palabra numero " + n;
        w.EnglishPlural = "words number " + n;
        w.SpanishPlural = "palabras numero " + n;
        w.LessCommon = i % 2;
    }
    WordCount = MaxWords;
    for (auto _ : state)
        BuildWordLengthTables();
    state.counters["words"] = WordCount;
}
BENCHMARK(BM_RebuildFull)->Unit(benchmark::kMillisecond);

}  // namespace
