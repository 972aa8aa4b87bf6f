#include "inirepair.h"
#include "persistentsettings.h"
#include "qtsettingsstore.h"
#include "settingsfixtures.h"
#include "testsettingsdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

#include <condition_variable>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Each test names its own application, so each has its own file.
QString UseApplicationName(const char* name) {
    const QString application = QString::fromLatin1(name);
    QCoreApplication::setApplicationName(application);
    return TestSettingsDir() + QStringLiteral("/Kestrin Velnor 1/") + application +
           QStringLiteral(".conf");
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QString ReadText(const QString& path) {
    return QString::fromUtf8(ReadBytes(path));
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Every value the program stores, none at its default and each exact in hundredths.
struct StoredValues {
    UnitSettings units{1, 0, 0, 0, 0, 1, 1};
    int nRefrig = 2;
    SavedInputs inputs{123.5, -1.5, 40.0, 20.25, 30.0};
    WindowPlacement placement{50, 60, 700, 650};
};

void WriteAll(SettingsStore& store, const StoredValues& v) {
    PersistentSettings settings(store);
    settings.WriteUnits(v.units, UnitSettings{}); // every unit differs from its default
    settings.WriteSelectionAndInputs(v.nRefrig, v.inputs);
    settings.StorePosition({true, false, false}, v.placement.x, v.placement.y);
    settings.StoreSize({true, false, false}, v.placement.width, v.placement.height);
}

// The values as one list, to compare them at once.
std::vector<double> Values(const StoredValues& v) {
    const std::vector<int> units = UnitValues(v.units);
    std::vector<double> values(units.begin(), units.end());
    const SavedInputs& i = v.inputs;
    const WindowPlacement& p = v.placement;
    for (double value : {double(v.nRefrig), i.dHeatLoad, i.dEvapTemp, i.dCondTemp, i.dRGasTemp,
                         i.dAmbient, double(p.x), double(p.y), double(p.width), double(p.height)})
        values.push_back(value);
    return values;
}

// What a run reads at its start (the units, placement, refrigerant and inputs).
std::vector<double> ReadAll(SettingsStore& store) {
    PersistentSettings settings(store);
    StoredValues v;
    settings.ReadUnits(v.units);
    v.placement = settings.ReadPlacement();
    v.nRefrig = settings.ReadRefrigerant(5);
    v.inputs = settings.ReadInputs(v.units);
    return Values(v);
}

// A well-formed file of every value as the store writes it, then damaged by `damage`; returns
// the damaged bytes.
QByteArray WriteDamagedFile(const QString& path, QByteArray (*damage)(const QByteArray&)) {
    {
        QtSettingsStore store;
        WriteAll(store, StoredValues{});
    }
    const QByteArray damaged = damage(ReadBytes(path));
    WriteBytes(path, damaged);
    return damaged;
}

// The three damages that made QSettings lose entries for good.
struct Damage {
    const char* name;
    QByteArray (*apply)(const QByteArray&);
};
const Damage kDamages[] = {
    {"a quote left open",
     [](const QByteArray& f) {
         return QByteArray(f).replace("[Location]\n", "[Location]\nx=\"abc\n");
     }},
    {"a backslash at a line's end",
     [](const QByteArray& f) { return QByteArray(f).replace("Refrig=2\n", "Refrig=2\\\n"); }},
    {"no line break before [Location]",
     [](const QByteArray& f) {
         const qsizetype settings = f.indexOf("[Settings]");
         return f.mid(settings).trimmed() + f.left(settings).trimmed() + "\n";
     }},
};

TEST(QtSettingsStore, WritesAnIniFileUnderTheCompanyKeyAndApplicationName) {
    const QString path = UseApplicationName("velnor-write");
    {
        QtSettingsStore store;
        EXPECT_EQ(store.Location(), path);
        UnitSettings units;
        units.UnitsEnergy = 1;
        units.UnitsTemperature = 0;
        units.DiamType = 1;
        PersistentSettings settings(store);
        settings.WriteUnits(units, {0, 1, 0, 0, 0, 1, 0}); // all seven changed
        settings.WriteSelectionAndInputs(2, {123.456, -1.005, 55.0, 32.3, 25.0});
        settings.StorePosition({true, false, false}, -8, 30);
    }
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    const QString text = ReadText(path);
    // Blanks in entry names are kept, written as %20.
    for (const char* line :
         {"[Settings]", "UnitsEnergy%20%20%20%20%20=1", "UnitsTemperature=0",
          "UnitsPressure%20%20%20=1", "UnitsDiameter%20%20%20=1", "UnitsLength%20%20%20%20%20=1",
          "UnitsFlow%20%20%20%20%20%20%20=0", "DiamType%20%20%20%20%20%20%20%20=1", "Refrig=2",
          "dHeatLoad=12345", "dEvapTemp=-100", "dRGasTemp=3229", "[Location]", "XPos=-8",
          "YPos=30"}) {
        EXPECT_TRUE(text.contains(QString::fromLatin1(line) + QLatin1Char('\n')))
            << line << "\n"
            << text.toStdString();
    }

    // A second store, as in the next run, reads everything back under the padded names.
    QtSettingsStore store;
    PersistentSettings settings(store);
    UnitSettings units;
    settings.ReadUnits(units);
    EXPECT_EQ(UnitValues(units), (std::vector<int>{1, 0, 1, 1, 1, 0, 1}));
    EXPECT_EQ(settings.ReadRefrigerant(5), 2);
    const SavedInputs inputs = settings.ReadInputs(units);
    EXPECT_DOUBLE_EQ(inputs.dHeatLoad, 123.45);
    EXPECT_DOUBLE_EQ(inputs.dEvapTemp, -1.0);
    EXPECT_DOUBLE_EQ(inputs.dRGasTemp, 32.29);
    const WindowPlacement placement = settings.ReadPlacement();
    EXPECT_EQ(placement.x, -8);
    EXPECT_EQ(placement.y, 30);
    EXPECT_EQ(placement.width, 800); // never written: the default

    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".bak"))) << "a whole file needs no copy";

    // The names without their blanks are other entries.
    EXPECT_EQ(store.ReadInt("Settings", "UnitsEnergy", 42), 42);
    EXPECT_EQ(store.ReadInt("Settings", "DiamType", 42), 42);
    EXPECT_EQ(store.ReadInt("Settings", " UnitsEnergy    ", 42), 42);
    EXPECT_EQ(store.ReadInt("Location", "Refrig", 42), 42);
}

TEST(QtSettingsStore, ADamagedFileKeepsEveryEntryAndACopyOfItself) {
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        const QString path =
            UseApplicationName((std::string("velnor-damage-") + damage.name).c_str());
        const QByteArray damaged = WriteDamagedFile(path, damage.apply);
        {
            // A run: read at the start, the selection and inputs written at the close.
            QtSettingsStore store;
            EXPECT_EQ(ReadAll(store), Values(StoredValues{}));
            const StoredValues v;
            PersistentSettings(store).WriteSelectionAndInputs(v.nRefrig, v.inputs);
        }
        QtSettingsStore next;
        EXPECT_EQ(ReadAll(next), Values(StoredValues{}));
        EXPECT_EQ(ReadBytes(path + QStringLiteral(".bak")), damaged);
    }
}

TEST(QtSettingsStore, WithoutRoomForACopyADamagedFileIsNeverWritten) {
    const QString path = UseApplicationName("velnor-no-copy");
    const QByteArray damaged = WriteDamagedFile(path, kDamages[2].apply);
    for (int n = 1; n <= IniRepair::kBackupNames; ++n)
        ASSERT_TRUE(
            QDir().mkpath(QString::fromStdString(IniRepair::BackupName(path.toStdString(), n))));
    {
        QtSettingsStore store;
        EXPECT_EQ(ReadAll(store), Values(StoredValues{}));
        PersistentSettings(store).WriteSelectionAndInputs(0, SavedInputs{});
        EXPECT_EQ(store.ReadInt("Settings", "Refrig", -1), 0);
        store.Save();
        EXPECT_NE(store.TakeNotice().find("no backup copy"), std::string::npos);
    }
    EXPECT_EQ(ReadBytes(path), damaged);
}

TEST(QtSettingsStore, HandEditedValuesThatAreNotIntegersGiveTheDefault) {
    const QString path = UseApplicationName("velnor-edited");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\n"
                   "Refrig=abc\n"
                   "dHeatLoad=99999999999\n"
                   "dEvapTemp=12.5\n"
                   "dCondTemp=-99999999999\n"
                   "UnitsFlow=1\n"
                   "UnitsFlow%20%20%20%20%20%20%20=5\n"
                   "[Location]\n"
                   "XSiz=5000\n");
    }
    QtSettingsStore store;
    PersistentSettings settings(store);
    EXPECT_EQ(store.ReadInt("Settings", "Refrig", 3), 3);
    EXPECT_EQ(store.ReadInt("Settings", "dHeatLoad", 11000), 11000);
    EXPECT_EQ(store.ReadInt("Settings", "dEvapTemp", -2500), -2500);
    EXPECT_EQ(store.ReadInt("Settings", "dCondTemp", 5500), 5500);
    UnitSettings units;
    settings.ReadUnits(units);
    EXPECT_EQ(units.UnitsFlow, 1); // the padded entry's 5, normalised
    const WindowPlacement placement = settings.ReadPlacement(1280, 1024);
    EXPECT_EQ(placement.x, 10);
    EXPECT_EQ(placement.width, 1260);
}

TEST(QtSettingsStore, IntegersRoundTripAtTheirLimits) {
    UseApplicationName("velnor-limits");
    {
        QtSettingsStore store;
        store.WriteInt("Settings", "dHeatLoad", 2147483647);
        store.WriteInt("Settings", "dEvapTemp", -2147483647 - 1);
        store.WriteInt("Settings", "dCondTemp", 0);
    }
    QtSettingsStore store;
    EXPECT_EQ(store.ReadInt("Settings", "dHeatLoad", 1), 2147483647);
    EXPECT_EQ(store.ReadInt("Settings", "dEvapTemp", 1), -2147483647 - 1);
    EXPECT_EQ(store.ReadInt("Settings", "dCondTemp", 1), 0); // a stored 0 is not "missing"
}

TEST(QtSettingsStore, AnEmptyStoreGivesTheDefaultsAndWritesNoFile) {
    const QString path = UseApplicationName("velnor-empty");
    {
        QtSettingsStore store;
        PersistentSettings settings(store);
        UnitSettings units;
        settings.ReadUnits(units);
        EXPECT_EQ(UnitValues(units), UnitValues(UnitSettings{}));
        EXPECT_EQ(settings.ReadPlacement(1920, 1080), (WindowPlacement{10, 10, 800, 640}));
        EXPECT_DOUBLE_EQ(settings.ReadInputs(units).dEvapTemp, -13.0); // -25 ºC
    }
    EXPECT_FALSE(QFile::exists(path));
}

// Steps in when the code under test is still blocked after three seconds: runs `unblock`
// every half second until the scope ends, and says whether it had to.
class Watchdog {
public:
    explicit Watchdog(std::function<void()> unblock)
        : m_thread([this, unblock = std::move(unblock)] {
              std::unique_lock lock(m_mutex);
              if (m_done.wait_for(lock, std::chrono::seconds(3), [this] { return m_finished; }))
                  return;
              do {
                  m_fired = true;
                  unblock();
              } while (!m_done.wait_for(lock, std::chrono::milliseconds(500),
                                        [this] { return m_finished; }));
          }) {}
    ~Watchdog() { Finish(); }
    // Ends the watch; whether it had to step in.
    bool Finish() {
        {
            const std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        return m_fired;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    bool m_fired = false;
    std::thread m_thread;
};

QString FileKind(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() ? QStringLiteral("link to ") + info.symLinkTarget()
           : info.isDir()   ? QStringLiteral("folder")
           : info.isFile()  ? QStringLiteral("file of %1 bytes").arg(info.size())
                            : QStringLiteral("other");
}

TEST(QtSettingsStore, WhatIsNoOrdinarySettingsFileIsNeitherReadNorWritten) {
    const struct {
        const char* name;
        std::function<bool(const QString&)> make;
        const char* notice;
    } rows[] = {
        {"a pipe", [](const QString& path) { return ::mkfifo(QFile::encodeName(path), 0600) == 0; },
         "is not an ordinary file"},
        {"a link to /dev/zero",
         [](const QString& path) { return QFile::link(QStringLiteral("/dev/zero"), path); },
         "is not an ordinary file"},
        {"a folder", [](const QString& path) { return QDir().mkpath(path); },
         "is not an ordinary file"},
        {"a file of more than a MiB",
         [](const QString& path) {
             QFile file(path);
             return file.open(QIODevice::WriteOnly) &&
                    file.write(QByteArray(QtSettingsStore::kMaxFileSize / 4, ' ')
                                   .replace(' ', "a=1\n")
                                   .append("b=1\n")) > QtSettingsStore::kMaxFileSize;
         },
         "too large"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = UseApplicationName((std::string("velnor-odd-") + row.name).c_str());
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        ASSERT_TRUE(row.make(path));
        const QString before = FileKind(path);
        // A reader of the pipe waits for a writer: the watchdog comes as one and goes.
        Watchdog watchdog([&] {
            const int fd = ::open(QFile::encodeName(path), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        });
        {
            QtSettingsStore store;
            MemorySettingsStore empty;
            EXPECT_EQ(ReadAll(store), ReadAll(empty));
            WriteAll(store, StoredValues{});
            store.Save();
            EXPECT_EQ(ReadAll(store), Values(StoredValues{})) << "the run keeps its changes";
            const std::string notice = store.TakeNotice();
            EXPECT_NE(notice.find(row.notice), std::string::npos) << notice;
            EXPECT_NE(notice.find(path.toStdString()), std::string::npos) << notice;
            store.Save();
            EXPECT_EQ(store.TakeNotice(), "") << "told once";
        }
        EXPECT_FALSE(watchdog.Finish()) << "the store waited on the file";
        EXPECT_EQ(FileKind(path), before);
    }
}

TEST(QtSettingsStore, AHeldLockNeverHoldsUpASave) {
    const struct {
        const char* name;
        std::function<bool(const QString&)> make;
    } rows[] = {
        {"a folder", [](const QString& lock) { return QDir().mkpath(lock); }},
        {"a fresh lock of another computer",
         [](const QString& lock) {
             QFile file(lock);
             return file.open(QIODevice::WriteOnly) &&
                    file.write("12345\nvelnor\nanother-computer\n") > 0;
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = UseApplicationName((std::string("velnor-lock-") + row.name).c_str());
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        WriteBytes(path, "[Settings]\nRefrig=1\n");
        const QString lock = path + QStringLiteral(".lock");
        ASSERT_TRUE(row.make(lock));
        Watchdog watchdog([&] {
            QDir(lock).removeRecursively();
            QFile::remove(lock);
        });
        QtSettingsStore store;
        store.WriteInt("Settings", "Refrig", 2);
        store.Save();
        store.WriteInt("Settings", "Refrig", 3);
        store.Save();
        EXPECT_FALSE(watchdog.Finish()) << "the save waited on the lock";
        EXPECT_EQ(ReadBytes(path), "[Settings]\nRefrig=1\n");
        const std::string notice = store.TakeNotice();
        EXPECT_NE(notice.find("is locked"), std::string::npos) << notice;
        EXPECT_EQ(store.TakeNotice(), "");

        // Once the lock is gone, the next save keeps the change.
        QDir(lock).removeRecursively();
        QFile::remove(lock);
        store.WriteInt("Settings", "Refrig", 4);
        store.Save();
        EXPECT_EQ(ReadBytes(path), "[Settings]\nRefrig=4\n");
    }
}

TEST(QtSettingsStore, TwoProgramsKeepEachOthersChanges) {
    const QString path = UseApplicationName("velnor-two");
    {
        QtSettingsStore store;
        WriteAll(store, StoredValues{});
    }
    // Both orders of saving: each run writes only what it changed.
    for (const bool firstSavesFirst : {true, false}) {
        QtSettingsStore first;
        QtSettingsStore second;
        PersistentSettings one(first);
        PersistentSettings two(second);
        SavedInputs inputs = one.ReadInputs(UnitSettings{});
        one.RestoredSelectionAndInputs(one.ReadRefrigerant(5), inputs);
        two.RestoredSelectionAndInputs(two.ReadRefrigerant(5), two.ReadInputs(UnitSettings{}));
        inputs.dHeatLoad += 1;
        one.WriteSelectionAndInputs(2, inputs);
        inputs = two.ReadInputs(UnitSettings{});
        inputs.dEvapTemp += 1;
        two.WriteSelectionAndInputs(2, inputs);
        (firstSavesFirst ? first : second).Save();
        (firstSavesFirst ? second : first).Save();

        QtSettingsStore next;
        const SavedInputs saved = PersistentSettings(next).ReadInputs(UnitSettings{});
        EXPECT_DOUBLE_EQ(saved.dHeatLoad, StoredValues{}.inputs.dHeatLoad + 1);
        EXPECT_DOUBLE_EQ(saved.dEvapTemp, StoredValues{}.inputs.dEvapTemp + 1);
        WriteAll(next, StoredValues{});
    }
}

TEST(QtSettingsStore, AReadOnlyFileIsLeftAloneAndTheUserToldOnce) {
    const QString path = UseApplicationName("velnor-read-only");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    WriteBytes(path, "[Settings]\nRefrig=1\n");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
    {
        QtSettingsStore store;
        store.WriteInt("Settings", "Refrig", 2);
        store.Save();
        EXPECT_NE(store.TakeNotice().find("is read-only"), std::string::npos);
        store.WriteInt("Settings", "Refrig", 3);
        store.Save();
        EXPECT_EQ(store.TakeNotice(), "");
        EXPECT_EQ(store.ReadInt("Settings", "Refrig", 0), 3);
    }
    EXPECT_EQ(ReadBytes(path), "[Settings]\nRefrig=1\n");
}

TEST(QtSettingsStore, TemporaryFilesOfKilledSavesGoAtTheStart) {
    const QString path = UseApplicationName("velnor-stale");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    WriteBytes(path, "[Settings]\nRefrig=1\n");
    const QString stale = path + QStringLiteral(".Ab12Cd");
    const QString others[] = {path + QStringLiteral(".bak"), path + QStringLiteral(".Ab12C"),
                              path + QStringLiteral(".Ab12Cde")};
    for (const QString& name : others)
        WriteBytes(name, "x");
    WriteBytes(stale, "[Settings]\n");
    QtSettingsStore store;
    EXPECT_FALSE(QFile::exists(stale));
    for (const QString& name : others)
        EXPECT_TRUE(QFile::exists(name)) << name.toStdString();
    EXPECT_EQ(store.ReadInt("Settings", "Refrig", 0), 1);
}

TEST(QtSettingsStore, WhatQtWritesIsLeftAsItIs) {
    const QString path = UseApplicationName("velnor-qt-written");
    {
        QSettings qt(path, QSettings::IniFormat);
        qt.setValue(QStringLiteral("k"), QStringLiteral("[x]y"));
        qt.setValue(QStringLiteral("Settings/path"), QStringLiteral("C:\\temp\\"));
        qt.setValue(QStringLiteral("Settings/n"), QStringLiteral("1[Location]"));
        qt.setValue(QStringLiteral("Settings/list"), QStringList{QStringLiteral("a, [b]"), {}});
        qt.setValue(QStringLiteral("Settings/q"), QStringLiteral(" \"a;b\"=\\ "));
        qt.setValue(QStringLiteral("Settings/nul"), QString(QChar(0)) + QStringLiteral("1\t"));
        qt.setValue(QStringLiteral("Settings/bytes"), QByteArray("\0\xff[;]", 5));
        qt.setValue(QStringLiteral("odd [group]/\"key\"; x=y"), QStringLiteral("v"));
        qt.setValue(QStringLiteral("Settings/dAmbient"), 2500);
    }
    const QByteArray written = ReadBytes(path);
    EXPECT_TRUE(IniRepair::Read(written.toStdString(), PersistentSettings::EntryNames()).Whole())
        << written.toStdString();
    {
        QtSettingsStore store;
        EXPECT_EQ(store.ReadInt("Settings", "dAmbient", 0), 2500);
        store.WriteInt("Settings", "dAmbient", 2600);
    }
    EXPECT_EQ(ReadBytes(path), QByteArray(written).replace("dAmbient=2500", "dAmbient=2600"));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".bak")));
}

TEST(QtSettingsStore, WithoutHomeTheAccountsHomeHoldsTheSettings) {
    const std::optional<QByteArray> home =
        qEnvironmentVariableIsSet("HOME") ? std::optional(qgetenv("HOME")) : std::nullopt;
    const QByteArray config = qgetenv("XDG_CONFIG_HOME"); // set by the test main
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    const QString path = QtSettingsStore::FilePath(QStringLiteral("O"), QStringLiteral("a"));
    if (home)
        qputenv("HOME", *home);
    qputenv("XDG_CONFIG_HOME", config);
    const passwd* account = ::getpwuid(::getuid());
    ASSERT_NE(account, nullptr);
    EXPECT_EQ(path, QFile::decodeName(account->pw_dir) + QStringLiteral("/.config/O/a.conf"));
}

} // namespace
