#include "numberlocale.h"

#include "localesource.h"

#include <utility>

void SetNumberLocaleSource(std::function<NumberLocale()> source) {
    LocaleSource<NumberLocale>::Set(std::move(source));
}

NumberLocale UserNumberLocale() {
    return LocaleSource<NumberLocale>::Get();
}
