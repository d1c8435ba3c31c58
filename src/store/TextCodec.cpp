#include "TextCodec.h"

#include <array>
#include <utility>

namespace {

// 0x80..0x9F differ from Latin-1; 0 marks the unassigned bytes.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

char32_t Cp1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return HighControls[byte - 0x80];
    return byte;
}

int UnicodeToCp1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (HighControls[i] != 0 && HighControls[i] == cp)
            return 0x80 + i;
    return -1;
}

std::string Utf8FromCp1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char c : text) {
        const char32_t cp = Cp1252ToUnicode(static_cast<unsigned char>(c));
        AppendUtf8(out, cp ? cp : U'?');
    }
    return out;
}

std::string Cp1252FromUtf8(std::string_view text, int* unrepresentable)
{
    std::string out;
    out.reserve(text.size());
    int bad = 0;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        char32_t cp = extra == 0 ? lead : extra == 1 ? (lead & 0x1F) : extra == 2 ? (lead & 0x0F) : (lead & 0x07);
        bool valid = extra >= 0 && i + static_cast<size_t>(extra) < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                valid = false;
            else
                cp = (cp << 6) | (next & 0x3F);
        }
        const int byte = valid ? UnicodeToCp1252(cp) : -1;
        if (byte < 0) {
            ++bad;
            out += '?';
        } else {
            out += static_cast<char>(byte);
        }
        i += valid ? extra + 1 : 1;
    }
    if (unrepresentable)
        *unrepresentable = bad;
    return out;
}

std::string LowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string FoldSpanishAccents(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        switch (static_cast<unsigned char>(c)) {
        case 0xE1: case 0xC1: c = 'a'; break;
        case 0xE9: case 0xC9: c = 'e'; break;
        case 0xED: case 0xCD: c = 'i'; break;
        case 0xF3: case 0xD3: c = 'o'; break;
        case 0xFA: case 0xDA: case 0xFC: case 0xDC: c = 'u'; break;
        case 0xF1: case 0xD1: c = 'n'; break;
        default: break;
        }
    }
    return out;
}

std::string Trim(std::string_view text)
{
    size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    return std::string(text.substr(b, e - b));
}

bool StorableText(std::string_view text, std::string& out, unsigned char* refused)
{
    const auto isBreak = [](char c) { return c == '\t' || c == '\r' || c == '\n'; };
    std::string kept;
    kept.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (isBreak(text[i])) {
            // The break with every blank beside it is one blank, and none at either end.
            while (!kept.empty() && kept.back() == ' ')
                kept.pop_back();
            while (i < text.size() && (text[i] == ' ' || isBreak(text[i])))
                ++i;
            if (!kept.empty() && i < text.size())
                kept += ' ';
            continue;
        }
        if (c < 32 || c == 127) {
            if (refused)
                *refused = c;
            return false;
        }
        kept += text[i++];
    }
    out = std::move(kept);
    return true;
}
