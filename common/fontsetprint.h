// A print of the fonts the system offers and of the rules that choose among them: it changes
// when a font is installed, removed or updated, or when the font configuration is edited. A
// render with letters, kept between runs, is valid only while the print stays the same.
#pragma once

#include <string>

// The print, or an empty text where the system's font set cannot be looked at (no fontconfig):
// then nothing with letters may be kept between runs.
std::string FontSetPrint();
