// The main window's painted surface kept between runs: the next run that shows the same starts
// from it, pixel for pixel what it would paint; a run that shows anything else paints afresh.
#include "drawingstore.h"
#include "graingenerator.h"
#include "identity.h"
#include "memorysettingsstore.h"
#include "recordingmessages.h"
#include "validrecommendation.h"
#include "velnordlg.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class KeptSurface : public ::testing::Test {
protected:
    void SetUp() override { StoreValidRecommendation(settings); }

    // The first frame of a window opened on `settings` at the default size, with the `kept` store
    // or none; closed, it keeps its surface there.
    QImage FirstFrame(const DrawingStore* kept) {
        UnitSettings units;
        ProductIdentity identity;
        GrainGenerator grain; // each window's buttons get the same grain
        CVelnorDlg dlg(units, identity, grain, texts, &settings, &messages);
        if (kept)
            dlg.KeepDrawingsIn(*kept);
        EXPECT_TRUE(dlg.Start());
        dlg.resize(800, 640);
        dlg.show();
        const QImage frame = dlg.grab().toImage();
        dlg.reject();
        return frame;
    }

    // The key the surface was kept under, as the file's head gives it.
    QByteArray KeptKey() const {
        QFile file(drawings.FilePath(QStringLiteral("window")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray head = file.read(12);
        if (head.size() != 12)
            return {};
        quint32 size = 0;
        for (int i = 0; i < 4; ++i)
            size |= static_cast<quint32>(static_cast<uchar>(head[8 + i])) << (8 * i);
        return file.read(size);
    }

    // The kept surface's file: each keeping writes a new one.
    ino_t FileNumber() const {
        struct stat info {};
        ::stat(QFile::encodeName(drawings.FilePath(QStringLiteral("window"))).constData(), &info);
        return info.st_ino;
    }

    const TextLocale texts;
    MemorySettingsStore settings;
    RecordingMessages messages;
    QTemporaryDir folder;
    DrawingStore drawings{folder.path()};
};

TEST_F(KeptSurface, StartsTheNextRunThatShowsTheSame) {
    const QImage painted = FirstFrame(&drawings);
    ASSERT_FALSE(KeptKey().isEmpty()) << "closing kept no surface";
    EXPECT_EQ(FirstFrame(&drawings), painted);
    EXPECT_EQ(FirstFrame(nullptr), painted);

    // The kept surface is what that first frame showed: one kept in its place shows instead.
    QImage marked = painted.convertToFormat(QImage::Format_RGB32);
    marked.fill(Qt::red);
    drawings.Keep(QStringLiteral("window"), KeptKey(), marked);
    EXPECT_EQ(FirstFrame(&drawings).pixel(5, 5), qRgb(255, 0, 0));
}

TEST_F(KeptSurface, IsNotShownByARunThatShowsAnythingElse) {
    FirstFrame(&drawings);
    const QByteArray kept = KeptKey();
    ASSERT_FALSE(kept.isEmpty());
    // Another heat load changes the flow line the surface shows.
    settings.Set("Settings", "dHeatLoad", 60000);
    const QImage fresh = FirstFrame(nullptr);
    EXPECT_EQ(FirstFrame(&drawings), fresh);
    EXPECT_NE(KeptKey(), kept) << "the new surface replaces the old one";
    // Other units change what the panel reads.
    settings.Set("Settings", "UnitsTemperature", 1);
    EXPECT_EQ(FirstFrame(&drawings), FirstFrame(nullptr));
}

TEST_F(KeptSurface, ClosingKeepsWhatTheWindowShowsThen) {
    FirstFrame(&drawings);
    const QByteArray first = KeptKey();
    {
        UnitSettings units;
        ProductIdentity identity;
        GrainGenerator grain;
        CVelnorDlg dlg(units, identity, grain, texts, &settings, &messages);
        dlg.KeepDrawingsIn(drawings);
        ASSERT_TRUE(dlg.Start());
        dlg.resize(800, 640);
        dlg.show();
        dlg.grab();
        dlg.Field(1003)->setText(QStringLiteral("600"));
        dlg.OnTimer();
        dlg.reject(); // saves the new heat load, and keeps the window as it shows it
    }
    EXPECT_NE(KeptKey(), first);
    const QImage fresh = FirstFrame(nullptr);
    const auto kept = FileNumber();
    EXPECT_EQ(FirstFrame(&drawings), fresh);
    EXPECT_EQ(FileNumber(), kept) << "the next start found it and kept nothing new";
}

} // namespace
