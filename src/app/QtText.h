#pragma once
// The one boundary between stored Windows-1252 texts and the widgets' QString.

#include "ShortString.h"

#include <QColor>
#include <QString>

#include <string>
#include <string_view>

QString ToQt(std::string_view cp1252);
inline QString ToQt(const ShortString& text) { return ToQt(text.view()); }
inline QString ToQt(const std::string& text) { return ToQt(std::string_view(text)); }
inline QString ToQt(const char* text) { return ToQt(std::string_view(text)); }
std::string FromQt(const QString& text);  // characters Windows-1252 lacks become '?'
// The text in Windows-1252, or false (out untouched) with the first character it cannot hold.
bool FromQtExact(const QString& text, std::string& out, QString* unstorable = nullptr);
// The text of a box whose text is stored (custom words and names, player names), made storable
// by StorableText; or false (out untouched) with the name of the first character it cannot store:
// the character itself, or its code ("U+0007") when it cannot be seen.
bool StoredTextFromQt(const QString& text, std::string& out, QString* refusedName = nullptr);
// The message that refuses such a character.
QString CannotStoreText(const QString& refusedName);

// Colours are given blue-high (0x800000 is navy).
inline QColor BlueHigh(uint32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

constexpr uint32_t ColorNavy = 0x800000;
constexpr uint32_t ColorWhite = 0xFFFFFF;
constexpr uint32_t ColorHeader = 0xFFFF80;      // header rows and instruction boxes
constexpr uint32_t ColorMainWindow = 0xFEFCE2;  // the main window, copied into every screen
constexpr uint32_t ColorCorrect = 0x87FAB3;
constexpr uint32_t ColorWrong = 0x0000FF;
