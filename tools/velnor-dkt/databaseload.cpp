#include "databaseload.h"

#include "bytefile.h"
#include "filenotes.h"

std::unique_ptr<LoadedDatabase> LoadDatabase(const std::string& path) {
    auto loaded = std::make_unique<LoadedDatabase>();
    std::string bytes;
    std::string error;
    // One byte more than the program reads, only to tell that the file is longer.
    const auto limit = static_cast<std::size_t>(kDatabaseFileBytes);
    if (!ReadLeadingBytes(path, limit + 1, bytes, error)) {
        loaded->failure = error;
        return loaded;
    }
    loaded->fileNotes = ScanDatabaseBytes(bytes);
    if (bytes.size() < 2) {
        loaded->failure = "the file has fewer than two bytes";
        return loaded;
    }
    const std::size_t used = bytes.size() < limit ? bytes.size() : limit;
    if (DecodeDatabaseBytes(loaded->file, bytes.data(), used) == 0) {
        loaded->failure = "the file gives no text: its data end before the second byte";
        return loaded;
    }
    ParseReport report;
    loaded->readable = ParseDatabase(loaded->file, loaded->db, loaded->help, &report);
    loaded->failure = report.failure;
    loaded->failureLine = loaded->readable ? 0 : report.failureLine;
    loaded->warnings = std::move(report.warnings);
    if (loaded->readable && loaded->db.nRefrigerants == 0)
        loaded->warnings.push_back("no refrigerant records: the program has nothing to size for");
    return loaded;
}
