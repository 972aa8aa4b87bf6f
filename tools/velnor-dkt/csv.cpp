#include "csv.h"

namespace {

bool EndsRecord(std::string_view text, std::size_t pos) {
    return pos >= text.size() || text[pos] == '\n' ||
           (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n');
}

} // namespace

std::vector<CsvRecord> ParseCsv(std::string_view text) {
    std::vector<CsvRecord> records;
    std::size_t pos = 0;
    int line = 1;
    // Past the line break at `pos` (or the end), counting the line.
    const auto nextLine = [&text, &pos, &line] {
        while (pos < text.size() && text[pos] != '\n')
            ++pos;
        if (pos < text.size())
            ++pos;
        ++line;
    };
    while (pos < text.size()) {
        CsvRecord record;
        record.line = line;
        if (EndsRecord(text, pos)) {
            nextLine(); // an empty line
            continue;
        }
        for (;;) {
            std::string field;
            if (text[pos] == '"') {
                ++pos;
                for (;;) {
                    if (pos >= text.size()) {
                        record.error = "a quoted field does not end";
                        break;
                    }
                    if (text[pos] == '"') {
                        if (pos + 1 < text.size() && text[pos + 1] == '"') {
                            field += '"';
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    if (text[pos] == '\n')
                        ++line;
                    field += text[pos++];
                }
                if (record.error.empty() && !EndsRecord(text, pos) && text[pos] != ',')
                    record.error = "text after a closing quote";
            } else {
                while (!EndsRecord(text, pos) && text[pos] != ',') {
                    if (text[pos] == '"')
                        record.error = "a quote inside a field that does not start with one";
                    field += text[pos++];
                }
            }
            record.fields.push_back(std::move(field));
            if (!record.error.empty() || EndsRecord(text, pos))
                break;
            ++pos; // the comma
        }
        nextLine();
        records.push_back(std::move(record));
    }
    return records;
}

std::string CsvField(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(field);
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}
