#pragma once

#include "colour.h"
#include "dialogunits.h"
#include "texts.h"

#include <string>

struct HelpText;

// The help dialog's template (dialog units), its texts (Windows-1252, CR LF line breaks) and
// the settings of its help field, and the composition of the text it shows.
struct HelpDlgModel {
    static constexpr int kWidth = 310;
    static constexpr int kHeight = 299;
    static constexpr DialogItem kHelpTextItem{1023, Rect::FromSize(6, 6, 300, 270)};
    static constexpr DialogItem kLinkItem{1022, Rect::FromSize(6, 288, 168, 8)};
    static constexpr DialogItem kDisclaimerItem{1025, Rect::FromSize(198, 282, 50, 14)};
    static constexpr DialogItem kOkItem{1, Rect::FromSize(252, 282, 50, 14)};

    static constexpr const char* kTitle = VELNOR_TRANSLATE_NOOP("Help", "Help Info");
    static constexpr const char* kLinkText =
        VELNOR_TRANSLATE_NOOP("Help", "Visit Kestrin on the Web");
    static constexpr const char* kDisclaimerButton = VELNOR_TRANSLATE_NOOP("Help", "Disclaimer");
    static constexpr const char* kOkButton = VELNOR_TRANSLATE_NOOP("Help", "OK");

    // The help field: no length limit, and these ten characters never shown: percent sign,
    // apostrophe, asterisk, double quotation mark, plus sign, question mark, greater-than sign,
    // less-than sign, colon, backslash.
    static constexpr int kHelpMaxLength = 0;
    static constexpr const char* kHelpExcludedChars = "%'*\"+?><:\\";
    static constexpr COLORREF kHelpBackColor = RGB(242, 246, 251);

    // The 27 lines shown when the database has no help text, each ended by CR LF.
    static const std::string& BuiltInText();
    // "Disclaimer:", an empty line and the four lines of the disclaimer, each ended by CR LF.
    static const std::string& DisclaimerText();

    // The text the help field is given: the database's first nHelpLines lines (at most the
    // table's 100), each followed by CR LF; the built-in text when there are none. The field
    // removes the excluded characters itself.
    static std::string ComposeText(const HelpText& help);
};
