#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the raw bytes of a database file reveal before any unscrambling: the things the
// program's text-mode read does silently and a maintainer would want to hear about.
// `bytes` is the start of the file, read up to one byte past the 102,400 the program reads,
// so that a longer file can be told apart.
std::vector<std::string> ScanDatabaseBytes(std::string_view bytes);
