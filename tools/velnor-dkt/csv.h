#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 writes them: records end with LF or CR LF; a field in
// double quotes may hold commas, line breaks and quotes written twice.

struct CsvRecord {
    int line = 0; // the line the record starts on, from 1
    std::vector<std::string> fields;
    std::string error; // why the record is malformed; empty when it is not
};

// The records of `text`. An empty line is no record. A record with a quote that does not close,
// text after a closing quote or a quote inside an unquoted field carries an error; reading goes
// on at the next line.
std::vector<CsvRecord> ParseCsv(std::string_view text);

// `field` as a CSV field: in double quotes, its quotes doubled, when it holds a comma, a quote, a
// CR or an LF; as it is otherwise.
std::string CsvField(std::string_view field);
