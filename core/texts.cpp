#include "texts.h"

std::string TextLocale::Tr(const char* context, const char* text) const {
    return translate ? translate(context, text) : std::string(text);
}

std::string Compose(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            out += args.begin()[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string TextLocale::LocalNumber(std::string number) const {
    if (decimalPoint != '.') {
        for (char& c : number) {
            if (c == '.')
                c = decimalPoint;
        }
    }
    return number;
}
