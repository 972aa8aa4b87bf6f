#pragma once

#include <string>
#include <vector>

// velnor-dkt encode PLAIN.txt OUT.dkt: scrambles a plain text into a database file that the
// program reads back to exactly that text, or refuses and writes nothing.
int RunEncode(const std::vector<std::string>& args);

// Checks scrambled `bytes` against the `text` they came from: the program's unscrambling gives
// the text back, and no filler byte is CR, LF or 0x1A (which the text-mode read would turn
// into a shift or an end). Empty when sound, else the reason.
std::string VerifyScrambled(const std::string& text, const std::string& bytes);
