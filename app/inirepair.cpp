#include "inirepair.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t\f\v";

bool IsBlank(char ch) {
    return kBlanks.find(ch) != std::string_view::npos;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return TrimRight(text);
}

// A backslash escapes the character after it, so of a run of backslashes every second one is
// the escaped character: the text ends in a backslash that escapes nothing here (and would
// escape the line break) when its last run of backslashes is odd.
bool EndsInLoneBackslash(std::string_view text) {
    std::size_t run = 0;
    while (run < text.size() && text[text.size() - 1 - run] == '\\')
        ++run;
    return run % 2 == 1;
}

// An optional sign and at least one digit.
bool IsWholeNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

int HexDigit(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// A name as the INI reader decodes it, as far as the program's own names need: "%20" is a blank.
std::string PercentDecoded(std::string_view raw) {
    std::string name;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '%' && i + 2 < raw.size() && HexDigit(raw[i + 1]) >= 0 &&
            HexDigit(raw[i + 2]) >= 0) {
            name += static_cast<char>(HexDigit(raw[i + 1]) * 16 + HexDigit(raw[i + 2]));
            i += 2;
        } else {
            name += raw[i];
        }
    }
    return name;
}

// Reads the lines into `text`, every header and entry on a line of its own.
class LineReader {
public:
    LineReader(std::string& text, const std::vector<std::string>& integerNames)
        : m_text(text), m_integerNames(integerNames) {}

    // Appends what one line of the file stands for; returns whether it was read otherwise.
    bool ReadLine(std::string_view line) {
        bool changed = false;
        std::string withoutNul;
        if (line.find('\0') != std::string_view::npos) {
            std::copy_if(line.begin(), line.end(), std::back_inserter(withoutNul),
                         [](char ch) { return ch != '\0'; });
            line = withoutNul;
            changed = true;
        }
        line = Trim(line);
        if (line.empty()) {
            m_text += '\n';
            return changed;
        }
        // Each header or entry takes its stretch of the line; what follows it is read on.
        for (std::size_t at = 0; at < line.size();) {
            const std::string_view rest = line.substr(at);
            at += rest.front() == '[' ? ReadHeader(rest, changed) : ReadEntry(rest, changed);
            while (at < line.size() && IsBlank(line[at]))
                ++at;
        }
        return changed;
    }

private:
    // A section header: the name runs from '[' to the first ']', or to the end of the line. A
    // quote or ';' in it would open a quoted stretch or a comment; escaped the same name is read
    // back. Returns how much of `text` the header took.
    std::size_t ReadHeader(std::string_view text, bool& changed) {
        const std::size_t close = text.find(']');
        const std::string_view name =
            close == std::string_view::npos ? text.substr(1) : text.substr(1, close - 1);
        m_text += '[';
        for (const char ch : name) {
            if (ch == '"' || ch == ';') {
                m_text += ch == '"' ? "%22" : "%3B";
                changed = true;
            } else {
                m_text += ch;
            }
        }
        m_text += "]\n";
        // The line was trimmed: anything after the ']' is text of its own.
        if (close == std::string_view::npos || close + 1 < text.size())
            changed = true;
        return close == std::string_view::npos ? text.size() : close + 1;
    }

    // An entry, a comment or a line that is neither (dropped), scanned as the INI reader scans
    // it: a backslash escapes the character after it, a quote opens or closes a quoted stretch,
    // and outside quotes the first '=' splits name from value and a ';' starts a comment.
    // Returns how much of `text` the entry took.
    std::size_t ReadEntry(std::string_view text, bool& changed) {
        std::size_t end = text.size();
        std::size_t equals = std::string_view::npos;
        bool integerName = false;
        bool bracketSeen = false; // only the value's first '[' can follow a whole number
        bool inQuotes = false;
        bool comment = false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char ch = text[i];
            if (ch == '\\') {
                ++i;
            } else if (ch == '"') {
                inQuotes = !inQuotes;
            } else if (inQuotes) {
                continue;
            } else if (ch == ';') {
                end = i;
                comment = true;
                break;
            } else if (ch == '=' && equals == std::string_view::npos) {
                equals = i;
                integerName = IsIntegerName(Trim(text.substr(0, i)));
            } else if (ch == '[' && integerName && !bracketSeen) {
                bracketSeen = true;
                const std::size_t close = text.find(']', i);
                if (close != std::string_view::npos && close > i + 1 &&
                    IsWholeNumber(Trim(text.substr(equals + 1, i - equals - 1)))) {
                    end = i;
                    break;
                }
            }
        }
        std::string_view entry = text.substr(0, end);
        const bool closeQuote = inQuotes && end == text.size();
        if (end < text.size())
            changed = true; // a comment cut off, or a header split off
        if (!closeQuote)
            entry = TrimRight(entry);
        while (EndsInLoneBackslash(entry)) {
            entry.remove_suffix(1);
            if (!closeQuote)
                entry = TrimRight(entry);
            changed = true;
        }
        if (equals == std::string_view::npos) {
            changed = true;
        } else {
            // The INI reader skips a byte order mark at the start of the file, and only there.
            if (m_text.empty() && entry.starts_with(kByteOrderMark))
                m_text += '\n';
            m_text += entry;
            if (closeQuote) {
                m_text += '"';
                changed = true;
            }
            m_text += '\n';
        }
        return comment ? text.size() : end;
    }

    bool IsIntegerName(std::string_view rawName) const {
        const std::string name = PercentDecoded(rawName);
        return std::find(m_integerNames.begin(), m_integerNames.end(), name) !=
               m_integerNames.end();
    }

    std::string& m_text;
    const std::vector<std::string>& m_integerNames;
};

} // namespace

IniRepair IniRepair::Read(std::string_view fileText, const std::vector<std::string>& integerNames) {
    IniRepair read;
    if (fileText.starts_with(kByteOrderMark))
        fileText.remove_prefix(kByteOrderMark.size());
    read.m_text.reserve(fileText.size() + fileText.size() / 8 + 1);
    LineReader reader(read.m_text, integerNames);
    int nLine = 0;
    while (!fileText.empty()) {
        // A line ends at LF, CR LF or CR, as the INI reader ends it.
        const std::size_t end = fileText.find_first_of("\r\n");
        const std::string_view line = fileText.substr(0, end);
        std::size_t next = end == std::string_view::npos ? fileText.size() : end + 1;
        if (end != std::string_view::npos && fileText[end] == '\r' && next < fileText.size() &&
            fileText[next] == '\n')
            ++next;
        fileText.remove_prefix(next);
        ++nLine;
        if (reader.ReadLine(line))
            read.m_changed.push_back(nLine);
    }
    return read;
}

std::string IniRepair::BackupName(std::string_view fileName, int n) {
    std::string name(fileName);
    if (n > 1)
        name += '.' + std::to_string(n);
    return name + ".bak";
}
