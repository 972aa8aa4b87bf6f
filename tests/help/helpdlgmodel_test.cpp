#include "charfilteredit.h"
#include "database.h"
#include "helpdlgmodel.h"
#include "memorytextfield.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The text as the help dialog's field shows it.
std::string Shown(const std::string& text) {
    MemoryTextField field;
    field.SetReadOnly(true);
    CCharFilterEdit edit(HelpDlgModel::kHelpMaxLength, HelpDlgModel::kHelpExcludedChars);
    edit.Attach(field);
    edit.SetText(text);
    return edit.GetText();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    lines.push_back(text.substr(from)); // what follows the last break
    return lines;
}

void PutLine(HelpText& help, int row, const char* text) {
    std::strncpy(help.szHelp[row], text, kHelpRowLength);
}

} // namespace

TEST(HelpDlgModel, DatabaseLinesEachOnTheirOwnLine) {
    HelpText help;
    PutLine(help, 0, "Velnor help");
    PutLine(help, 1, "Note: \"quoted\" 50% <more> a*b+c? C:\\dir 'x'");
    PutLine(help, 2, "Last line");
    PutLine(help, 3, "not counted");
    help.nHelpLines = 3;

    const std::string text = HelpDlgModel::ComposeText(help);
    EXPECT_EQ(text, "Velnor help\r\nNote: \"quoted\" 50% <more> a*b+c? C:\\dir 'x'\r\n"
                    "Last line\r\n");
    EXPECT_EQ(Lines(Shown(text)),
              (std::vector<std::string>{"Velnor help", "Note quoted 50 more abc Cdir x",
                                        "Last line", ""}))
        << "three lines, then the empty last line; the built-in text does not appear";
}

TEST(HelpDlgModel, FullRowsAndTheRowBound) {
    HelpText help;
    std::memset(help.szHelp[0], 'a', sizeof help.szHelp[0]); // no terminator
    std::strcpy(help.szHelp[1], "b");
    help.nHelpLines = 1;
    EXPECT_EQ(HelpDlgModel::ComposeText(help), std::string(kHelpRowLength + 1, 'a') + "\r\n")
        << "a row ends at its own end";

    for (int i = 0; i < kMaxHelpRows; ++i)
        PutLine(help, i, "x");
    help.nHelpLines = kMaxHelpRows + 5;
    EXPECT_EQ(Lines(HelpDlgModel::ComposeText(help)).size(),
              static_cast<std::size_t>(kMaxHelpRows) + 1);
}

TEST(HelpDlgModel, WithoutDatabaseLinesTheBuiltInText) {
    HelpText help;
    EXPECT_EQ(HelpDlgModel::ComposeText(help), HelpDlgModel::BuiltInText());
    help.nHelpLines = -1;
    EXPECT_EQ(HelpDlgModel::ComposeText(help), HelpDlgModel::BuiltInText());

    const std::vector<std::string> lines = Lines(HelpDlgModel::BuiltInText());
    ASSERT_EQ(lines.size(), 28u) << "27 lines, each ended by CR LF";
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(lines[0], "Velnor\x99");
    EXPECT_TRUE(lines[2].find("Kestrin") != std::string::npos &&
                lines[2].find("2005") != std::string::npos)
        << "the maker and the year: " << lines[2];
    EXPECT_EQ(lines[7], "The program Velnor\x99 suggests the capillary tube length on a "
                        "refrigeration");
    EXPECT_EQ(lines[21], "Min. 200 MHz Pentium\xAE or compatible");
    EXPECT_EQ(lines[24], "Microsoft Windows 95\xAE, 98, ME, XP, NT 4.0, 2000 or newer");
    for (const int empty : {3, 4, 6, 9, 10, 12, 17, 18, 20, 25, 26})
        EXPECT_EQ(lines[static_cast<std::size_t>(empty)], "") << "line " << empty + 1;
}

TEST(HelpDlgModel, BuiltInTextShownWithoutItsColons) {
    const std::string shown = Shown(HelpDlgModel::BuiltInText());
    for (const char c : std::string(HelpDlgModel::kHelpExcludedChars))
        EXPECT_EQ(shown.find(c), std::string::npos) << c;
    const std::vector<std::string> lines = Lines(shown);
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[5], "Introduction");
    EXPECT_EQ(lines[11], "Installation and requirements");
    EXPECT_EQ(lines[19], "System requirements");
    // The colons are the only characters the field takes out.
    EXPECT_EQ(HelpDlgModel::BuiltInText().size() - shown.size(), 3u);
}

TEST(HelpDlgModel, DisclaimerText) {
    const std::vector<std::string> lines = Lines(HelpDlgModel::DisclaimerText());
    ASSERT_EQ(lines.size(), 7u) << "heading, empty line, four lines ended by CR LF";
    EXPECT_EQ(lines[0], "Disclaimer:");
    EXPECT_EQ(lines[1], "");
    EXPECT_NE(lines[2].find("VELNOR"), std::string::npos) << "the product in capitals";
    EXPECT_NE(lines[2].find("no responsibility"), std::string::npos);
    EXPECT_NE(lines[3].find("without notice"), std::string::npos);
    EXPECT_NE(lines[4].find("trademarks"), std::string::npos);
    EXPECT_NE(lines[5].find("All rights reserved"), std::string::npos);
    EXPECT_EQ(lines[6], "");
}
