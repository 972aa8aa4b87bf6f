#include "qcp1252.h"

#include "cp1252.h"

#include <algorithm>
#include <utility>

namespace {

// Walks `text` one code point at a time; an unpaired surrogate is a code point of its own.
template <typename Visit> void ForEachCodePoint(QStringView text, Visit visit) {
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar unit = text[i];
        if (unit.isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
            visit(QChar::surrogateToUcs4(unit, text[i + 1]));
            ++i;
        } else {
            visit(static_cast<char32_t>(unit.unicode()));
        }
    }
}

} // namespace

bool ToCp1252Byte(char32_t ch, char& byte) {
    // Below 0x80 and from 0xA0 to 0xFF the code page is Latin-1; 0x80 to 0x9F carry the rest.
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        byte = static_cast<char>(ch);
        return true;
    }
    // Characters the code page lacks but whose meaning it has: the minus sign and the hyphens
    // that pages and documents write for it are its hyphen-minus, the narrow no-break space
    // that groups digits in some locales is its no-break space. (The en dash has a byte.)
    static constexpr std::pair<char32_t, char> kMeanings[] = {
        {0x2212, '-'}, {0x2010, '-'}, {0x2011, '-'}, {0xFE63, '-'}, {0x202F, '\xA0'}};
    for (const auto& [code, meaning] : kMeanings) {
        if (ch == code) {
            byte = meaning;
            return true;
        }
    }
    for (unsigned b = 0x80; b <= 0x9F; ++b) {
        if (Cp1252ToUnicode(static_cast<unsigned char>(b)) == ch) {
            byte = static_cast<char>(b);
            return true;
        }
    }
    return false;
}

std::string ToCp1252(QStringView text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    ForEachCodePoint(text, [&out](char32_t ch) {
        char byte = '?';
        ToCp1252Byte(ch, byte);
        out.push_back(byte);
    });
    return out;
}

std::string Cp1252Chars(QStringView text) {
    std::string out;
    ForEachCodePoint(text, [&out](char32_t ch) {
        char byte = 0;
        if (ToCp1252Byte(ch, byte))
            out.push_back(byte);
    });
    return out;
}

QString FromCp1252(std::string_view text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text)
        out.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(c)))));
    return out;
}

int CodePointIndex(QStringView text, int at) {
    const qsizetype end = std::min<qsizetype>(std::max(at, 0), text.size());
    int index = 0;
    for (qsizetype i = 0; i < end; ++i, ++index) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return index;
}

int Utf16Index(QStringView text, int codePoint) {
    qsizetype i = 0;
    for (int n = 0; n < codePoint && i < text.size(); ++n) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            i += 2;
        else
            ++i;
    }
    return static_cast<int>(i);
}
