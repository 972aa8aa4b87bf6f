#include "fieldlocale.h"

#include "localesource.h"

#include <utility>

void SetFieldLocaleSource(std::function<FieldLocale()> source) {
    LocaleSource<FieldLocale>::Set(std::move(source));
}

FieldLocale UserFieldLocale() {
    return LocaleSource<FieldLocale>::Get();
}
