#pragma once

#include "databaseload.h"

#include <string>
#include <vector>

// velnor-dkt check [--quiet] FILE.dkt: reads the file as the program does and describes what
// it holds, or says why the program could not read it. --quiet keeps only the notes, the
// warnings and a failure.
int RunCheck(const std::vector<std::string>& args);

// The check's report in UTF-8: the contents (unless `quiet`), then the notes and warnings,
// then for an unreadable file the program's message, the reason and the line.
std::string DescribeDatabase(const LoadedDatabase& loaded, bool quiet);
