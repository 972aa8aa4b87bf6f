#include "drawingstore.h"

#include "drawingrecord.h"
#include "fontsetprint.h"
#include "panelfont.h"
#include "qfileread.h"
#include "quserfolders.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QPainter>
#include <QSaveFile>
#include <QSysInfo>

#include <cstring>

namespace {

// The pixel size of the formats a render is kept in; 0 for any other.
std::uint32_t PixelBytes(QImage::Format format) {
    switch (format) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return 4;
    case QImage::Format_Indexed8:
        return 1;
    default:
        return 0;
    }
}

// How text looks now: a sample in the main window's field font (Arial of cell height 14),
// which its first frame loads anyway, drawn plainly and drawn scaled down as the drawings draw
// their letters. It changes with what no file shows, such as the desktop's hinting, smoothing
// and subpixel order.
QByteArray TextLookPrint() {
    QImage sample(40, 30, QImage::Format_RGB32);
    sample.fill(Qt::white);
    QPainter painter(&sample);
    painter.setFont(CreatePanelFont(QStringLiteral("Arial"), 0, 14, 400, 1));
    painter.setPen(Qt::black);
    painter.drawText(2, 14, QStringLiteral("Rg5"));
    painter.scale(0.5, 0.5);
    painter.drawText(4, 56, QStringLiteral("Rg5"));
    painter.end();
    return QCryptographicHash::hash(QByteArrayView(sample.constBits(), sample.sizeInBytes()),
                                    QCryptographicHash::Sha1)
        .toHex();
}

} // namespace

const QByteArray& DrawingStore::RenderBasis() const {
    if (!m_basis) {
        const std::string fonts = FontSetPrint();
        m_basis = fonts.empty()
                      ? QByteArray()
                      : QByteArrayLiteral("Qt ") + qVersion() + ' ' +
                            (QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "LE" : "BE") + '\n' +
                            QByteArray::fromStdString(fonts) + TextLookPrint() + '\n';
    }
    return *m_basis;
}

QString DrawingStore::UserFolder() {
    return UserBaseFolder("XDG_CACHE_HOME", QStringLiteral(".cache")) + QLatin1Char('/') +
           QCoreApplication::organizationName() + QLatin1Char('/') +
           QCoreApplication::applicationName();
}

QString DrawingStore::FilePath(const QString& name) const {
    return m_folder + QLatin1Char('/') + name + QStringLiteral(".drawing");
}

QImage DrawingStore::Find(const QString& name, const QByteArray& key) const {
    if (m_folder.isEmpty())
        return {};
    FileRead file = ReadOrdinaryFile(FilePath(name), kMaxFileSize);
    if (file.kind != FileRead::Read)
        return {};
    const auto raster = DecodeDrawingRecord(
        std::string_view(file.bytes.constData(), static_cast<size_t>(file.bytes.size())),
        std::string_view(key.constData(), static_cast<size_t>(key.size())));
    if (!raster)
        return {};
    const auto format = static_cast<QImage::Format>(raster->nFormat);
    if (raster->nFormat >= QImage::NImageFormats || PixelBytes(format) != raster->nPixelBytes)
        return {};
    const int width = static_cast<int>(raster->nWidth);
    const int height = static_cast<int>(raster->nHeight);
    QImage image;
    if (reinterpret_cast<std::uintptr_t>(raster->pixels.data()) % 16 == 0) {
        // The pixels are used where they lie: the image keeps the file's bytes until it goes.
        auto* bytes = new QByteArray(std::move(file.bytes));
        image = QImage(
            reinterpret_cast<uchar*>(const_cast<char*>(raster->pixels.data())), width, height,
            static_cast<qsizetype>(raster->nBytesPerLine), format,
            [](void* held) { delete static_cast<QByteArray*>(held); }, bytes);
    } else {
        image = QImage(width, height, format);
        if (image.isNull() || image.bytesPerLine() != static_cast<qsizetype>(raster->nBytesPerLine))
            return {};
        std::memcpy(image.bits(), raster->pixels.data(), raster->pixels.size());
    }
    if (format == QImage::Format_Indexed8)
        image.setColorTable(QList<QRgb>(raster->colours.begin(), raster->colours.end()));
    return image;
}

void DrawingStore::Keep(const QString& name, const QByteArray& key, const QImage& image) const {
    const std::uint32_t pixelBytes = PixelBytes(image.format());
    if (m_folder.isEmpty() || image.isNull() || pixelBytes == 0 || !QDir().mkpath(m_folder))
        return;
    DrawingRaster raster;
    raster.nWidth = static_cast<std::uint32_t>(image.width());
    raster.nHeight = static_cast<std::uint32_t>(image.height());
    raster.nFormat = static_cast<std::uint32_t>(image.format());
    raster.nBytesPerLine = static_cast<std::uint32_t>(image.bytesPerLine());
    raster.nPixelBytes = pixelBytes;
    const QList<QRgb> colours = image.colorTable();
    raster.colours.assign(colours.begin(), colours.end());
    raster.pixels = std::string_view(reinterpret_cast<const char*>(image.constBits()),
                                     static_cast<size_t>(image.sizeInBytes()));
    const std::string record = EncodeDrawingRecord(
        std::string_view(key.constData(), static_cast<size_t>(key.size())), raster);
    // Written beside the file and renamed over it: a reader sees the old render or the new one.
    QSaveFile file(FilePath(name));
    if (file.open(QIODevice::WriteOnly) &&
        file.write(record.data(), static_cast<qint64>(record.size())) ==
            static_cast<qint64>(record.size()))
        file.commit();
}
