#pragma once
// What every record fuzzer shares: a broken invariant aborts the run, and the input is fitted
// to one record (cut when longer, zero-padded when shorter).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

inline void Check(bool ok)
{
    if (!ok)
        std::abort();
}

// One buffer serves every run, so a run allocates nothing for its input.
inline const std::vector<uint8_t>& FitToRecord(const uint8_t* data, size_t size, size_t recordSize)
{
    static std::vector<uint8_t> record;
    record.assign(recordSize, uint8_t{0});
    std::memcpy(record.data(), data, std::min(size, recordSize));
    return record;
}
