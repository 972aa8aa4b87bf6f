#include "filenotes.h"

#include "database.h"

std::vector<std::string> ScanDatabaseBytes(std::string_view bytes) {
    std::vector<std::string> notes;
    const auto limit = static_cast<std::size_t>(kDatabaseFileBytes);
    if (bytes.size() > limit) {
        notes.push_back("the file is longer than 102,400 bytes; the program never reads the rest");
        bytes = bytes.substr(0, limit);
    }
    const std::size_t end = bytes.find('\x1a');
    if (end != std::string_view::npos) {
        notes.push_back("byte 0x1A at offset " + std::to_string(end) +
                        " ends the data the program reads; the text stops there");
        bytes = bytes.substr(0, end);
    }
    std::size_t pairs = 0;
    std::size_t first = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == '\r' && bytes[i + 1] == '\n') {
            if (pairs++ == 0)
                first = i;
        }
    }
    if (pairs > 0)
        notes.push_back(std::to_string(pairs) + " CR LF byte pair(s), the first at offset " +
                        std::to_string(first) +
                        ", each read as one LF byte, which shifts the text after it");
    return notes;
}
