#pragma once
// Windows-1252 is the program's text encoding: one byte per letter, so "ñ" is one letter.
// These convert at the edges (build-time vocabulary, widgets).

#include <string>
#include <string_view>

// Characters Windows-1252 cannot hold become '?'; unrepresentable counts them when not null.
std::string Cp1252FromUtf8(std::string_view utf8, int* unrepresentable = nullptr);
std::string Utf8FromCp1252(std::string_view cp1252);

// The Unicode code point of one Windows-1252 byte (0 for the five unassigned bytes).
char32_t Cp1252ToUnicode(unsigned char byte);
// The Windows-1252 byte of a code point, or -1 when it has none.
int UnicodeToCp1252(char32_t codePoint);

// Text helpers on Windows-1252 strings.
std::string LowerAscii(std::string_view text);        // only A..Z are lowered
std::string FoldSpanishAccents(std::string_view text); // á..ü and Á..Ü to plain lower letters
std::string Trim(std::string_view text);               // leading and trailing blanks

// A text typed or pasted into a box whose text is stored. No control character (below 32, or
// 127) may be kept: a tab or line break (CR, LF, CRLF) becomes one blank, merged with the blanks
// around it and dropped at either end; any other one is refused: false, out untouched and the
// character in *refused.
bool StorableText(std::string_view text, std::string& out, unsigned char* refused = nullptr);
