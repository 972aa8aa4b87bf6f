#include "linkopenresult.h"

#include <gtest/gtest.h>

namespace {

TEST(OpenErrorText, EveryCodeOfTheShellHasItsText) {
    std::vector<int> codes;
    for (const OpenErrorCodeText& entry : OpenErrorCodeTexts()) {
        codes.push_back(entry.nCode);
        SCOPED_TRACE(entry.nCode);
        EXPECT_EQ(OpenErrorText(entry.nCode, TextLocale{}), entry.szText);
        EXPECT_EQ(OpenErrorMessage(entry.nCode, TextLocale{}),
                  std::string("Unable to open hyperlink:\n\n") + entry.szText);
    }
    EXPECT_EQ(codes, (std::vector<int>{0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32}));
    // The texts keep their line breaks and blanks as the shell words them.
    EXPECT_EQ(OpenErrorText(0, TextLocale{}),
              "The operating system is out\nof memory or resources.");
    EXPECT_EQ(OpenErrorText(26, TextLocale{}), "A sharing violation occurred. ");
    for (int code : {1, 4, 33, -7}) {
        EXPECT_EQ(OpenErrorText(code, TextLocale{}),
                  "Unknown Error (" + std::to_string(code) + ") occurred.");
    }
}

TEST(XdgOpenResult, EachEndOfTheLauncherHasItsCodeAndText) {
    using End = LauncherRun::End;
    const char* const noProgram =
        "There is no application associated\nwith the given filename extension.";
    const struct {
        const char* name;
        LauncherRun run;
        LinkOpenResult result;
        int code;
        const char* text; // null for a success
    } rows[] = {
        {"exit 0: opened", {End::Exited, 0}, LinkOpenResult::Opened, 33, nullptr},
        {"still running: busy with the browser",
         {End::StillRunning, 0},
         LinkOpenResult::StillRunning,
         33,
         nullptr},
        {"not found or not startable",
         {End::NotStarted, 0},
         LinkOpenResult::NoLauncher,
         31,
         noProgram},
        {"exit 3: no tool for the address",
         {End::Exited, 3},
         LinkOpenResult::NoProgram,
         31,
         noProgram},
        {"exit 2: no such file",
         {End::Exited, 2},
         LinkOpenResult::FileNotFound,
         2,
         "The specified file was not found."},
        {"exit 4: the action failed",
         {End::Exited, 4},
         LinkOpenResult::ActionFailed,
         27,
         "The filename association is\nincomplete or invalid."},
        {"exit 1: command line refused",
         {End::Exited, 1},
         LinkOpenResult::LauncherError,
         1,
         "Unknown Error (1) occurred."},
        {"an exit status it does not document",
         {End::Exited, 5},
         LinkOpenResult::LauncherError,
         1,
         "Unknown Error (1) occurred."},
        {"crashed",
         {End::Crashed, 0},
         LinkOpenResult::LauncherError,
         1,
         "Unknown Error (1) occurred."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(XdgOpenResult(row.run), row.result);
        const int code = LinkOpenCode(row.result);
        EXPECT_EQ(code, row.code);
        EXPECT_EQ(LinkOpened(code), row.text == nullptr);
        if (row.text != nullptr) {
            EXPECT_EQ(OpenErrorText(code, TextLocale{}), row.text);
        }
    }
}

TEST(OpenCommandLine, CutsAtThePlaceholderAndAppendsTheAddressOnce) {
    const std::string address = "https://kestrin.example.com/";
    const struct {
        const char* name;
        const char* command;
        std::string expected;
    } rows[] = {
        {"quoted placeholder at the end: cut before its quote",
         "\"C:\\Browser\\browser.exe\" \"%1\"", "\"C:\\Browser\\browser.exe\"  " + address},
        {"quoted placeholder with options after it: the options go too",
         "browser.exe -url \"%1\" -new", "browser.exe -url  " + address},
        {"bare placeholder", "browser.exe -nohome %1", "browser.exe -nohome  " + address},
        {"a quoted one wins over an earlier bare one", "b.exe %1x \"%1\"", "b.exe %1x  " + address},
        {"no placeholder: appended after a blank", "browser.exe", "browser.exe " + address},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(OpenCommandLine(row.command, address), row.expected);
    }
}

} // namespace
