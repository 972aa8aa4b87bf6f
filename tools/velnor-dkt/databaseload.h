#pragma once

#include "database.h"

#include <memory>
#include <string>
#include <vector>

// A database file read from any path the way the program reads Velnor.dkt from its working
// directory: the first 102,400 bytes, the same unscrambling and the same parser.
struct LoadedDatabase {
    bool readable = false;
    std::string failure;                // why the program could not read it
    int failureLine = 0;                // line of the text the parser stopped at; 0 if none
    std::vector<std::string> fileNotes; // what the raw bytes reveal (ScanDatabaseBytes)
    std::vector<std::string> warnings;  // what the parser tolerated
    DatabaseFile file;
    RefrigerantDatabase db;
    HelpText help;
};

// The reader's buffers are large, so the result lives on the heap.
std::unique_ptr<LoadedDatabase> LoadDatabase(const std::string& path);
