#pragma once

#include "linkopenresult.h"

#include <QString>

// Opens addresses with the desktop's launcher, xdg-open, run directly (no shell) with the address
// as its one argument. It waits for the launcher at most `timeoutMs`; a launcher still running
// then is left to end on its own and counts as a success, since it is busy with the program it
// started.
class XdgLinkOpener : public LinkOpener {
public:
    static constexpr int kTimeoutMs = 3000;

    // `program` is a name looked up in PATH, or a path.
    explicit XdgLinkOpener(QString program = QStringLiteral("xdg-open"),
                           int timeoutMs = kTimeoutMs);

    int OpenAddress(const std::string& address) override;
    // The launcher's run for `address` (Windows-1252).
    LauncherRun Run(const std::string& address) const;

private:
    QString m_program;
    int m_nTimeoutMs;
};
