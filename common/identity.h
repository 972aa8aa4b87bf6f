#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

struct RefrigerantDatabase;

// The texts that say which program, version and database version the user is looking at:
// NUL-terminated Windows-1252, filled once at start. There is one per process: the application
// owns it and lends it to the windows that show it.
struct ProductIdentity {
    char szTitle[100] = {};       // "FileDescription": window title, report header
    char szProductName[104] = {}; // "ProductName": about box, summary panel
    char szVersion[104] = {};     // "major.minor SpecialBuild": about box, summary, report
    char szDbVersion[16] = {};    // the database's version line: summary panel
};

// The title of the program's message boxes: `szTitle`, or where it has nothing to read (empty,
// or the single blank of a missing version record) the product name, or else "Velnor".
std::string MessageBoxTitle(const ProductIdentity& identity);

// Takes over the database's version line (cut to 15 characters) when it is not empty.
void ApplyDatabaseVersion(ProductIdentity& identity, const RefrigerantDatabase& db);

// Copies `text` into a fixed text buffer, cut to fit; the rest of the buffer is zeroed.
template <std::size_t N> void CopyText(char (&dest)[N], const char* text) {
    std::memset(dest, 0, N);
    std::snprintf(dest, N, "%s", text);
}
