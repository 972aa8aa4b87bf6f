#include "xdglinkopener.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A stand-in for xdg-open in a temporary directory: it writes its argument count and arguments
// into "args" beside itself, then runs `body`.
class FakeLauncher {
public:
    explicit FakeLauncher(const QString& body) {
        EXPECT_TRUE(dir.isValid());
        QFile script(Path());
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        const QString text = QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '") +
                             dir.filePath(QStringLiteral("args")) + QStringLiteral("'\n") + body +
                             QStringLiteral("\n");
        script.write(text.toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString Path() const { return dir.filePath(QStringLiteral("xdg-open")); }
    QString Args() const {
        QFile file(dir.filePath(QStringLiteral("args")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    QTemporaryDir dir;
};

TEST(XdgLinkOpener, TheLaunchersExitStatusGivesTheCode) {
    const struct {
        const char* body;
        int code;
    } rows[] = {
        {"exit 0", 33}, {"exit 1", 1},  {"exit 2", 2},
        {"exit 3", 31}, {"exit 4", 27}, {"kill -9 $$", 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.body);
        FakeLauncher launcher(QString::fromUtf8(row.body));
        XdgLinkOpener opener(launcher.Path());
        EXPECT_EQ(opener.OpenAddress("https://kestrin.example.com/"), row.code);
    }
}

TEST(XdgLinkOpener, PassesTheAddressAsOneArgumentWithoutAShell) {
    FakeLauncher launcher(QStringLiteral("exit 0"));
    XdgLinkOpener opener(launcher.Path());
    // Blanks, quotes and a semicolon reach the launcher untouched; \xE9 is Windows-1252.
    const std::string address = "https://a.example/x y?q='1'\";ls&r=caf\xE9";
    ASSERT_EQ(opener.OpenAddress(address), 33);
    EXPECT_EQ(launcher.Args(), QStringLiteral("1\nhttps://a.example/x y?q='1'\";ls&r=caf") +
                                   QChar(0xE9) + QStringLiteral("\n"));
}

TEST(XdgLinkOpener, AMissingLauncherIsNoAssociatedApplication) {
    EXPECT_EQ(XdgLinkOpener(QStringLiteral("velnor-no-such-launcher")).OpenAddress("x"), 31);
    EXPECT_EQ(XdgLinkOpener(QStringLiteral("/nonexistent/xdg-open")).OpenAddress("x"), 31);
}

TEST(XdgLinkOpener, ALauncherStillBusyAtTheTimeoutCountsAsOpened) {
    FakeLauncher launcher(QStringLiteral("exec sleep 2"));
    XdgLinkOpener opener(launcher.Path(), 200);
    const LauncherRun run = opener.Run("https://kestrin.example.com/");
    EXPECT_EQ(run.end, LauncherRun::End::StillRunning);
    EXPECT_EQ(LinkOpenCode(XdgOpenResult(run)), 33);
    // The launcher left running is cleaned up once it ends.
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return QCoreApplication::instance()->findChildren<QProcess*>().isEmpty(); }, 5000));
}

} // namespace
