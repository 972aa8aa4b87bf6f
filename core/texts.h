#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Texts a user reads are written in English and marked for Qt's translation tools, which read
// two forms (see translations/README.md):
//   VELNOR_TRANSLATE_NOOP(context, text)  marks a text kept for later, as in a table; it is the
//                                         text itself
//   texts.Tr(context, text)               the text in the language of `texts`, a TextLocale
// Both take literals. The core keeps no Qt dependency: a TextLocale carries the translator the
// Qt edge fills it with and, without one (the database tool, the tests), gives the English text.
#define VELNOR_TRANSLATE_NOOP(context, text) text

// The language the texts a user reads are composed in: the translation of an English text (both
// in Windows-1252) and the decimal point of the numbers. There is one per run, owned by the
// application and lent to what composes texts; a default one is English with '.'.
struct TextLocale {
    std::string (*translate)(const char* context, const char* text) = nullptr;
    char decimalPoint = '.';

    std::string Tr(const char* context, const char* text) const;
    // A number formatted with '.' as decimal point ("14.5", "-40.0") with this decimal point.
    std::string LocalNumber(std::string number) const;
};

// `pattern` with %1, %2, ... replaced by `args` in order; a number past the list stays as it
// is. Composed texts are translated as patterns, so a language may order the parts its way.
std::string Compose(std::string_view pattern, std::initializer_list<std::string_view> args);
