#include "linkopenresult.h"

#include "messages.h"
#include "texts.h"

namespace {

constexpr int kOpenedCode = 33;
constexpr int kNoAssociationCode = 31;
constexpr int kFileNotFoundCode = 2;
constexpr int kAssociationInvalidCode = 27;
constexpr int kUndocumentedCode = 1;

constexpr OpenErrorCodeText kCodeTexts[] = {
    {0, VELNOR_TRANSLATE_NOOP("Messages", "The operating system is out\nof memory or resources.")},
    {2, VELNOR_TRANSLATE_NOOP("Messages", "The specified file was not found.")},
    {3, VELNOR_TRANSLATE_NOOP("Messages", "The specified path was not found.")},
    {5, VELNOR_TRANSLATE_NOOP("Messages",
                              "The operating system denied\naccess to the specified file.")},
    {8,
     VELNOR_TRANSLATE_NOOP("Messages", "There was not enough memory to complete the operation.")},
    {11, VELNOR_TRANSLATE_NOOP(
             "Messages", "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).")},
    {26, VELNOR_TRANSLATE_NOOP("Messages", "A sharing violation occurred. ")},
    {27, VELNOR_TRANSLATE_NOOP("Messages", "The filename association is\nincomplete or invalid.")},
    {28,
     VELNOR_TRANSLATE_NOOP(
         "Messages", "The DDE transaction could not\nbe completed because the request timed out.")},
    {29, VELNOR_TRANSLATE_NOOP("Messages", "The DDE transaction failed.")},
    {30, VELNOR_TRANSLATE_NOOP(
             "Messages",
             "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
             "being processed.")},
    {31, VELNOR_TRANSLATE_NOOP(
             "Messages", "There is no application associated\nwith the given filename extension.")},
    {32, VELNOR_TRANSLATE_NOOP("Messages", "The specified dynamic-link library was not found.")},
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

std::string OpenErrorText(int code, const TextLocale& texts) {
    for (const OpenErrorCodeText& entry : kCodeTexts) {
        if (entry.nCode == code)
            return texts.Tr("Messages", entry.szText);
    }
    return Compose(texts.Tr("Messages", "Unknown Error (%1) occurred."), {std::to_string(code)});
}

std::string OpenErrorMessage(int code, const TextLocale& texts) {
    return texts.Tr("Messages", "Unable to open hyperlink:") + "\n\n" + OpenErrorText(code, texts);
}

void ShowOpenError(Messages& messages, int code, const TextLocale& texts) {
    messages.Show(OpenErrorMessage(code, texts), Messages::Icon::Exclamation);
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
