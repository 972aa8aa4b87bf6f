#pragma once

#include <string>
#include <string_view>
#include <vector>

// The settings file read line by line, every line standing on its own.
//
// The INI reader under the settings store lets a line run on: a quote left open carries the
// entry over the line breaks that follow, and so does a backslash at the end of a line, while a
// section header counts only at the start of a line. One bad line then takes the entries after
// it with it, and the next write stores that loss for good. This reader ends every line at its
// line break and gives a text that the INI reader reads the way the lines were meant:
//   - blank lines stay;
//   - a section header is '[' name ']': a missing ']' is added, a quote or ';' in the name is
//     percent-escaped (raw, either would run on or cut the line), and text after the ']' is read
//     as a line of its own;
//   - an entry is name '=' value, split at the first '=' outside quotes; a comment (from an
//     unquoted ';' on) is cut off and the blanks before it with it; then a quote left open is
//     closed at the entry's end and a lone backslash at its end is dropped;
//   - a whole number of one of the integer entries that runs straight into a section header
//     ("dAmbient=2500[Location]") lost its line break there: the header starts a line of its
//     own. Any other value keeps its brackets ("k=[x]y" is a value the INI writer writes);
//   - a NUL byte is dropped: the INI writer never writes one raw;
//   - any other line (text without an '=') is dropped. An entry without a name ("=5") is one
//     to the INI reader, which writes one for the key "/".
// Names and values stay as written (percent-escaped names, quoted values, escapes); the INI
// reader decodes them. A file the INI writer wrote is whole and left alone, and so is any file
// the INI reader reads as a whole, but for comments. One pass over the text, in linear time.
class IniRepair {
public:
    // How many names BackupName offers.
    static constexpr int kBackupNames = 9;

    // Reads a settings file's bytes (a leading UTF-8 byte order mark is skipped). `integerNames`
    // are the names (decoded, blanks and all) of the entries that hold whole numbers.
    static IniRepair Read(std::string_view fileText,
                          const std::vector<std::string>& integerNames = {});

    // The lines as read here, each ending in '\n'.
    const std::string& Text() const { return m_text; }
    // The 1-based numbers of the file's lines that the INI reader reads otherwise or that the
    // store would not write back: mended, split, dropped or commented lines, in order.
    const std::vector<int>& ChangedLines() const { return m_changed; }
    // Whether the INI reader reads the file as it stands and the store keeps all of it.
    bool Whole() const { return m_changed.empty(); }

    // The n-th name (1 to kBackupNames) for the copy kept of a file that is not whole:
    // "velnor.conf.bak", then "velnor.conf.2.bak" and so on.
    static std::string BackupName(std::string_view fileName, int n);

private:
    std::string m_text;
    std::vector<int> m_changed;
};
