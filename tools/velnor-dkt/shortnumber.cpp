#include "shortnumber.h"

#include "textnumber.h"

std::string ShortNumber(double v, int decimals) {
    std::string text = FormatFixed(v, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}
