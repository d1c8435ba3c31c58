#include "QtText.h"

#include "TextCodec.h"

QString ToQt(std::string_view cp1252)
{
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252) {
        const char32_t cp = Cp1252ToUnicode(static_cast<unsigned char>(c));
        out += QChar(static_cast<char16_t>(cp ? cp : U'?'));
    }
    return out;
}

std::string FromQt(const QString& text)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar ch : text) {
        const int byte = UnicodeToCp1252(ch.unicode());
        out += byte >= 0 ? static_cast<char>(byte) : '?';
    }
    return out;
}
