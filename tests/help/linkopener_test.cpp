#include "linkopenresult.h"

#include <gtest/gtest.h>

namespace {

TEST(OpenErrorText, EveryCodeOfTheShellHasItsText) {
    const struct {
        int code;
        const char* text;
    } rows[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not\nbe completed because other DDE "
             "transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {1, "Unknown Error (1) occurred."},
        {4, "Unknown Error (4) occurred."},
        {33, "Unknown Error (33) occurred."},
        {-7, "Unknown Error (-7) occurred."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(OpenErrorText(row.code), row.text);
        EXPECT_EQ(OpenErrorMessage(row.code),
                  std::string("Unable to open hyperlink:\n\n") + row.text);
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
            EXPECT_EQ(OpenErrorText(code), row.text);
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
