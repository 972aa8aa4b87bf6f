// A settings file read line by line: what each kind of line becomes, and which lines count as
// read otherwise than by the INI reader under the store.
#include "inirepair.h"
#include "persistentsettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct RepairCase {
    const char* name;
    std::string file;
    std::string text;         // Text()
    std::vector<int> changed; // ChangedLines()
};

TEST(IniRepair, EveryLineStandsOnItsOwn) {
    const RepairCase cases[] = {
        {"as the store writes it: whole",
         "[Location]\nXPos=-8\n\n[Settings]\nUnitsEnergy%20%20%20%20%20=1\nx=\"a;\\\"b\"\n"
         "y=c:\\\\\n",
         "[Location]\nXPos=-8\n\n[Settings]\nUnitsEnergy%20%20%20%20%20=1\nx=\"a;\\\"b\"\n"
         "y=c:\\\\\n",
         {}},
        {"CR LF, CR and a byte order mark",
         "\xEF\xBB\xBF[Settings]\r\nRefrig=2\rdAmbient=1",
         "[Settings]\nRefrig=2\ndAmbient=1\n",
         {}},
        {"a quote left open closes at the line's end",
         "[Settings]\nx=\"abc\nRefrig=2\n",
         "[Settings]\nx=\"abc\"\nRefrig=2\n",
         {2}},
        {"a lone backslash at the end is dropped",
         "Refrig=2\\\ndHeatLoad=12000\n",
         "Refrig=2\ndHeatLoad=12000\n",
         {1}},
        {"a lone backslash is found after the comment is cut",
         "path=C:\\temp\\ ; my folder\ndCondTemp=4100\nx=a \\ \\\n",
         "path=C:\\temp\ndCondTemp=4100\nx=a\n",
         {1, 3}},
        {"a whole number of ours glued to a header: the header starts its own line",
         "dAmbient=2500[Location]\nXPos=-5[Settings]Refrig=2\n",
         "dAmbient=2500\n[Location]\nXPos=-5\n[Settings]\nRefrig=2\n",
         {1, 2}},
        {"brackets in other values are the value's",
         "a=[\nb=[]\nk=[x]y\nn=1[x]\nRefrig=[x]2\ndAmbient=2500[]\n",
         "a=[\nb=[]\nk=[x]y\nn=1[x]\nRefrig=[x]2\ndAmbient=2500[]\n",
         {}},
        {"a NUL byte is dropped", std::string("Refrig=2\0\n", 10), "Refrig=2\n", {1}},
        {"a header's missing bracket, and quote or ';' in its name",
         "[Location\n[Set\"tings]\n[a;b]\n",
         "[Location]\n[Set%22tings]\n[a%3Bb]\n",
         {1, 2, 3}},
        {"comments are not written back",
         "; note\nRefrig=2 ; chosen\n[Settings] ;x\n",
         "Refrig=2\n[Settings]\n",
         {1, 2, 3}},
        {"neither entry nor header is dropped",
         "garbage\n=5\na\"b=1\nRefrig=2\n",
         "=5\nRefrig=2\n",
         {1, 3}},
    };
    const std::vector<std::string> names = PersistentSettings::EntryNames();
    for (const RepairCase& c : cases) {
        const IniRepair read = IniRepair::Read(c.file, names);
        EXPECT_EQ(read.Text(), c.text) << c.name;
        EXPECT_EQ(read.ChangedLines(), c.changed) << c.name;
        EXPECT_EQ(read.Whole(), c.changed.empty()) << c.name;
        // What this reader gives, the INI reader reads as a whole.
        EXPECT_TRUE(IniRepair::Read(read.Text(), names).Whole()) << c.name;
    }
}

TEST(IniRepair, BackupNamesBesideTheFile) {
    EXPECT_EQ(IniRepair::BackupName("/home/u/velnor.conf", 1), "/home/u/velnor.conf.bak");
    EXPECT_EQ(IniRepair::BackupName("/home/u/velnor.conf", 2), "/home/u/velnor.conf.2.bak");
}

} // namespace
