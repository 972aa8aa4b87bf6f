#include "encode.h"

#include "bytefile.h"
#include "console.h"
#include "database.h"

#include <memory>

std::string VerifyScrambled(const std::string& text, const std::string& bytes) {
    for (std::size_t i = 1; i < bytes.size(); i += 2) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n' || c == '\x1a')
            return "filler byte at offset " + std::to_string(i) + " is CR, LF or 0x1A";
    }
    const auto file = std::make_unique<DatabaseFile>();
    const int length = DecodeDatabaseBytes(*file, bytes.data(), bytes.size());
    if (std::string(file->text.data(), static_cast<std::size_t>(length)) != text)
        return "the scrambled bytes do not unscramble to the text";
    return {};
}

int RunEncode(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        WriteError("encode takes two files: velnor-dkt encode PLAIN.txt OUT.dkt");
        return 1;
    }
    const std::string& plainPath = args[0];
    const std::string& outPath = args[1];
    const std::string notWritten = "; " + outPath + " not written";
    if (IsSameFile(plainPath, outPath)) {
        WriteError(outPath + ": is the text file itself" + notWritten);
        return 1;
    }

    // One character past what a database file can hold is enough to refuse a longer text
    // at the right line and column.
    const auto limit = static_cast<std::size_t>(kDatabaseFileBytes / 2) + 1;
    std::string text;
    std::string error;
    if (!ReadLeadingBytes(plainPath, limit, text, error)) {
        WriteError(plainPath + ": " + error + notWritten);
        return 1;
    }
    if (text.empty()) {
        // A file under two bytes is one the program cannot read.
        WriteError(plainPath + ": the text is empty" + notWritten);
        return 1;
    }
    const ScrambleResult scrambled = ScrambleDatabaseText(text);
    if (!scrambled.ok) {
        WriteError(plainPath + ": line " + std::to_string(scrambled.line) + ", column " +
                   std::to_string(scrambled.column) + ": " + scrambled.error + notWritten);
        return 1;
    }
    const std::string fault = VerifyScrambled(text, scrambled.bytes);
    if (!fault.empty()) {
        WriteError(plainPath + ": " + fault + notWritten);
        return 1;
    }
    if (!WriteFileWhole(outPath, scrambled.bytes, error)) {
        WriteError(outPath + ": " + error + notWritten);
        return 1;
    }
    return 0;
}
