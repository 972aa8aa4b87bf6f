#pragma once

#include <string>
#include <string_view>

// How a field's text stands in the widget that shows it. Both sides are Windows-1252 texts, one
// byte a character: the field's text as the rules see it, and the widget's text with '\n' for
// each of its line breaks. A single-line field shows its text as it is. A multi-line field
// counts a line break as two characters, CR LF, as the platform's multi-line edit does; a lone
// CR or LF given to it is a line break too, so it reads back as CR LF.
class TextMapping {
public:
    enum class Lines { Single, Multi };
    explicit TextMapping(Lines lines) : m_multi(lines == Lines::Multi) {}

    // True when Enter can type a line break into the field.
    bool HasLineBreaks() const { return m_multi; }

    // The field's text of the widget's text `shown`, and the widget's text of a field text.
    std::string FieldText(std::string_view shown) const;
    std::string ShownText(std::string_view field) const;

    // The field position of position `at` of `shown`, and the position in `shown` of field
    // position `at`; a field position between the CR and the LF of a break stands before the
    // break. Both clamp to the text.
    int FieldIndex(std::string_view shown, int at) const;
    int ShownIndex(std::string_view shown, int at) const;

private:
    bool m_multi;
};
