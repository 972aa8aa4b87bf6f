// The image loader: every resource at its size, exact skin pixels, the logo's palette, the
// drawings' content where the program relies on it, and the cache.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

#include "bitmaps.h"
#include "headertable.h"
#include "logopalette.h"
#include "qcolour.h"
#include "resourceids.h"
#include "skinbitmaps.h"

namespace {

constexpr int kAllIds[] = {128, 131, 132, 134, 135, 136, 137, 138, 139, 140, 141,
                           142, 143, 144, 145, 146, 147, 148, 149, 150, 151};

// Where the main window puts its lettered markers, in diagram pixels: A heat load,
// B evaporating, C condensing, D return gas temperature.
struct MarkerPoint {
    char letter;
    int x;
    int y;
};
constexpr MarkerPoint kMarkers[] = {
    {'A', 1100, 390}, {'B', 1100, 88}, {'C', 1100, 850}, {'D', 1020, 1700}};

int Luminance(QRgb c) {
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

// The darkest pixel within `radius` of (x, y), by luminance.
int DarkestNear(const QImage& image, int x, int y, int radius) {
    int darkest = 255;
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (dx * dx + dy * dy <= radius * radius) {
                darkest = std::min(darkest, Luminance(image.pixel(x + dx, y + dy)));
            }
        }
    }
    return darkest;
}

QString BinPath(const QString& name) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

TEST(LoadBitmapResource, EveryIdLoadsAtItsSize) {
    for (int id : kAllIds) {
        const ResourceSize size = BitmapResourceSize(id);
        const QImage image = LoadBitmapResource(id);
        ASSERT_FALSE(image.isNull()) << "resource " << id;
        EXPECT_EQ(image.size(), QSize(size.nWidth, size.nHeight)) << "resource " << id;
        EXPECT_EQ(image.devicePixelRatio(), 1.0) << "resource " << id;
    }
}

TEST(LoadBitmapResource, DrawingsFollowTheRatioAndPixelTablesDoNot) {
    for (int id : kAllIds) {
        const ResourceSize size = BitmapResourceSize(id);
        const QImage image = LoadBitmapResource(id, 2.0);
        ASSERT_FALSE(image.isNull()) << "resource " << id;
        if (IsVectorResource(id)) {
            EXPECT_EQ(image.size(), QSize(2 * size.nWidth, 2 * size.nHeight)) << id;
            EXPECT_EQ(image.devicePixelRatio(), 2.0) << id;
        } else {
            EXPECT_EQ(image.size(), QSize(size.nWidth, size.nHeight)) << id;
            EXPECT_EQ(image.devicePixelRatio(), 1.0) << id;
        }
        // Either way it paints at its stated size.
        EXPECT_EQ(image.deviceIndependentSize(), QSizeF(size.nWidth, size.nHeight)) << id;
    }
    // A fractional ratio rounds to whole pixels; a nonsense ratio means 1.
    EXPECT_EQ(LoadBitmapResource(ResourceId::kLogo, 1.5).size(), QSize(188, 74));
    EXPECT_EQ(LoadBitmapResource(ResourceId::kLogo, 0.0).size(), QSize(125, 49));
    EXPECT_EQ(LoadBitmapResource(ResourceId::kLogo, -2.0).size(), QSize(125, 49));
}

TEST(LoadBitmapResource, UnknownIdsGiveNullImages) {
    for (int id : {0, 129, 130, 133, 152, -131}) {
        EXPECT_TRUE(LoadBitmapResource(id).isNull()) << id;
        EXPECT_TRUE(VectorResourcePath(id).isEmpty()) << id;
    }
    EXPECT_TRUE(AppIconImage(0).isNull());
}

TEST(LoadBitmapResource, SkinPiecesAreTheirExactPixels) {
    for (int id = ResourceId::kFirstSkin; id <= ResourceId::kLastSkin; ++id) {
        const BitmapPixels expected = MakeSkinPixels(id);
        const QImage image = LoadBitmapResource(id);
        EXPECT_FALSE(image.hasAlphaChannel()) << id;
        for (int y = 0; y < expected.nHeight; ++y) {
            for (int x = 0; x < expected.nWidth; ++x) {
                ASSERT_EQ(image.pixel(x, y), ToQColor(expected.At(x, y)).rgb())
                    << "resource " << id << " at (" << x << ", " << y << ")";
            }
        }
    }
    for (int id : {138, 139, 140}) {
        const QImage image = LoadBitmapResource(id, 2.0);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                EXPECT_EQ(image.pixel(x, y) & 0xFFFFFFu, HeaderPixel(id, x, y))
                    << "resource " << id << " at (" << x << ", " << y << ")";
            }
        }
    }
}

TEST(Logo, IsAnEightBitPaletteImageTrueToItsDrawing) {
    for (qreal ratio : {1.0, 2.0}) {
        const QImage logo = LoadBitmapResource(ResourceId::kLogo, ratio);
        ASSERT_EQ(logo.format(), QImage::Format_Indexed8) << ratio;
        EXPECT_EQ(logo.depth(), 8);
        ASSERT_EQ(logo.colorCount(), 256);
        const std::vector<COLORREF> palette = LogoPalette();
        for (int i = 0; i < 256; ++i) {
            EXPECT_EQ(logo.color(i), ToQColor(palette[static_cast<std::size_t>(i)]).rgb()) << i;
        }

        // Mapped onto its palette the logo stays within a few levels of the full-colour
        // drawing, edges included.
        QImage full(logo.size(), QImage::Format_RGB32);
        full.fill(Qt::white);
        QPainter painter(&full);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(VectorResourcePath(ResourceId::kLogo)).render(&painter, QRectF(full.rect()));
        painter.end();
        int worst = 0;
        long long total = 0;
        int inked = 0;
        for (int y = 0; y < logo.height(); ++y) {
            for (int x = 0; x < logo.width(); ++x) {
                const QRgb a = logo.pixel(x, y);
                const QRgb b = full.pixel(x, y);
                const int error = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                  std::abs(qBlue(a) - qBlue(b));
                worst = std::max(worst, error);
                total += error;
                inked += Luminance(a) < 160 ? 1 : 0;
            }
        }
        EXPECT_LE(worst, 96) << ratio;
        EXPECT_LT(static_cast<double>(total) / (logo.width() * logo.height()), 3.0) << ratio;
        // Not blank: the emblem and the word mark cover a good part of it.
        EXPECT_GT(inked, logo.width() * logo.height() / 6) << ratio;
    }
}

TEST(Circuit, IsOpaqueRgbOnWhiteAndNotBlank) {
    const QImage circuit = LoadBitmapResource(ResourceId::kCircuit);
    EXPECT_EQ(circuit.format(), QImage::Format_RGB32);
    EXPECT_FALSE(circuit.hasAlphaChannel());
    int drawn = 0;
    int dark = 0;
    for (int y = 0; y < circuit.height(); y += 3) {
        for (int x = 0; x < circuit.width(); x += 3) {
            const int luminance = Luminance(circuit.pixel(x, y));
            drawn += luminance < 250 ? 1 : 0;
            dark += luminance < 110 ? 1 : 0;
        }
    }
    const int samples = ((circuit.width() + 2) / 3) * ((circuit.height() + 2) / 3);
    EXPECT_GT(drawn, samples / 10) << "the diagram is nearly empty";
    EXPECT_LT(drawn, samples * 3 / 4) << "the diagram is not on white";
    EXPECT_GT(dark, samples / 100) << "no lines to speak of";
    // The window is white around it: the corners are white.
    for (QPoint corner : {QPoint(0, 0), QPoint(1400, 0), QPoint(0, 1925), QPoint(1400, 1925)}) {
        EXPECT_EQ(circuit.pixel(corner), qRgb(255, 255, 255)) << corner.x() << ", " << corner.y();
    }
}

TEST(Circuit, MarkerPointsLieOnTheComponentsTheyName) {
    for (qreal ratio : {1.0, 2.0}) {
        const QImage circuit = LoadBitmapResource(ResourceId::kCircuit, ratio);
        for (const MarkerPoint& marker : kMarkers) {
            const int x = qRound(marker.x * ratio);
            const int y = qRound(marker.y * ratio);
            // A pipe passes through the point or right beside it ...
            EXPECT_LT(DarkestNear(circuit, x, y, qRound(6 * ratio)), 110)
                << "marker " << marker.letter << " at ratio " << ratio;
            // ... and the point is not out in the white.
            EXPECT_LT(Luminance(circuit.pixel(x, y)), 250)
                << "marker " << marker.letter << " at ratio " << ratio;
        }
    }
}

TEST(AppIcon, HasTheFourSizesFromOneDrawingRenderedWhenAskedFor) {
    const QIcon icon = AppIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : kAppIconSizes) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        const QImage image = AppIconImage(size);
        // Rendered when asked for, the icon's pictures are the drawing's.
        EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(image.format()), image) << size;
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "corners are transparent at " << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    }
    const QImage standard = LoadBitmapResource(ResourceId::kIcon);
    EXPECT_EQ(standard.size(), QSize(kStandardIconSize, kStandardIconSize));
    EXPECT_EQ(AppIconImage(48, 2.0).size(), QSize(96, 96));
}

TEST(BitmapCache, RepeatedLoadsShareOnePictureAndCostNothing) {
    BitmapCache cache;
    QElapsedTimer timer;
    timer.start();
    const QImage first = cache.Load(ResourceId::kCircuit);
    const qint64 coldNs = timer.nsecsElapsed();
    timer.restart();
    const QImage second = cache.Load(ResourceId::kCircuit);
    const qint64 warmNs = timer.nsecsElapsed();
    timer.restart();
    const QImage hidpi = cache.Load(ResourceId::kCircuit, 2.0);
    const qint64 coldHiDpiNs = timer.nsecsElapsed();

    EXPECT_EQ(first.constBits(), second.constBits());
    EXPECT_EQ(first.cacheKey(), second.cacheKey());
    EXPECT_NE(first.cacheKey(), hidpi.cacheKey());
    EXPECT_EQ(cache.Load(ResourceId::kHeaderStrip).constBits(),
              cache.Load(ResourceId::kHeaderStrip).constBits());
    EXPECT_LT(warmNs, coldNs / 10);

    // Cleared, the cache renders again; what was handed out stays intact.
    cache.Clear();
    const QImage again = cache.Load(ResourceId::kCircuit);
    EXPECT_NE(again.cacheKey(), first.cacheKey());
    EXPECT_EQ(again, first);

    RecordProperty("circuit_render_ms", QString::number(coldNs / 1e6, 'f', 1).toStdString());
    RecordProperty("circuit_render_2x_ms",
                   QString::number(coldHiDpiNs / 1e6, 'f', 1).toStdString());
    std::printf("circuit 131: first load %.1f ms, at ratio 2 %.1f ms, cached %.3f ms\n",
                static_cast<double>(coldNs) / 1e6, static_cast<double>(coldHiDpiNs) / 1e6,
                static_cast<double>(warmNs) / 1e6);
}

// Draws the diagram as the main window does at its default size (scale about 0.27, origin
// (15, 70)) with plain orange discs at the marker points, for a person to judge.
QImage WindowPreview() {
    const QImage circuit = LoadBitmapResource(ResourceId::kCircuit);
    const double scale = 0.27;
    QImage preview(static_cast<int>(1401 * scale) + 30, static_cast<int>(1926 * scale) + 85,
                   QImage::Format_RGB32);
    preview.fill(Qt::white);
    QPainter painter(&preview);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(15, 70, 1401 * scale, 1926 * scale), circuit);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    painter.setFont(font);
    for (const MarkerPoint& marker : kMarkers) {
        const int x = static_cast<int>(marker.x * scale + 15);
        const int y = static_cast<int>(marker.y * scale + 70);
        painter.setPen(Qt::black);
        painter.setBrush(QColor(255, 138, 21));
        painter.drawEllipse(x - 10, y - 10, 20, 20);
        painter.drawText(QRect(x - 10, y - 10, 20, 20), Qt::AlignCenter, QString(marker.letter));
    }
    painter.end();
    return preview;
}

// Every skin piece magnified eight times on one sheet, in number order.
QImage SkinSheet() {
    constexpr int kZoom = 8;
    QImage sheet(720, 720, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int x = 10;
    int y = 10;
    int rowHeight = 0;
    for (int id = ResourceId::kFirstSkin; id <= ResourceId::kLastSkin; ++id) {
        const QImage piece = LoadBitmapResource(id);
        const QSize size = piece.size() * kZoom;
        if (x + size.width() > sheet.width() - 10) {
            x = 10;
            y += rowHeight + 24;
            rowHeight = 0;
        }
        painter.drawImage(QRect(QPoint(x, y), size), piece);
        painter.setPen(Qt::black);
        painter.drawText(x, y + size.height() + 14, QString::number(id));
        x += size.width() + 16;
        rowHeight = std::max(rowHeight, size.height());
    }
    painter.end();
    return sheet;
}

TEST(Previews, AreSavedBesideTheProgram) {
    struct Preview {
        const char* name;
        QImage image;
    };
    const Preview previews[] = {
        {"velnor-circuit.png", LoadBitmapResource(ResourceId::kCircuit)},
        {"velnor-circuit-2x.png", LoadBitmapResource(ResourceId::kCircuit, 2.0)},
        {"velnor-circuit-window.png", WindowPreview()},
        {"velnor-logo.png", LoadBitmapResource(ResourceId::kLogo)},
        {"velnor-logo-2x.png", LoadBitmapResource(ResourceId::kLogo, 2.0)},
        {"velnor-icon-16.png", AppIconImage(16)},
        {"velnor-icon-32.png", AppIconImage(32)},
        {"velnor-icon-48.png", AppIconImage(48)},
        {"velnor-icon-256.png", AppIconImage(256)},
        {"velnor-skin.png", SkinSheet()},
    };
    for (const Preview& preview : previews) {
        const QString path = BinPath(QString::fromLatin1(preview.name));
        EXPECT_TRUE(preview.image.save(path)) << path.toStdString();
    }
}

} // namespace
