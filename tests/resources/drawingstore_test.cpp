// Renders kept between runs: a kept render comes back pixel for pixel, only for its own key, a
// file that is not one of ours is passed over without blocking, and the drawings made through a
// store are the drawings made without one.
#include "bitmaps.h"
#include "drawingstore.h"
#include "resourceids.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QImage Gradient(QImage::Format format) {
    QImage image(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 11, (x * y) % 256));
    return format == QImage::Format_Indexed8
               ? image.convertToFormat(format, Qt::ThresholdDither | Qt::AvoidDither)
               : image.convertToFormat(format);
}

class KeptDrawings : public ::testing::Test {
protected:
    QTemporaryDir folder;
    DrawingStore store{folder.path() + QStringLiteral("/cache/velnor")};
};

TEST_F(KeptDrawings, GiveBackTheirPixelsForTheirOwnKeyOnly) {
    for (QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_Indexed8}) {
        const QImage kept = Gradient(format);
        store.Keep(QStringLiteral("picture"), "key one", kept);
        const QImage found = store.Find(QStringLiteral("picture"), "key one");
        EXPECT_EQ(found, kept) << "format " << format;
        EXPECT_EQ(found.format(), format);
        EXPECT_TRUE(store.Find(QStringLiteral("picture"), "key two").isNull());
        EXPECT_TRUE(store.Find(QStringLiteral("other"), "key one").isNull());
    }
    // One render per name: the newest.
    store.Keep(QStringLiteral("picture"), "key two", Gradient(QImage::Format_RGB32));
    EXPECT_TRUE(store.Find(QStringLiteral("picture"), "key one").isNull());
    EXPECT_FALSE(store.Find(QStringLiteral("picture"), "key two").isNull());
}

TEST_F(KeptDrawings, PassOverWhatIsNoFileOfOursWithoutBlocking) {
    const QString path = store.FilePath(QStringLiteral("picture"));
    ASSERT_TRUE(QDir().mkpath(store.Folder()));
    // A pipe nobody writes to would block a plain open for ever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_TRUE(store.Find(QStringLiteral("picture"), "key").isNull());
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkdir(path));
    EXPECT_TRUE(store.Find(QStringLiteral("picture"), "key").isNull());
    store.Keep(QStringLiteral("picture"), "key", Gradient(QImage::Format_RGB32)); // no crash
    QDir(path).removeRecursively();
    QFile garbage(path);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(5000, 'x'));
    garbage.close();
    EXPECT_TRUE(store.Find(QStringLiteral("picture"), "key").isNull());
    // A store without a folder keeps nothing.
    const DrawingStore none;
    none.Keep(QStringLiteral("picture"), "key", Gradient(QImage::Format_RGB32));
    EXPECT_TRUE(none.Find(QStringLiteral("picture"), "key").isNull());
}

TEST_F(KeptDrawings, DrawingsFromTheStoreAreTheRendersAndAreReused) {
    const QSize size(351, 482);
    const QImage fresh = RenderCircuit(size);
    EXPECT_EQ(RenderCircuit(size, &store), fresh);
    // Found the second time, not made and kept again: each keeping writes a new file.
    const auto fileNumber = [this] {
        struct stat info {};
        ::stat(QFile::encodeName(store.FilePath(QStringLiteral("circuit"))).constData(), &info);
        return info.st_ino;
    };
    const auto written = fileNumber();
    ASSERT_NE(written, 0U);
    EXPECT_EQ(RenderCircuit(size, &store), fresh);
    EXPECT_EQ(fileNumber(), written);
    // Another size is rendered afresh.
    EXPECT_EQ(RenderCircuit(QSize(200, 275), &store), RenderCircuit(QSize(200, 275)));

    for (qreal ratio : {1.0, 2.0}) {
        const QImage logo = LoadBitmapResource(ResourceId::kLogo, ratio);
        EXPECT_EQ(LoadBitmapResource(ResourceId::kLogo, ratio, &store), logo);
        const QImage kept = LoadBitmapResource(ResourceId::kLogo, ratio, &store);
        EXPECT_EQ(kept, logo);
        EXPECT_EQ(kept.colorTable(), logo.colorTable());
        EXPECT_EQ(kept.devicePixelRatio(), ratio);
    }
}

TEST(DrawingStoreFolder, IsTheProgramsFolderInTheUsersCache) {
    const QByteArray cache = qgetenv("XDG_CACHE_HOME");
    const QByteArray home = qgetenv("HOME");
    const QString program = QCoreApplication::organizationName() + QLatin1Char('/') +
                            QCoreApplication::applicationName();
    qputenv("XDG_CACHE_HOME", "/tmp/cache-of-test");
    EXPECT_EQ(DrawingStore::UserFolder(), QStringLiteral("/tmp/cache-of-test/") + program);
    qunsetenv("XDG_CACHE_HOME");
    qputenv("HOME", "/home/someone");
    EXPECT_EQ(DrawingStore::UserFolder(), QStringLiteral("/home/someone/.cache/") + program);
    qputenv("HOME", home);
    if (cache.isNull())
        qunsetenv("XDG_CACHE_HOME");
    else
        qputenv("XDG_CACHE_HOME", cache);
}

} // namespace
