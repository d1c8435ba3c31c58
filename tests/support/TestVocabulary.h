#pragma once
// The vocabulary a test runs on: the program's own, or lines of the test's own.

#include "AnswerIndex.h"
#include "LX_Globals.h"

#include <string>
#include <vector>

// The program's own vocabulary with its length tables.
inline void UseBuiltInVocabulary()
{
    InitWordTables();
    BuildWordLengthTables();
}

// A vocabulary of the test's own, from lines in the vocabulary file's layout.
inline void UseRecordLines(const std::vector<std::string>& lines)
{
    std::vector<const char*> pointers;
    for (const std::string& l : lines)
        pointers.push_back(l.c_str());
    InitWordTablesFrom(pointers.data(), static_cast<int>(pointers.size()));
    BuildWordLengthTables();
}

// The row of a category's sub-category of that name; -1 when there is none.
inline int SubCategoryRow(int category, const std::string& name)
{
    for (int s = 0; s < CategoryTable[category].SubCount; ++s)
        if (CategoryTable[category].SubNames[s].str() == name)
            return s;
    return -1;
}
