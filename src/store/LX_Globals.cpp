#include "LX_Globals.h"

#include "TextCodec.h"

#include <charconv>
#include <vector>

TWordRecord WordTable[MaxWords + 1];
int32_t WordCount = 0;
int32_t BuiltInWordCount = 0;

TCategoryRecord CategoryTable[MaxCategories];
int32_t CategoryCount = 0;
int32_t TotalCategoryCount = 0;

const std::string VersionText = "Version 2.10";
const std::string VersionDate = "January 2012";

void EmptyWordRecord(TWordRecord& w)
{
    w.Mark = -1;
    w.English.clear();
    w.Spanish.clear();
    w.SpanishLetters.clear();
    w.SpanishSortKey.clear();
    w.EnglishSortKey.clear();
    w.Note.clear();
    w.WordType = WordOther;
    w.Category = -1;
    w.SubCategory = -1;
}

namespace {

bool CategoryPass = false;

std::string PlusToComma(std::string text)
{
    for (char& c : text)
        if (c == '+')
            c = ',';
    return text;
}

void ClearWordSlot(TWordRecord& w)
{
    // EnglishLetters, the plurals and the enumerations are left alone: the derived-form
    // rebuild writes them before anything reads them.
    EmptyWordRecord(w);
    w.Id = -1;
    w.LessCommon = -1;
    w.Learned = 0;
}

int FindCategory(std::string_view name)
{
    for (int c = 0; c < CategoryCount; ++c)
        if (CategoryTable[c].Name == name)
            return c;
    return -1;
}

int FindSubCategory(const TCategoryRecord& cat, std::string_view name)
{
    for (int s = 0; s < cat.SubCount && s < MaxSubCategories; ++s)
        if (cat.SubNames[s] == name)
            return s;
    return -1;
}

// Re-sorts the first names of a category ascending, case-insensitive on A..Z, byte by byte;
// the first of equal names wins. Works on ten names, as the built-in list never has more.
void SortSubNames(TCategoryRecord& cat, int n)
{
    constexpr int Work = 10;
    std::string copies[Work];
    for (int i = 0; i < Work; ++i) {
        copies[i] = cat.SubNames[i].str();
        cat.SubNames[i].clear();
    }
    cat.SubCount = 0;
    for (int i = 0; i < n && i < Work; ++i) {
        std::string best = "zzzzz";
        int pick = -1;
        for (int k = 0; k < Work; ++k) {
            if (copies[k].empty())
                continue;
            const std::string key = LowerAscii(copies[k]);
            if (key < best) {
                best = key;
                pick = k;
            }
        }
        if (pick < 0)
            break;
        cat.SubNames[i] = copies[pick];
        copies[pick].clear();
        cat.SubCount = i + 1;
    }
}

}  // namespace

uint8_t WordTypeFromCode(std::string_view code)
{
    if (code == "M") return WordMasculine;
    if (code == "F") return WordFeminine;
    if (code == "MF") return WordMasculineOrFeminine;
    if (code == "MP") return WordMasculinePlural;
    if (code == "FP") return WordFemininePlural;
    if (code == "V" || code == "VR") return WordVerb;
    if (code == "adj") return WordAdjective;
    return WordOther;
}

void SetCategoryPass(bool categoryPass)
{
    CategoryPass = categoryPass;
}

void ParseWordRecord(std::string_view line)
{
    // Fields follow the first comma; the text after the last comma is ignored.
    std::vector<std::string> fields;
    size_t start = line.find(',');
    if (start == std::string_view::npos)
        return;
    for (size_t pos = start + 1;;) {
        const size_t comma = line.find(',', pos);
        if (comma == std::string_view::npos)
            break;
        fields.push_back(Trim(line.substr(pos, comma - pos)));
        pos = comma + 1;
    }
    fields.resize(11);
    if (CategoryPass)
        WordCount = 1;
    else if (WordCount < MaxWords)
        ++WordCount;
    else
        return;

    TWordRecord& w = WordTable[WordCount];
    w.Note = fields[1];
    w.WordType = WordTypeFromCode(fields[2]);
    w.English = PlusToComma(fields[3]);
    w.Spanish = fields[4];
    w.EnglishPlural = PlusToComma(fields[5]);
    w.SpanishPlural = fields[6];
    w.LessCommon = fields[9] == "0" ? 0 : 1;
    int id = 0;
    std::from_chars(fields[10].data(), fields[10].data() + fields[10].size(), id);
    w.Id = id;
    // Names are looked up as they are stored: cut to 50.
    const std::string category = ShortString(fields[7]).str();
    const std::string sub = ShortString(PlusToComma(fields[8])).str();

    if (CategoryPass) {
        const int c = FindCategory(category);
        if (c < 0) {
            if (CategoryCount >= BuiltInCategorySlots)
                return;
            TCategoryRecord& cat = CategoryTable[CategoryCount++];
            cat.Name = category;
            cat.SubCount = 1;
            cat.SubNames[0] = sub;
            return;
        }
        TCategoryRecord& cat = CategoryTable[c];
        if (FindSubCategory(cat, sub) >= 0 || cat.SubCount >= 10)
            return;
        cat.SubNames[cat.SubCount++] = sub;
        SortSubNames(cat, cat.SubCount);
        return;
    }
    w.Category = FindCategory(category);
    w.SubCategory = w.Category >= 0 ? FindSubCategory(CategoryTable[w.Category], sub) : -1;
}

void InitWordTablesFrom(const char* const* lines, int count)
{
    CategoryCount = 0;
    TotalCategoryCount = 0;
    for (TCategoryRecord& cat : CategoryTable)
        cat = TCategoryRecord{};
    WordCount = 0;
    for (int i = 1; i <= MaxWords; ++i)
        ClearWordSlot(WordTable[i]);

    SetCategoryPass(true);
    for (int i = 0; i < count; ++i)
        ParseWordRecord(lines[i]);
    WordCount = 0;
    ClearWordSlot(WordTable[1]);
    SetCategoryPass(false);
    for (int i = 0; i < count; ++i)
        ParseWordRecord(lines[i]);

    TotalCategoryCount = CategoryCount;
    BuiltInWordCount = WordCount;
}

void InitWordTables()
{
    InitWordTablesFrom(BuiltInRecords, BuiltInRecordCount);
}
