#pragma once
// Byte-exact access to file records: little-endian integers and short strings (a length byte
// and 50 character bytes) at fixed offsets. Records are never dumped from structs.

#include "ShortString.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class RecordWriter {
public:
    explicit RecordWriter(std::span<uint8_t> buffer) : buf_(buffer) {}
    void U8(size_t offset, uint8_t value) { buf_[offset] = value; }
    void I32(size_t offset, int32_t value)
    {
        const auto v = static_cast<uint32_t>(value);
        for (int i = 0; i < 4; ++i)
            buf_[offset + i] = static_cast<uint8_t>(v >> (8 * i));
    }
    void Str(size_t offset, const ShortString& text) { Text(offset, text.view(), ShortString::Capacity); }
    void Bytes(size_t offset, std::span<const uint8_t> bytes)
    {
        for (size_t i = 0; i < bytes.size(); ++i)
            buf_[offset + i] = bytes[i];
    }
    // A short string of any capacity (a length byte, then `capacity` character bytes); longer
    // text is cut, the unused bytes are written as 0.
    void Text(size_t offset, std::string_view text, int capacity)
    {
        const size_t length = text.size() < static_cast<size_t>(capacity) ? text.size() : capacity;
        buf_[offset] = static_cast<uint8_t>(length);
        for (size_t i = 0; i < static_cast<size_t>(capacity); ++i)
            buf_[offset + 1 + i] = i < length ? static_cast<uint8_t>(text[i]) : 0;
    }

private:
    std::span<uint8_t> buf_;
};

class RecordReader {
public:
    explicit RecordReader(std::span<const uint8_t> buffer) : buf_(buffer) {}
    uint8_t U8(size_t offset) const { return buf_[offset]; }
    int32_t I32(size_t offset) const
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<uint32_t>(buf_[offset + i]) << (8 * i);
        return static_cast<int32_t>(v);
    }
    // A length byte past 50 (a damaged record) is read as 50.
    ShortString Str(size_t offset) const
    {
        size_t length = buf_[offset];
        if (length > ShortString::Capacity)
            length = ShortString::Capacity;
        return ShortString(std::string_view(reinterpret_cast<const char*>(&buf_[offset + 1]), length));
    }
    void Bytes(size_t offset, std::span<uint8_t> out) const
    {
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = buf_[offset + i];
    }
    // A short string of `capacity` characters; false (and `out` untouched) when its length
    // byte says more than the capacity, which only a damaged record does.
    bool Text(size_t offset, int capacity, std::string& out) const
    {
        const size_t length = buf_[offset];
        if (length > static_cast<size_t>(capacity))
            return false;
        out.assign(reinterpret_cast<const char*>(&buf_[offset + 1]), length);
        return true;
    }

private:
    std::span<const uint8_t> buf_;
};

// Reads a whole file of at least `size` bytes into `out` (its first `size` bytes); false when
// the file is missing, unreadable, shorter or not a plain file (a pipe is never waited on).
bool ReadFileRecord(const std::string& path, std::span<uint8_t> out);
// Writes the record to a temporary file of this save's own beside `path` (beside the file its
// symbolic links lead to, when it is one), flushes it and renames it over that file, so a failed
// write leaves the old file as it was and two saves at once leave one of them whole. The new file
// keeps the old one's permissions and, where the saver may, its owner and group (the group alone
// when the owner cannot be given). An old file this user may not write is never replaced (false).
// Where the folder refuses the new file or its rename (a read-only folder, another user's file in
// a sticky folder), or the new file could not keep a group that others need, a writable old file
// is written in place instead, under a lock. Hidden temporaries of earlier saves whose process has
// ended are removed; no other file is.
bool WriteFileRecord(const std::string& path, std::span<const uint8_t> record);
