// The masked field on an in-memory field.
#include "memoryfield.h"

#include <gtest/gtest.h>

#include <cctype>
#include <tuple>

namespace {

constexpr const char* kPhone = "(###) ###-####";

} // namespace

TEST(MaskRule, FilteringWalksTextAndMaskTogether) {
    // mask, text, shown
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {kPhone, "(555) 123-4567", "(555) 123-4567"},
        {kPhone, "(555) 12x-4567", "(555) 12"},
        {kPhone, "555", ""},
        {kPhone, "(555) 123-45678", "(555) 123-4567"},
        // The characters fill the places exactly: the literals are put in.
        {kPhone, "555-123-4567", "(555) 123-4567"},
        {kPhone, "5551234567", "(555) 123-4567"},
        {kPhone, "555.123.456", ""},
        {kPhone, "555-123-4567 x2", ""},
        {"", "any text", "any text"},
    };
    for (const auto& [mask, text, shown] : rows) {
        MaskField f(mask);
        f.edit.SetText(text);
        EXPECT_EQ(f.edit.GetText(), shown) << mask << " " << text;
    }
}

TEST(MaskRule, TypingPutsInTheLiteralsAndGoesOverCharacters) {
    // start, keys, end
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"|", "5551234567", "(555) 123-4567|"}, {"|", "x", "|"},
        {"(5|55) 1", "9", "(59|5) 1"},          {"(555|) 1", "9", "(555) 9|"},
        {"(555|) 1", ")", "(555)| 1"},          {"(55[5) 1]", "7", "(557|"},
        {"(555) |1", "\b", "(555)| 1"},         {"(555) 1|", "\b", "(555) |"},
    };
    for (const auto& [start, keys, end] : rows) {
        MaskField f(kPhone);
        f.Put(start);
        f.Type(keys);
        EXPECT_EQ(f.State(), end) << start << " + " << keys;
    }
}

TEST(MaskRule, DeleteOnlyAtTheEnd) {
    // start, after Delete
    const std::pair<const char*, const char*> rows[] = {
        {"(555) 1[23]", "(555) 1|"},
        {"(555) 12|3", "(555) 12|"},
        {"(5|55) 123", "(5|55) 123"},
        {"(5[55) 1]23", "(5[55) 1]23"},
    };
    for (const auto& [start, end] : rows) {
        MaskField f(kPhone);
        f.Put(start);
        f.Type("\x7F");
        EXPECT_EQ(f.State(), end) << start;
    }
}

TEST(MaskRule, AddedSymbolsTestAndConvert) {
    MaskField f("AA-##");
    f.edit.Rule().AddSymbol(
        {'A', [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; },
         [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }});
    f.Type("ab12");
    EXPECT_EQ(f.State(), "AB-12|");
}
