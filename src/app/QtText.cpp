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

namespace {

QString CharacterName(char32_t cp)
{
    if (QChar::isPrint(cp) && !QChar::isSpace(cp))
        return QString::fromUcs4(&cp, 1);
    return "U+" + QString::number(uint(cp), 16).toUpper().rightJustified(4, '0');
}

}  // namespace

bool FromQtExact(const QString& text, std::string& out, QString* unstorable)
{
    std::string converted;
    converted.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const int byte = ch.isSurrogate() ? -1 : UnicodeToCp1252(ch.unicode());
        if (byte < 0) {
            if (unstorable) {
                const bool pair = ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
                *unstorable = text.mid(i, pair ? 2 : 1);
            }
            return false;
        }
        converted += static_cast<char>(byte);
    }
    out = std::move(converted);
    return true;
}

bool StoredTextFromQt(const QString& text, std::string& out, QString* refusedName)
{
    std::string bytes;
    QString bad;
    if (!FromQtExact(text, bytes, &bad)) {
        if (refusedName)
            *refusedName = CharacterName(bad.size() == 2 ? QChar::surrogateToUcs4(bad[0], bad[1]) : bad[0].unicode());
        return false;
    }
    unsigned char refused = 0;
    if (!StorableText(bytes, out, &refused)) {
        if (refusedName)
            *refusedName = CharacterName(refused);
        return false;
    }
    return true;
}

QString CannotStoreText(const QString& refusedName)
{
    return "The character " + refusedName + " cannot be stored.\n\r\n\rPlease use another character.";
}
