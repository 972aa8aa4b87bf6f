#include "database.h"

#include "regularfile.h"
#include "textnumber.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int kCopyLength = 1000; // blank-free copy of a list or record line
constexpr int kFieldLength = 29;  // characters of one number field
constexpr int kHeaderLength = 20; // a header or preferred-length line must be shorter
constexpr int kVersionTextSize = 16;
constexpr int kRecordNumbers = 20; // limits, flow and correction coefficients of a record

// Why OpenRegularFile refused `path`, from a second look at it; `reason` is OpenRegularFile's.
DatabaseReadError OpenFailure(const std::string& path, std::string_view reason) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {DatabaseFailure::Missing, {}};
    } else if (!S_ISREG(info.st_mode)) {
        return {DatabaseFailure::NotRegularFile, {}};
    }
    constexpr std::string_view kOpenPrefix = "cannot open: ";
    if (reason.substr(0, kOpenPrefix.size()) == kOpenPrefix)
        reason.remove_prefix(kOpenPrefix.size());
    return {DatabaseFailure::Unreadable, std::string(reason)};
}

bool IsBreak(char c) {
    return c == '\r' || c == '\n';
}

// The parser's view of the text: it ends at its length or at an embedded NUL, whichever
// comes first, as a C string would.
struct Text {
    const char* begin;
    const char* end;

    // Advance to the first CR or LF (or the end), skip one break character, then one more if
    // the next is also a break. A CR LF pair is one break; with single-character breaks an
    // empty line that follows a break is skipped with it.
    const char* NextLine(const char* p) const {
        while (p < end && !IsBreak(*p))
            ++p;
        if (p < end)
            ++p;
        if (p < end && IsBreak(*p))
            ++p;
        return p;
    }
    const char* LineEnd(const char* p) const {
        while (p < end && !IsBreak(*p))
            ++p;
        return p;
    }
    int LineNumber(const char* p) const {
        int line = 1;
        for (const char* q = begin; q < p && q < end; ++q) {
            if (*q == '\n' || (*q == '\r' && (q + 1 >= end || q[1] != '\n')))
                ++line;
        }
        return line;
    }
    const char* Find(const char* needle) const {
        const std::string_view hay(begin, static_cast<std::size_t>(end - begin));
        const std::size_t at = hay.find(needle);
        return at == std::string_view::npos ? nullptr : begin + at;
    }
};

// A line copied with every space (code 32) removed. `length` may exceed the copy's capacity;
// only the first kCopyLength characters are kept then.
struct BlankFreeCopy {
    char chars[kCopyLength + 1] = {};
    int length = 0;

    void From(const char* p, const char* lineEnd) {
        length = 0;
        for (; p < lineEnd; ++p) {
            if (*p == ' ')
                continue;
            if (length < kCopyLength)
                chars[length] = *p;
            ++length;
        }
        chars[length < kCopyLength ? length : kCopyLength] = '\0';
    }
    bool Overlong() const { return length > kCopyLength; }
};

class Parser {
public:
    Parser(const DatabaseFile& file, RefrigerantDatabase& db, HelpText& help, ParseReport* report)
        : m_db(db), m_help(help), m_report(report) {
        const char* t = file.text.data();
        std::size_t capacity = file.text.size() - 1;
        std::size_t length = file.length < 0 ? 0 : static_cast<std::size_t>(file.length);
        if (length > capacity)
            length = capacity;
        m_text = {t, t + strnlen(t, length)};
    }

    bool Run() {
        m_db = RefrigerantDatabase{};
        m_help = HelpText{};
        ReadHelp();
        return ReadHeader() && ReadTargetLength() && ReadLists() && ReadRecords();
    }

private:
    bool Fail(const char* p, const std::string& why) {
        if (m_report) {
            m_report->failure = why;
            m_report->failureLine = m_text.LineNumber(p);
        }
        return false;
    }
    void Warn(const char* p, const std::string& what) {
        if (m_report)
            m_report->warnings.push_back("line " + std::to_string(m_text.LineNumber(p)) + ": " +
                                         what);
    }

    void ReadHelp() {
        const char* help = m_text.Find("[HELP]");
        const char* start = m_text.Find("[START]");
        if (!help) {
            Warn(m_text.begin, "no [HELP] section: the program shows its built-in help text");
            return;
        }
        if (!start || help > start) {
            Warn(help, "[HELP] does not come before [START]: no help lines are read");
            return;
        }
        int rows = 0;
        const char* p = help;
        while (rows < kMaxHelpRows && p < start) {
            p = m_text.NextLine(p);
            const char* lineEnd = m_text.LineEnd(p);
            std::size_t n = static_cast<std::size_t>(lineEnd - p);
            if (n > kHelpRowLength) {
                Warn(p, "help line of " + std::to_string(n) + " characters cut to 100");
                n = kHelpRowLength;
            }
            std::memcpy(m_help.szHelp[rows], p, n);
            m_help.szHelp[rows][n] = '\0';
            ++rows;
        }
        if (p < start)
            Warn(p, "more than 99 help lines: the rest are not shown");
        // The last row read is the line that holds "[START]".
        m_help.nHelpLines = rows > 0 ? rows - 1 : 0;
    }

    // A header or preferred-length line: shorter than 20 characters and ended by a line break.
    bool HeaderLine(const char* p, char (&out)[kHeaderLength], const char* what) {
        const char* lineEnd = m_text.LineEnd(p);
        if (lineEnd >= m_text.end)
            return Fail(p, std::string("the text ends in the ") + what);
        const std::size_t n = static_cast<std::size_t>(lineEnd - p);
        if (n >= kHeaderLength)
            return Fail(p, std::string("the ") + what + " has " + std::to_string(n) +
                               " characters (at most 19)");
        std::memcpy(out, p, n);
        out[n] = '\0';
        return true;
    }

    bool ReadHeader() {
        const char* start = m_text.Find("[START]");
        if (!start)
            return Fail(m_text.end, "the text has no [START]");
        m_line = m_text.NextLine(start);
        if (!HeaderLine(m_line, m_db.szDbHeader, "first header line"))
            return false;
        m_line = m_text.NextLine(m_line);
        if (!HeaderLine(m_line, m_db.szDbVersion, "database version line"))
            return false;
        if (std::strlen(m_db.szDbVersion) >= kVersionTextSize)
            Warn(m_line, "database version longer than 15 characters: the program shows \"" +
                             DbVersionText(m_db) + "\"");
        m_line = m_text.NextLine(m_line);
        return true;
    }

    // Reads one number field starting at p (within [p, end)): the run up to ",", CR, LF or
    // the end, converted like the text converters; then skips one character unless the field
    // ended at `end`.
    bool NumberField(const char*& p, const char* end, double& value) {
        const char* q = p;
        while (q < end && *q != ',' && !IsBreak(*q))
            ++q;
        const std::size_t n = static_cast<std::size_t>(q - p);
        if (n > kFieldLength)
            return Fail(m_line,
                        "a number field of " + std::to_string(n) + " characters (at most 29)");
        value = ParseLeadingNumber(std::string_view(p, n));
        p = q < end ? q + 1 : q;
        return true;
    }

    bool ReadTargetLength() {
        char copy[kHeaderLength] = {};
        if (!HeaderLine(m_line, copy, "preferred length line"))
            return false;
        const char* p = copy;
        return NumberField(p, copy + std::strlen(copy), m_db.dTargetLength);
    }

    bool ReadList(double* values, int& count, double scale, const char* name) {
        BlankFreeCopy copy;
        copy.From(m_line, m_text.LineEnd(m_line));
        if (copy.Overlong())
            return Fail(m_line, std::string("the ") + name + " diameter list has " +
                                    std::to_string(copy.length) +
                                    " characters without blanks (at most 1000)");
        const char* p = copy.chars;
        const char* end = copy.chars + copy.length;
        while (count < kMaxDiameters && p < end && *p != ',') {
            double v = 0.0;
            if (!NumberField(p, end, v))
                return false;
            values[count++] = v * scale;
        }
        if (count == kMaxDiameters && p < end)
            Warn(m_line, std::string("the ") + name + " list has values past the fiftieth; " +
                             "they are ignored");
        else if (p < end)
            Warn(m_line, std::string("the ") + name + " list ends at an empty value; " +
                             "what follows is ignored");
        if (count < 9)
            Warn(m_line, std::string("the ") + name + " list has " + std::to_string(count) +
                             " diameters; the results list needs nine");
        return true;
    }

    bool ReadLists() {
        m_line = m_text.NextLine(m_line);
        if (!ReadList(m_db.dDiamEurope, m_db.nDiamEurope, 1.0, "Europe"))
            return false;
        m_line = m_text.NextLine(m_line);
        if (!ReadList(m_db.dDiamNorthAmerica, m_db.nDiamNorthAmerica, 25.4, "North America"))
            return false;
        // The line after the North America list is a caption and is skipped.
        m_line = m_text.NextLine(m_text.NextLine(m_line));
        return true;
    }

    static bool OnlyWhiteSpace(const BlankFreeCopy& copy) {
        for (int i = 0; i < copy.length; ++i) {
            const char c = copy.chars[i];
            if (c != '\t' && c != '\v' && c != '\f')
                return false;
        }
        return true;
    }

    bool ReadRecords() {
        while (m_line < m_text.end) {
            BlankFreeCopy copy;
            copy.From(m_line, m_text.LineEnd(m_line));
            if (copy.Overlong()) {
                Warn(m_line, "record line over 1000 characters: the records end here");
                break;
            }
            if (OnlyWhiteSpace(copy)) {
                if (m_text.LineEnd(m_line) < m_text.end && HasMoreText(m_line))
                    Warn(m_line, "empty line: the records end here, what follows is ignored");
                break;
            }
            if (m_db.nRefrigerants == kMaxRefrigerants)
                return Fail(m_line, "more than 50 refrigerant records");
            if (!ReadRecord(copy))
                return false;
            if (m_text.LineEnd(m_line) >= m_text.end)
                Warn(m_line, "the text ends inside the record of " +
                                 std::string(m_db.szName[m_db.nRefrigerants - 1]) +
                                 ", without a line break: it may have been cut off");
            m_line = m_text.NextLine(m_line);
        }
        return true;
    }

    bool HasMoreText(const char* p) const {
        for (p = m_text.LineEnd(p); p < m_text.end; ++p) {
            if (!IsBreak(*p) && *p != ' ' && *p != '\t')
                return true;
        }
        return false;
    }

    bool ReadRecord(const BlankFreeCopy& copy) {
        const char* end = copy.chars + copy.length;
        const char* comma = static_cast<const char*>(
            std::memchr(copy.chars, ',', static_cast<std::size_t>(copy.length)));
        if (!comma)
            return Fail(m_line, "a record line without \",\" after the name");
        const int r = m_db.nRefrigerants;
        std::size_t n = static_cast<std::size_t>(comma - copy.chars);
        if (n > 20) {
            Warn(m_line, "refrigerant name longer than 20 characters is cut");
            n = 20;
        }
        std::memcpy(m_db.szName[r], copy.chars, n);
        m_db.szName[r][n] = '\0';

        double fields[kRecordNumbers] = {};
        const char* p = comma + 1;
        int present = 0;
        for (double& field : fields) {
            if (p >= end)
                break;
            if (!NumberField(p, end, field))
                return false;
            ++present;
        }
        if (present < kRecordNumbers)
            Warn(m_line, "the record of " + std::string(m_db.szName[r]) + " has " +
                             std::to_string(present) + " of its 20 numbers; the rest read as 0");
        m_db.dEvapMin[r] = fields[0];
        m_db.dEvapMax[r] = fields[1];
        m_db.dCondMin[r] = fields[2];
        m_db.dCondMax[r] = fields[3];
        m_db.dRGasMin[r] = fields[4];
        m_db.dRGasMax[r] = fields[5];
        for (int i = 0; i < 10; ++i)
            m_db.dFlowCoef[r][i] = fields[6 + i];
        for (int i = 0; i < 4; ++i)
            m_db.dCorrCoef[r][i] = fields[16 + i];
        m_db.nRefrigerants = r + 1;
        return true;
    }

    RefrigerantDatabase& m_db;
    HelpText& m_help;
    ParseReport* m_report;
    Text m_text{};
    const char* m_line = nullptr; // start of the current line
};

} // namespace

int DecodeDatabaseBytes(DatabaseFile& file, const char* data, std::size_t size) {
    file.bytes.fill('\0');
    file.text.fill('\0');
    file.length = 0;
    if (size > static_cast<std::size_t>(kDatabaseFileBytes))
        size = kDatabaseFileBytes;
    // Text-mode translation: CR LF counts as one LF, 0x1A ends the data.
    std::size_t n = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = data[i];
        if (c == '\x1a')
            break;
        if (c == '\r' && i + 1 < size && data[i + 1] == '\n')
            continue;
        file.bytes[n++] = c;
    }
    const std::size_t chars = n / 2;
    for (std::size_t i = 0; i < chars; ++i) {
        const auto byte = static_cast<unsigned char>(file.bytes[2 * i]);
        file.text[i] = static_cast<char>(static_cast<unsigned char>(byte - 66u));
    }
    file.length = static_cast<int>(chars);
    return file.length;
}

int ReadDatabaseFile(DatabaseFile& file, HelpText& help, const char* name,
                     DatabaseReadError* error) {
    file.bytes.fill('\0');
    file.text.fill('\0');
    file.length = 0;
    help = HelpText{};
    DatabaseReadError ignored;
    DatabaseReadError& why = error ? *error : ignored;
    why = {};
    // Relative to the current working directory, not to the program's directory.
    // Only a regular file is read: a FIFO or a device of that name would block or never end.
    const std::string path = std::string("./") + name;
    std::string reason;
    std::FILE* f = OpenRegularFile(path, reason);
    if (!f) {
        why = OpenFailure(path, reason);
        return 0;
    }
    std::vector<char> raw(kDatabaseFileBytes); // kept off the stack
    const std::size_t got = std::fread(raw.data(), 1, raw.size(), f);
    const bool failed = std::ferror(f) != 0;
    const int readErrno = errno;
    std::fclose(f);
    if (failed) {
        why = {DatabaseFailure::Unreadable, std::strerror(readErrno)};
        return 0;
    }
    if (got < 2) {
        why.kind = DatabaseFailure::NotDatabase;
        return 0;
    }
    return DecodeDatabaseBytes(file, raw.data(), got);
}

bool ParseDatabase(const DatabaseFile& file, RefrigerantDatabase& db, HelpText& help,
                   ParseReport* report) {
    Parser parser(file, db, help, report);
    return parser.Run();
}

std::string DbVersionText(const RefrigerantDatabase& db) {
    return std::string(db.szDbVersion, strnlen(db.szDbVersion, kVersionTextSize - 1));
}

const double* DiameterList(const RefrigerantDatabase& db, int diamType) {
    return diamType != 0 ? db.dDiamNorthAmerica : db.dDiamEurope;
}

int DiameterCount(const RefrigerantDatabase& db, int diamType) {
    return diamType != 0 ? db.nDiamNorthAmerica : db.nDiamEurope;
}

ScrambleResult ScrambleDatabaseText(const std::string& text) {
    ScrambleResult result;
    int line = 1;
    int column = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto scrambled = static_cast<unsigned char>(c + 66u);
        const char* why = nullptr;
        if (i >= static_cast<std::size_t>(kDatabaseFileBytes / 2))
            why = "the text is longer than 51,200 characters";
        else if (c == 0)
            why = "a NUL character cannot be stored";
        else if (scrambled == 0x1a)
            why = "character 0xD8 would scramble to 0x1A, which ends a file read in text mode";
        if (why) {
            result.error = why;
            result.line = line;
            result.column = column;
            result.bytes.clear();
            return result;
        }
        // Filler from a small linear congruential sequence, kept away from CR, LF and 0x1A.
        auto filler = static_cast<unsigned char>((i * 1103515245u + 12345u) >> 16);
        if (filler == '\r' || filler == '\n' || filler == 0x1a)
            filler = static_cast<unsigned char>(filler + 0x40);
        result.bytes.push_back(static_cast<char>(scrambled));
        result.bytes.push_back(static_cast<char>(filler));
        if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
            ++line;
            column = 1;
        } else if (c != '\r') {
            ++column;
        }
    }
    result.ok = true;
    return result;
}
