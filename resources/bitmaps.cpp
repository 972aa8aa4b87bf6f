#include "bitmaps.h"

#include <QColor>
#include <QFile>
#include <QList>
#include <QPainter>
#include <QSvgRenderer>

#include "logopalette.h"
#include "qcolour.h"
#include "qtranslate.h"
#include "resourceids.h"
#include "skinbitmaps.h"

// The drawings are compiled into the widgets library; a static library drops the resource
// unless something names it, so the loader registers it before first use.
static void RegisterImageResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(velnorimages);
        return true;
    }();
    (void)registered;
}

namespace {

// Ratios are cached in hundredths: 1, 1.25, 1.5, 2 ... each render once.
quint64 CacheKey(int id, qreal ratio) {
    const auto hundredths = static_cast<quint64>(qRound(ratio * 100.0));
    return (static_cast<quint64>(static_cast<quint32>(id)) << 20) | hundredths;
}

qreal SaneRatio(qreal ratio) {
    return ratio > 0.0 ? ratio : 1.0;
}

QSize DevicePixels(int width, int height, qreal ratio) {
    return {qMax(1, qRound(width * ratio)), qMax(1, qRound(height * ratio))};
}

// Renders a drawing (a path or the drawing itself) to an image of `pixels`, over `background`
// (transparent allowed).
template <typename Source>
QImage RenderSvg(const Source& source, QSize pixels, QImage::Format format, QColor background) {
    RegisterImageResources();
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        return {};
    }
    QImage image(pixels, format);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    return image;
}

// The circuit drawing with its labels in the program's language; each label is the whole text
// of one <text> element.
QByteArray TranslatedCircuit() {
    RegisterImageResources();
    QFile file(VectorResourcePath(ResourceId::kCircuit));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    static constexpr const char* kLabels[] = {VELNOR_TRANSLATE_NOOP("Diagram", "Evaporator"),
                                              VELNOR_TRANSLATE_NOOP("Diagram", "Condenser"),
                                              VELNOR_TRANSLATE_NOOP("Diagram", "Filter drier"),
                                              VELNOR_TRANSLATE_NOOP("Diagram", "Capillary tube"),
                                              VELNOR_TRANSLATE_NOOP("Diagram", "Compressor"),
                                              VELNOR_TRANSLATE_NOOP("Diagram", "Suction line")};
    for (const char* label : kLabels) {
        const QString shown = Translate("Diagram", label);
        if (shown != QLatin1String(label)) {
            svg.replace('>' + QByteArray(label) + '<', '>' + shown.toHtmlEscaped().toUtf8() + '<');
        }
    }
    return svg;
}

QImage SkinImage(int id) {
    const BitmapPixels bitmap = MakeSkinPixels(id);
    if (bitmap.IsEmpty()) {
        return {};
    }
    QImage image(bitmap.nWidth, bitmap.nHeight, QImage::Format_RGB32);
    for (int y = 0; y < bitmap.nHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.nWidth; ++x) {
            line[x] = ToQRgb(bitmap.At(x, y));
        }
    }
    return image;
}

QImage CircuitImage(qreal ratio) {
    const ResourceSize size = BitmapResourceSize(ResourceId::kCircuit);
    return RenderCircuit(DevicePixels(size.nWidth, size.nHeight, ratio));
}

// The logo is drawn in full colour on white and then mapped onto its own palette.
QImage LogoImage(qreal ratio) {
    const ResourceSize size = BitmapResourceSize(ResourceId::kLogo);
    const QImage rgb =
        RenderSvg(VectorResourcePath(ResourceId::kLogo),
                  DevicePixels(size.nWidth, size.nHeight, ratio), QImage::Format_RGB32, Qt::white);
    if (rgb.isNull()) {
        return {};
    }
    QList<QRgb> palette;
    for (COLORREF colour : LogoPalette()) {
        palette.append(ToQColor(colour).rgb());
    }
    return rgb.convertToFormat(QImage::Format_Indexed8, palette,
                               Qt::ThresholdDither | Qt::AvoidDither);
}

QImage IconImage(int size, qreal ratio) {
    return RenderSvg(VectorResourcePath(ResourceId::kIcon), DevicePixels(size, size, ratio),
                     QImage::Format_ARGB32_Premultiplied, Qt::transparent);
}

QImage MakeImage(int id, int size, qreal ratio) {
    switch (id) {
    case ResourceId::kCircuit:
        return CircuitImage(ratio);
    case ResourceId::kLogo:
        return LogoImage(ratio);
    case ResourceId::kIcon:
        return IconImage(size, ratio);
    default:
        return SkinImage(id);
    }
}

// The image of `id` at `size` (the icon's; 0 for the others) and `ratio`, carrying the ratio
// when it is a drawing.
QImage Make(int id, int size, qreal ratio) {
    QImage image = MakeImage(id, size, ratio);
    if (!image.isNull() && IsVectorResource(id)) {
        image.setDevicePixelRatio(ratio);
    }
    return image;
}

} // namespace

QString VectorResourcePath(int id) {
    switch (id) {
    case ResourceId::kCircuit:
        return QStringLiteral(":/velnor/circuit.svg");
    case ResourceId::kLogo:
        return QStringLiteral(":/velnor/logo.svg");
    case ResourceId::kIcon:
        return QStringLiteral(":/velnor/velnor.svg");
    default:
        return {};
    }
}

QImage RenderCircuit(QSize pixels) {
    if (pixels.isEmpty()) {
        return {};
    }
    return RenderSvg(TranslatedCircuit(), pixels, QImage::Format_RGB32, Qt::white);
}

QImage LoadBitmapResource(int id, qreal devicePixelRatio) {
    if (BitmapResourceSize(id).nWidth == 0) {
        return {};
    }
    if (!IsVectorResource(id)) {
        return Make(id, 0, 1.0);
    }
    const int size = id == ResourceId::kIcon ? kStandardIconSize : 0;
    return Make(id, size, SaneRatio(devicePixelRatio));
}

QImage BitmapCache::Load(int id, qreal devicePixelRatio) {
    // The skin pieces are the same pixels at every ratio.
    const qreal ratio = IsVectorResource(id) ? SaneRatio(devicePixelRatio) : 1.0;
    const quint64 key = CacheKey(id, ratio);
    const auto found = m_images.constFind(key);
    if (found != m_images.constEnd()) {
        return found.value();
    }
    QImage image = LoadBitmapResource(id, ratio);
    m_images.insert(key, image);
    return image;
}

QImage AppIconImage(int size, qreal devicePixelRatio) {
    if (size <= 0) {
        return {};
    }
    return Make(ResourceId::kIcon, size, SaneRatio(devicePixelRatio));
}

QIcon AppIcon() {
    static const QIcon icon = [] {
        QIcon made;
        for (int size : kAppIconSizes) {
            made.addPixmap(QPixmap::fromImage(AppIconImage(size)));
        }
        return made;
    }();
    return icon;
}
