#include "qnumberlocale.h"

#include "qcp1252.h"

namespace {

std::string FirstChar(const QString& text) {
    if (text.isEmpty())
        return {};
    const char32_t first = text.front().isHighSurrogate() && text.size() > 1
                               ? QChar::surrogateToUcs4(text[0], text[1])
                               : static_cast<char32_t>(text.front().unicode());
    char byte = 0;
    if (!ToCp1252Byte(first, byte))
        return {};
    return std::string(1, byte);
}

} // namespace

NumberLocale NumberLocaleOf(const QLocale& locale) {
    NumberLocale out;
    out.negativeSign = FirstChar(locale.negativeSign());
    out.decimalSeparator = FirstChar(locale.decimalPoint());
    out.thousandsSeparator = FirstChar(locale.groupSeparator());
    return out;
}
