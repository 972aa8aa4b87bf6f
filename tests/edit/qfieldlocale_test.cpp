// The date, time and currency settings taken from QLocale, and the field defaults they give.
#include "datetimerule.h"
#include "memoryfield.h"
#include "moneyedit.h"
#include "qfieldlocale.h"
#include "qnumberlocale.h"

#include <gtest/gtest.h>

struct FieldLocaleRow {
    const char* name;
    QLocale locale;
    const char* date;  // 2007-04-05 13:05 in a date-and-time field
    const char* money; // 1234.5 in a money field
};

TEST(QFieldLocale, PinnedLocalesGiveTheFieldDefaults) {
    const FieldLocaleRow rows[] = {
        {"English", QLocale(QLocale::English, QLocale::UnitedStates), "04/05/2007 01:05 PM",
         "$1,234.50"},
        {"German", QLocale(QLocale::German, QLocale::Germany), "05.04.2007 13:05", "1.234,50 \x80"},
        // Year first, then month: month first; the full-width yen sign is the code page's, and
        // the yen has no decimals.
        {"Japanese", QLocale(QLocale::Japanese, QLocale::Japan), "04/05/2007 13:05",
         "\xA5"
         "1,234"},
    };
    for (const FieldLocaleRow& row : rows) {
        SCOPED_TRACE(row.name);
        const FieldLocale locale = FieldLocaleOf(row.locale);
        DateTimeField dateTime(locale);
        dateTime.edit.Rule().SetValue({2007, 4, 5, 13, 5, 0});
        EXPECT_EQ(dateTime.edit.GetText(), row.date);
        MemoryField<CMoneyEdit> money(locale, NumberLocaleOf(row.locale));
        money.edit.SetValue(1234.5);
        EXPECT_EQ(money.edit.GetText(), row.money);
    }
}
