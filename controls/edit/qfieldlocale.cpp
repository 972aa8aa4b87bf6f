#include "qfieldlocale.h"

#include "qcp1252.h"
#include "qnumberlocale.h"

namespace {

// The first character of a date or time format that is neither a letter nor a quote.
std::string SeparatorIn(const QString& format) {
    for (const QChar c : format) {
        if (!c.isLetter() && c != QLatin1Char('\''))
            return Cp1252Chars(QStringView(&c, 1));
    }
    return {};
}

} // namespace

FieldLocale FieldLocaleOf(const QLocale& locale) {
    FieldLocale out;
    const QString date = locale.dateFormat(QLocale::ShortFormat);
    out.dateSeparator = SeparatorIn(date);
    out.shortDateFormat = Cp1252Chars(date);
    const QString time = locale.timeFormat(QLocale::ShortFormat);
    out.timeSeparator = SeparatorIn(time);
    out.amSymbol = Cp1252Chars(locale.amText());
    out.pmSymbol = Cp1252Chars(locale.pmText());
    out.twentyFourHour = !time.contains(QLatin1Char('a'), Qt::CaseInsensitive);

    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    // The compatibility form first: the full-width yen sign of ja_JP is the code page's yen sign.
    out.currencySymbol = Cp1252Chars(symbol.normalized(QString::NormalizationForm_KC));
    out.monetaryGrouping = "3;0";
    // The currency text of 1 tells the digits after the decimal point and where the symbol
    // stands.
    const QString one = locale.toCurrencyString(1.0, symbol);
    const qsizetype point = one.indexOf(locale.decimalPoint());
    int digits = 0;
    for (qsizetype i = point + 1; point >= 0 && i < one.size() && one[i].isDigit(); ++i)
        ++digits;
    out.currencyDigits = digits;
    if (symbol.isEmpty() || one.startsWith(symbol))
        out.positiveCurrencyFormat =
            one.size() > symbol.size() && one[symbol.size()].isSpace() ? 2 : 0;
    else
        out.positiveCurrencyFormat =
            one.size() > symbol.size() && one[one.size() - symbol.size() - 1].isSpace() ? 3 : 1;
    const NumberLocale numbers = NumberLocaleOf(locale);
    out.monetaryDecimal = numbers.decimalSeparator;
    out.monetaryThousands = numbers.thousandsSeparator;
    return out;
}
