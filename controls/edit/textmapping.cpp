#include "textmapping.h"

#include <algorithm>

namespace {

constexpr char kShownBreak = '\n';

} // namespace

std::string TextMapping::FieldText(std::string_view shown) const {
    if (!m_multi)
        return std::string(shown);
    std::string out;
    out.reserve(shown.size());
    for (const char c : shown) {
        if (c == kShownBreak)
            out += "\r\n";
        else
            out.push_back(c);
    }
    return out;
}

std::string TextMapping::ShownText(std::string_view field) const {
    if (!m_multi)
        return std::string(field);
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c != '\r' && c != '\n') {
            out.push_back(c);
            continue;
        }
        if (c == '\r' && i + 1 < field.size() && field[i + 1] == '\n')
            ++i;
        out.push_back(kShownBreak);
    }
    return out;
}

int TextMapping::FieldIndex(std::string_view shown, int at) const {
    const auto end = static_cast<std::size_t>(std::clamp(at, 0, static_cast<int>(shown.size())));
    const auto breaks = m_multi ? std::count(shown.begin(), shown.begin() + end, kShownBreak) : 0;
    return static_cast<int>(end) + static_cast<int>(breaks);
}

int TextMapping::ShownIndex(std::string_view shown, int at) const {
    int i = 0;
    int field = 0;
    const int size = static_cast<int>(shown.size());
    while (i < size && field < at) {
        const int width = m_multi && shown[static_cast<std::size_t>(i)] == kShownBreak ? 2 : 1;
        if (field + width > at)
            break;
        field += width;
        ++i;
    }
    return i;
}
