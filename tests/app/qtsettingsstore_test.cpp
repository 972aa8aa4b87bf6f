#include "inirepair.h"
#include "persistentsettings.h"
#include "qtsettingsstore.h"
#include "settingsfixtures.h"
#include "testsettingsdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

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
    settings.WriteUnits(v.units);
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
        settings.WriteUnits(units);
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

} // namespace
