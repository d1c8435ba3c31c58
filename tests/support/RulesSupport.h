#pragma once
// What the rules tests share: the vocabulary they run on and the text fields of saved records.

#include "TestVocabulary.h"

#include "RecordIO.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// The text field of a record at a byte offset; a failure when it does not read.
inline std::string TextAt(const std::vector<uint8_t>& rec, size_t at, int capacity)
{
    std::string s;
    EXPECT_TRUE(RecordReader(rec).Text(at, capacity, s));
    return s;
}
