#pragma once

#include "linkopener.h"
#include "texts.h"

#include <span>
#include <string>

class Messages;

// What came of asking the desktop's launcher to open an address.
enum class LinkOpenResult {
    Opened,        // the launcher handed the address over and ended well
    StillRunning,  // the launcher had not ended when we stopped waiting: it is busy with the
                   // program it started (some launchers wait for the browser to close)
    NoLauncher,    // there is no launcher, or it could not be started
    NoProgram,     // the launcher found no program for this kind of address
    FileNotFound,  // the address names a file that does not exist
    ActionFailed,  // the program chosen for the address failed to open it
    LauncherError, // the launcher refused its argument, crashed or ended in a way it does not
                   // document; the shell's texts have no words for that
};

// The code of a result: 33 for both successes; 31 (no associated application) when there is no
// launcher or no program; 2 (file not found); 27 (association incomplete or invalid) when the
// chosen program failed; 1, which has no text of its own, for a launcher error.
int LinkOpenCode(LinkOpenResult result);

// How the launcher process ended.
struct LauncherRun {
    enum class End {
        NotStarted,   // not found, or it could not be started
        StillRunning, // not ended within the time we wait
        Crashed,
        Exited,
    };
    End end = End::NotStarted;
    int nExitCode = 0; // when Exited
};

// The result of an xdg-open run by its exit status: 0 success, 1 error in the command line,
// 2 a file passed did not exist, 3 a required tool could not be found, 4 the action failed.
LinkOpenResult XdgOpenResult(const LauncherRun& run);

// A failure code the shell documents, with its explanation.
struct OpenErrorCodeText {
    int nCode;
    const char* szText;
};
// Every documented code, in ascending order.
std::span<const OpenErrorCodeText> OpenErrorCodeTexts();

// The explanation of a failure code, as the message box shows it below its first line;
// "Unknown Error (<code>) occurred." for a code the shell does not document. In the language
// of `texts`, as the two below.
std::string OpenErrorText(int code, const TextLocale& texts);
// The whole message: "Unable to open hyperlink:", an empty line, then the explanation.
std::string OpenErrorMessage(int code, const TextLocale& texts);
// The message box with the exclamation icon.
void ShowOpenError(Messages& messages, int code, const TextLocale& texts);

// The registry fallback of the shell: the command line of the program that opens web pages,
// cut at its placeholder ("%1" in double quotes, cut at the opening quote; else "%1" alone), with
// a blank and the address appended.
std::string OpenCommandLine(const std::string& commandLine, const std::string& address);
