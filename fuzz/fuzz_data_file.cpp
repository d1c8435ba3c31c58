// Feeds arbitrary bytes to the data-file reader as a (padded or cut) record, rebuilds the
// answer indexes, writes the record back, and checks that reading what was written gives
// the same record again. A record the reader refuses must leave the tables as they were.

#include "AnswerIndex.h"
#include "LX_Data.h"
#include "LX_Globals.h"

#include "FuzzRecord.h"

#include <algorithm>
#include <vector>

namespace {

// The tables as InitWordTables leaves them. Rebuilding them per input would cost more than
// the rest of a run, so each run starts from this copy instead.
std::vector<TWordRecord> WordSnapshot;
std::vector<TCategoryRecord> CategorySnapshot;

void RestoreTables()
{
    std::copy(WordSnapshot.begin(), WordSnapshot.begin() + std::max(WordCount, BuiltInWordCount) + 1, WordTable);
    std::copy(CategorySnapshot.begin(), CategorySnapshot.end(), CategoryTable);
    WordCount = BuiltInWordCount;
    TotalCategoryCount = CategoryCount;
}

bool ApplyRecord(const std::vector<uint8_t>& record)
{
    return ApplyDataFile(std::span<const uint8_t, DataFileSize>(record.data(), DataFileSize));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    InitWordTables();
    WordSnapshot.assign(WordTable, WordTable + MaxWords + 1);
    CategorySnapshot.assign(CategoryTable, CategoryTable + MaxCategories);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t>& record = FitToRecord(data, size, DataFileSize);

    RestoreTables();
    if (!ApplyRecord(record)) {
        Check(WordCount == BuiltInWordCount && TotalCategoryCount == CategoryCount);
        return 0;
    }
    BuildWordLengthTables();

    Check(CustomCategoryCount >= 0 && CustomCategoryCount <= MaxCustomCategories);
    Check(CustomWordCount >= 0 && CustomWordCount <= MaxCustomWords);
    Check(WordCount == BuiltInWordCount + CustomWordCount && WordCount <= MaxWords);
    Check(TotalCategoryCount == CategoryCount + CustomCategoryCount);
    Check(Preferences.AnswerLanguage == "S" || Preferences.AnswerLanguage == "E");

    const std::vector<uint8_t> written = AssembleDataFile();
    Check(written.size() == DataFileSize);

    // What the program wrote must read back to the same record.
    RestoreTables();
    Check(ApplyRecord(written));
    Check(AssembleDataFile() == written);
    return 0;
}
