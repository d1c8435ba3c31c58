#pragma once
// A stored text: at most 50 single-byte (Windows-1252) characters, as kept in the word
// table and in every file record. Longer input is cut to 50 on assignment.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

class ShortString {
public:
    static constexpr int Capacity = 50;

    ShortString() = default;
    ShortString(std::string_view text) { assign(text); }  // NOLINT: implicit by design
    ShortString(const char* text) : ShortString(std::string_view(text)) {}  // NOLINT
    ShortString(const std::string& text) : ShortString(std::string_view(text)) {}  // NOLINT

    void assign(std::string_view text)
    {
        length_ = static_cast<uint8_t>(text.size() < Capacity ? text.size() : Capacity);
        std::memcpy(chars_, text.data(), length_);
    }
    void clear() { length_ = 0; }

    std::string_view view() const { return {chars_, length_}; }
    std::string str() const { return std::string(view()); }
    int size() const { return length_; }
    bool empty() const { return length_ == 0; }
    char operator[](int i) const { return chars_[i]; }

    friend bool operator==(const ShortString& a, const ShortString& b) { return a.view() == b.view(); }
    template <class Text, std::enable_if_t<std::is_convertible_v<const Text&, std::string_view>, int> = 0>
    friend bool operator==(const ShortString& a, const Text& b)
    {
        return a.view() == std::string_view(b);
    }

private:
    uint8_t length_ = 0;
    char chars_[Capacity] = {};
};
