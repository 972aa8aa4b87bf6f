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

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

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
    const SavedInputs inputs = settings.ReadInputs();
    EXPECT_DOUBLE_EQ(inputs.dHeatLoad, 123.45);
    EXPECT_DOUBLE_EQ(inputs.dEvapTemp, -1.0);
    EXPECT_DOUBLE_EQ(inputs.dRGasTemp, 32.29);
    const WindowPlacement placement = settings.ReadPlacement();
    EXPECT_EQ(placement.x, -8);
    EXPECT_EQ(placement.y, 30);
    EXPECT_EQ(placement.width, 800); // never written: the default

    // The names without their blanks are other entries.
    EXPECT_EQ(store.ReadInt("Settings", "UnitsEnergy", 42), 42);
    EXPECT_EQ(store.ReadInt("Settings", "DiamType", 42), 42);
    EXPECT_EQ(store.ReadInt("Settings", " UnitsEnergy    ", 42), 42);
    EXPECT_EQ(store.ReadInt("Location", "Refrig", 42), 42);
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
        EXPECT_DOUBLE_EQ(settings.ReadInputs().dEvapTemp, -25.0);
    }
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
