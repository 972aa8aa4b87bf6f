// Feeds arbitrary bytes to the line-by-line reading of a settings file and checks its two
// promises; a broken one aborts:
//   - what it gives is read again as it stands: whole, the same text (a fix point), so that the
//     INI reader takes every line as the reading meant it;
//   - a file as QSettings' INI writer writes it is whole and left exactly as it is.
// For the second the same bytes are taken as entries, one a line: the first byte chooses the
// kind (an integer under one of the program's own names, as the program writes them, a text or a
// byte array), the rest is the key's path up to the first '=' and the value after it. They are
// written the way the writer writes them: keys percent-escaped but for letters, digits and "_-.",
// '/' in a key written '\'; values with their escapes, quoted when they hold ';', ',' or '=' or
// begin or end with a blank; one section for each group, the root's named [General].
#include "inirepair.h"
#include "persistentsettings.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr char kHex[] = "0123456789ABCDEF";      // in escaped names
constexpr char kLowerHex[] = "0123456789abcdef"; // in escaped values

[[noreturn]] void Broken(const char* promise, std::string_view file, const std::string& text) {
    std::fprintf(stderr, "%s\n--- file ---\n%.*s\n--- read ---\n%s\n", promise,
                 static_cast<int>(file.size()), file.data(), text.c_str());
    std::abort();
}

bool IsKeyCharacter(unsigned char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
           ch == '_' || ch == '-' || ch == '.';
}

// A key or section name as the writer escapes it (each byte taken as a character up to U+00FF).
std::string EscapedKey(std::string_view key) {
    std::string escaped;
    for (const char c : key) {
        const auto ch = static_cast<unsigned char>(c);
        if (ch == '/') {
            escaped += '\\';
        } else if (IsKeyCharacter(ch)) {
            escaped += c;
        } else {
            escaped += '%';
            escaped += kHex[ch / 16];
            escaped += kHex[ch % 16];
        }
    }
    return escaped;
}

bool IsHexDigit(unsigned char ch) {
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

// A value as the writer escapes it; `text` false for a byte array, whose bytes above 0x7E are
// written as escapes rather than in UTF-8.
std::string EscapedValue(std::string_view value, bool text) {
    std::string escaped;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (const char c : value) {
        const auto ch = static_cast<unsigned char>(c);
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && IsHexDigit(ch)) {
            escaped += "\\x";
            escaped += kLowerHex[ch / 16];
            escaped += kLowerHex[ch % 16];
            continue;
        }
        escapeNextIfDigit = false;
        const char* const named = "\a\b\f\n\r\t\v";
        const char* const letters = "abfnrtv";
        if (ch == 0) {
            escaped += "\\0";
            escapeNextIfDigit = true;
        } else if (const char* at = ch < 0x20 ? std::strchr(named, c) : nullptr) {
            escaped += '\\';
            escaped += letters[at - named];
        } else if (ch == '"' || ch == '\\') {
            escaped += '\\';
            escaped += c;
        } else if (ch <= 0x1F || (ch >= 0x7F && !text)) {
            escaped += "\\x";
            if (ch >= 16)
                escaped += kLowerHex[ch / 16];
            escaped += kLowerHex[ch % 16];
            escapeNextIfDigit = true;
        } else if (ch >= 0x80) { // the character U+0080..U+00FF in UTF-8
            escaped += static_cast<char>(0xC0 | (ch >> 6));
            escaped += static_cast<char>(0x80 | (ch & 0x3F));
        } else {
            escaped += c;
        }
    }
    if (needsQuotes || (!escaped.empty() && (escaped.front() == ' ' || escaped.back() == ' ')))
        escaped = '"' + escaped + '"';
    return escaped;
}

// The path's parts without empty ones ("a//b/" is "a/b").
std::vector<std::string_view> PathParts(std::string_view path) {
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view part = path.substr(0, slash);
        if (!part.empty())
            parts.push_back(part);
        path.remove_prefix(slash == std::string_view::npos ? path.size() : slash + 1);
    }
    return parts;
}

// The bytes as entries, written as the INI writer writes them.
std::string WrittenByTheIniWriter(std::string_view bytes, const std::vector<std::string>& names) {
    std::map<std::string, std::map<std::string, std::string>> sections;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view record = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (record.empty())
            continue;
        const auto kind = static_cast<unsigned char>(record.front());
        record.remove_prefix(1);
        const std::size_t equals = record.find('=');
        const std::string_view path = record.substr(0, equals);
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view() : record.substr(equals + 1);
        std::vector<std::string_view> parts = PathParts(path);
        if (kind % 3 == 0) {
            // One of the program's own entries, holding a whole number.
            const std::string& name = names[kind / 3 % names.size()];
            long long number = kind % 2 == 0 ? 1 : -1;
            for (const char c : value)
                number = (number * 31 + static_cast<unsigned char>(c)) % 4294967296LL;
            sections[kind % 2 == 0 ? "Settings" : "Location"][EscapedKey(name)] =
                std::to_string(number - 2147483648LL);
            continue;
        }
        if (parts.empty())
            parts.emplace_back(); // the root's entry without a name, "=value"
        // The program's own names hold whole numbers only.
        if (parts.size() <= 2 &&
            std::find(names.begin(), names.end(), std::string(parts.back())) != names.end())
            continue;
        std::string section = parts.size() == 1 ? "General" : EscapedKey(parts[0]);
        std::string lower = section;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](char ch) { return ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch; });
        if (parts.size() > 1 && lower == "general")
            section = "%General";
        std::string key;
        for (std::size_t i = parts.size() == 1 ? 0 : 1; i < parts.size(); ++i)
            key += (key.empty() ? "" : "\\") + EscapedKey(parts[i]);
        std::string text(value);
        const bool isText = kind % 3 == 1;
        if (!isText)
            text = "@ByteArray(" + text + ")";
        else if (text.find('\0') != std::string::npos)
            text = "@String(" + text + ")";
        else if (text.starts_with('@'))
            text = '@' + text;
        sections[section][key] = EscapedValue(text, isText);
    }
    std::string file;
    for (const auto& [section, entries] : sections) {
        if (!file.empty())
            file += '\n';
        file += '[' + section + "]\n";
        for (const auto& [key, value] : entries)
            file += key + '=' + value + '\n';
    }
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<std::string> names = PersistentSettings::EntryNames();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const IniRepair read = IniRepair::Read(bytes, names);
    int previous = 0;
    for (const int line : read.ChangedLines()) {
        if (line <= previous)
            Broken("changed lines out of order", bytes, read.Text());
        previous = line;
    }
    const IniRepair again = IniRepair::Read(read.Text(), names);
    if (!again.Whole() || again.Text() != read.Text())
        Broken("the text read is not read again as it stands", bytes, again.Text());

    const std::string written = WrittenByTheIniWriter(bytes, names);
    const IniRepair qt = IniRepair::Read(written, names);
    if (!qt.Whole() || qt.Text() != written)
        Broken("what the INI writer writes is not left alone", written, qt.Text());
    return 0;
}
