#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Texts a user reads are written in English and marked for Qt's translation tools, which read
// two forms (see translations/README.md):
//   VELNOR_TRANSLATE_NOOP(context, text)  marks a text kept for later, as in a table; it is the
//                                         text itself
//   Tr(context, text)                     the text in the language the program runs in
// Both take literals. The core keeps no Qt dependency: Tr asks the translator the Qt edge has
// installed and, without one (the database tool, the tests), gives the English text.
#define VELNOR_TRANSLATE_NOOP(context, text) text

// What the Qt edge installs: the translation of an English text (both in Windows-1252), and
// the decimal point of the numbers a user reads.
struct TextLocale {
    std::string (*translate)(const char* context, const char* text) = nullptr;
    char decimalPoint = '.';
};
void SetTextLocale(const TextLocale& locale);

std::string Tr(const char* context, const char* text);

// `pattern` with %1, %2, ... replaced by `args` in order; a number past the list stays as it
// is. Composed texts are translated as patterns, so a language may order the parts its way.
std::string Compose(std::string_view pattern, std::initializer_list<std::string_view> args);

// A number formatted with '.' as decimal point ("14.5", "-40.0") with the user's decimal point.
std::string LocalNumber(std::string number);
