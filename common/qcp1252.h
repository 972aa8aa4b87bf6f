#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

// The fields' Windows-1252 texts and Qt's: each byte is one character (one code point) of the
// QString, so a byte position is a code-point position. The five bytes the code page leaves
// undefined stand for the code points of the same value, both ways, as in Cp1252ToUnicode.

// The byte of a code point; false when the code page has none. A character the code page lacks
// but whose meaning it has is that byte: U+2212 (minus), U+2010, U+2011 and U+FE63 are '-',
// U+202F (narrow no-break space) is 0xA0. So these, unlike the rest, do not come back from
// FromCp1252 as they were.
bool ToCp1252Byte(char32_t ch, char& byte);

// `text` in Windows-1252, '?' for each character the code page lacks.
std::string ToCp1252(QStringView text);
// The characters of `text` that the code page has, in order; the others are left out.
std::string Cp1252Chars(QStringView text);
QString FromCp1252(std::string_view text);

// The code-point position of the UTF-16 position `at` in `text` (a position inside a surrogate
// pair counts as after it), and back; both clamp to the text.
int CodePointIndex(QStringView text, int at);
int Utf16Index(QStringView text, int codePoint);
