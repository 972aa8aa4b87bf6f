#include "xdglinkopener.h"

#include "qcp1252.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

#include <memory>
#include <utility>

XdgLinkOpener::XdgLinkOpener(QString program, int timeoutMs)
    : m_program(std::move(program)), m_nTimeoutMs(timeoutMs) {}

int XdgLinkOpener::OpenAddress(const std::string& address) {
    return LinkOpenCode(XdgOpenResult(Run(address)));
}

LauncherRun XdgLinkOpener::Run(const std::string& address) const {
    using End = LauncherRun::End;
    const QString path = m_program.contains(QLatin1Char('/'))
                             ? m_program
                             : QStandardPaths::findExecutable(m_program);
    if (path.isEmpty())
        return {End::NotStarted, 0};

    auto process = std::make_unique<QProcess>();
    process->setProgram(path);
    process->setArguments({FromCp1252(address)});
    // Nobody reads what the launcher or the browser it starts writes.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted(m_nTimeoutMs))
        return {End::NotStarted, 0};
    if (!process->waitForFinished(m_nTimeoutMs)) {
        // Busy with the program it started: let it run and clean up when it ends.
        QProcess* running = process.release();
        running->setParent(QCoreApplication::instance());
        QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
        return {End::StillRunning, 0};
    }
    if (process->exitStatus() == QProcess::CrashExit)
        return {End::Crashed, 0};
    return {End::Exited, process->exitCode()};
}
