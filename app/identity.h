#pragma once

class CVersionResource;
struct RefrigerantDatabase;

// The texts that say which program, version and database version the user is looking at:
// NUL-terminated Windows-1252, filled once at start.
struct ProductIdentity {
    char szTitle[100] = {};       // "FileDescription": window title, report header
    char szProductName[104] = {}; // "ProductName": about box, summary panel
    char szVersion[104] = {};     // "major.minor SpecialBuild": about box, summary, report
    char szDbVersion[16] = {};    // the database's version line: summary panel
};

// The process-wide texts the windows show.
extern ProductIdentity theProductIdentity;

// Fills `identity` from `version` as its last load left it. A loaded record gives the title and
// product name (at most 98 characters each; a missing entry leaves its text empty),
// "%d.%d %s" of the file version's major and minor numbers and the "SpecialBuild" entry (at most
// 48 characters), and the database version "0.0.x" until the database says otherwise. Without a
// record: " ", "Velnor", "0.0" and "0.0".
void FillProductIdentity(ProductIdentity& identity, const CVersionResource& version);

// The start-up sequence: loads the running program's own record and fills `identity` from it.
void LoadProductIdentity(ProductIdentity& identity);

// Takes over the database's version line (cut to 15 characters) when it is not empty.
void ApplyDatabaseVersion(ProductIdentity& identity, const RefrigerantDatabase& db);
