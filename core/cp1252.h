#pragma once

#include <string>
#include <string_view>

// The program's texts are single-byte Windows-1252 (º is 0xBA, ™ 0x99, ® 0xAE).

// The Unicode code point of a Windows-1252 byte; the five bytes the code page leaves
// undefined map to themselves, as the platform's conversion does.
char32_t Cp1252ToUnicode(unsigned char byte);

std::string Cp1252ToUtf8(std::string_view text);
