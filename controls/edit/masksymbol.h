#pragma once

#include <functional>

// A character of a mask that stands for one typed character: `test` says whether a character
// may stand in its place (none: any may), `convert` turns an accepted one into what is shown
// (none: unchanged).
struct MaskSymbol {
    char symbol = '#';
    std::function<bool(char)> test;
    std::function<char(char)> convert;

    bool Accepts(char ch) const { return !test || test(ch); }
    char Converted(char ch) const { return convert ? convert(ch) : ch; }
};
