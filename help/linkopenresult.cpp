#include "linkopenresult.h"

#include "messages.h"

#include <cstdio>

namespace {

constexpr int kOpenedCode = 33;
constexpr int kNoAssociationCode = 31;
constexpr int kFileNotFoundCode = 2;
constexpr int kAssociationInvalidCode = 27;
constexpr int kUndocumentedCode = 1;

constexpr OpenErrorCodeText kCodeTexts[] = {
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
    {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
         "being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};

} // namespace

int LinkOpenCode(LinkOpenResult result) {
    switch (result) {
    case LinkOpenResult::Opened:
    case LinkOpenResult::StillRunning:
        return kOpenedCode;
    case LinkOpenResult::NoLauncher:
    case LinkOpenResult::NoProgram:
        return kNoAssociationCode;
    case LinkOpenResult::FileNotFound:
        return kFileNotFoundCode;
    case LinkOpenResult::ActionFailed:
        return kAssociationInvalidCode;
    case LinkOpenResult::LauncherError:
        break;
    }
    return kUndocumentedCode;
}

LinkOpenResult XdgOpenResult(const LauncherRun& run) {
    switch (run.end) {
    case LauncherRun::End::NotStarted:
        return LinkOpenResult::NoLauncher;
    case LauncherRun::End::StillRunning:
        return LinkOpenResult::StillRunning;
    case LauncherRun::End::Crashed:
        return LinkOpenResult::LauncherError;
    case LauncherRun::End::Exited:
        break;
    }
    switch (run.nExitCode) {
    case 0:
        return LinkOpenResult::Opened;
    case 2:
        return LinkOpenResult::FileNotFound;
    case 3:
        return LinkOpenResult::NoProgram;
    case 4:
        return LinkOpenResult::ActionFailed;
    default:
        return LinkOpenResult::LauncherError;
    }
}

std::span<const OpenErrorCodeText> OpenErrorCodeTexts() {
    return kCodeTexts;
}

std::string OpenErrorText(int code) {
    for (const OpenErrorCodeText& entry : kCodeTexts) {
        if (entry.nCode == code)
            return entry.szText;
    }
    char text[64];
    std::snprintf(text, sizeof text, "Unknown Error (%d) occurred.", code);
    return text;
}

std::string OpenErrorMessage(int code) {
    return "Unable to open hyperlink:\n\n" + OpenErrorText(code);
}

void ShowOpenError(Messages& messages, int code) {
    messages.Show(OpenErrorMessage(code), Messages::Icon::Exclamation);
}

std::string OpenCommandLine(const std::string& commandLine, const std::string& address) {
    std::string command = commandLine;
    std::string::size_type at = command.find("\"%1\"");
    if (at == std::string::npos)
        at = command.find("%1");
    if (at != std::string::npos)
        command.erase(at);
    return command + " " + address;
}
