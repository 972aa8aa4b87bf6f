#include "inirepair.h"

#include <string>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t\f\v";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// One line as the INI reader scans it: a backslash escapes the character after it, a quote
// opens or closes a quoted stretch, and outside quotes the first '=' splits name from value
// and a ';' starts a comment.
struct LineScan {
    std::size_t end = 0;                          // where the comment starts, or the line's end
    std::size_t equals = std::string_view::npos;  // the first '=' outside quotes
    std::size_t bracket = std::string_view::npos; // the first '[' outside quotes after it
    bool openQuote = false;   // the line ends inside quotes: the reader runs on into the next
    bool lastEscapes = false; // the last character is a lone backslash: likewise
};

LineScan Scan(std::string_view line) {
    LineScan scan;
    scan.end = line.size();
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (ch == '\\') {
            if (i + 1 == line.size())
                scan.lastEscapes = true;
            ++i;
        } else if (ch == '"') {
            scan.openQuote = !scan.openQuote;
        } else if (scan.openQuote) {
            continue;
        } else if (ch == '=' && scan.equals == std::string_view::npos) {
            scan.equals = i;
        } else if (ch == '[' && scan.equals != std::string_view::npos &&
                   scan.bracket == std::string_view::npos) {
            scan.bracket = i;
        } else if (ch == ';') {
            scan.end = i;
            break;
        }
    }
    return scan;
}

// "[name]..." with a name of at least one character.
bool StartsWithHeader(std::string_view text) {
    const std::size_t close = text.find(']');
    return text.starts_with('[') && close != std::string_view::npos && close > 1;
}

// What one stretch of a line stands for: the line to keep (none when empty), and the text that
// goes on a line of its own.
struct Piece {
    std::string text;
    std::string after;
    bool changed = false; // read otherwise than the INI reader reads it, or not all kept
};

// A section header: the name runs from '[' to the first ']', or to the end of the line. A quote
// or ';' in it would open a quoted stretch or a comment; escaped the same name is read back.
Piece ReadHeader(std::string_view line) {
    Piece piece;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) {
        piece.text = std::string(Trim(line)) + ']';
        piece.changed = true;
    } else {
        piece.text = line.substr(0, close + 1);
        piece.after = Trim(line.substr(close + 1));
        piece.changed = !piece.after.empty();
    }
    for (std::size_t at = piece.text.find_first_of("\";"); at != std::string::npos;
         at = piece.text.find_first_of("\";", at)) {
        piece.text.replace(at, 1, piece.text[at] == '"' ? "%22" : "%3B");
        piece.changed = true;
    }
    return piece;
}

// An entry, a comment or a line that is neither (dropped).
Piece ReadEntry(std::string_view line) {
    const LineScan scan = Scan(line);
    Piece piece;
    std::string text(line.substr(0, scan.end));
    if (scan.lastEscapes)
        text.pop_back();
    if (scan.openQuote)
        text += '"';
    piece.changed = scan.end < line.size() || scan.lastEscapes || scan.openQuote;
    if (scan.equals == std::string::npos || Trim(text.substr(0, scan.equals)).empty()) {
        piece.changed = true;
        return piece;
    }
    if (scan.bracket != std::string::npos && StartsWithHeader(text.substr(scan.bracket))) {
        piece.after = text.substr(scan.bracket);
        text.resize(scan.bracket);
        piece.changed = true;
    }
    piece.text = Trim(text);
    return piece;
}

} // namespace

IniRepair IniRepair::Read(std::string_view fileText) {
    IniRepair read;
    if (fileText.starts_with(kByteOrderMark))
        fileText.remove_prefix(kByteOrderMark.size());
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
        if (read.ReadLine(line))
            read.m_changed.push_back(nLine);
    }
    return read;
}

bool IniRepair::ReadLine(std::string_view line) {
    std::string rest(Trim(line));
    if (rest.empty()) {
        m_text += '\n';
        return false;
    }
    bool changed = false;
    while (!rest.empty()) {
        Piece piece = rest.front() == '[' ? ReadHeader(rest) : ReadEntry(rest);
        if (!piece.text.empty())
            m_text += piece.text + '\n';
        changed = changed || piece.changed;
        rest = std::move(piece.after);
    }
    return changed;
}

std::string IniRepair::BackupName(std::string_view fileName, int n) {
    std::string name(fileName);
    if (n > 1)
        name += '.' + std::to_string(n);
    return name + ".bak";
}
