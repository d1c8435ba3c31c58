#pragma once
// What the rules tests share: the vocabulary they run on and the text fields of saved records.

#include "AnswerIndex.h"
#include "LX_Globals.h"
#include "RecordIO.h"

#include <gtest/gtest.h>

#include <cstdint>
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

// The text field of a record at a byte offset; a failure when it does not read.
inline std::string TextAt(const std::vector<uint8_t>& rec, size_t at, int capacity)
{
    std::string s;
    EXPECT_TRUE(RecordReader(rec).Text(at, capacity, s));
    return s;
}
