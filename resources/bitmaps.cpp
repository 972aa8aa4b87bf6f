#include "bitmaps.h"

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QIconEngine>
#include <QList>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include "drawingstore.h"
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

// Raise when a change to the rendering below makes other pixels from the same drawing, so that
// renders kept by an earlier build are made again.
constexpr char kRenderVersion[] = "1";

// Everything a render of `svg` at `pixels` in `format` kept in `store` depends on, to find it
// there: the drawing, the size, and the renderer and fonts its letters are set with. Empty when
// the fonts cannot be told apart, and then nothing is kept.
QByteArray RenderKey(const DrawingStore& store, const QByteArray& svg, QSize pixels,
                     QImage::Format format) {
    const QByteArray& basis = store.RenderBasis();
    if (basis.isEmpty())
        return {};
    return QByteArrayLiteral("render ") + kRenderVersion + '\n' + basis +
           QByteArray::number(pixels.width()) + 'x' + QByteArray::number(pixels.height()) + ' ' +
           QByteArray::number(static_cast<int>(format)) + '\n' + svg;
}

// The render kept in `store` under `name` for `key`, else one made by `render` and kept there.
template <typename Render>
QImage KeptRender(const DrawingStore* store, const QString& name, const QByteArray& key,
                  const Render& render) {
    if (!store || key.isEmpty())
        return render();
    QImage image = store->Find(name, key);
    if (image.isNull()) {
        image = render();
        store->Keep(name, key, image);
    }
    return image;
}

QByteArray DrawingSource(int id) {
    RegisterImageResources();
    QFile file(VectorResourcePath(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

} // namespace

// Each label is the whole text of one <text> element.
QByteArray CircuitSource() {
    QByteArray svg = DrawingSource(ResourceId::kCircuit);
    if (svg.isEmpty())
        return {};
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

namespace {

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

QImage CircuitImage(qreal ratio, const DrawingStore* store) {
    const ResourceSize size = BitmapResourceSize(ResourceId::kCircuit);
    return RenderCircuit(DevicePixels(size.nWidth, size.nHeight, ratio), store);
}

// The logo is drawn in full colour on white and then mapped onto its own palette.
QImage LogoImage(qreal ratio, const DrawingStore* store) {
    const ResourceSize size = BitmapResourceSize(ResourceId::kLogo);
    const QSize pixels = DevicePixels(size.nWidth, size.nHeight, ratio);
    QList<QRgb> palette;
    for (COLORREF colour : LogoPalette()) {
        palette.append(ToQColor(colour).rgb());
    }
    const QByteArray svg = DrawingSource(ResourceId::kLogo);
    QByteArray key = store ? RenderKey(*store, svg, pixels, QImage::Format_Indexed8) : QByteArray();
    if (!key.isEmpty()) {
        for (QRgb colour : palette)
            key += QByteArray::number(colour, 16) + ' ';
    }
    return KeptRender(store, QStringLiteral("logo"), key, [&] {
        const QImage rgb = RenderSvg(svg, pixels, QImage::Format_RGB32, Qt::white);
        if (rgb.isNull()) {
            return QImage();
        }
        return rgb.convertToFormat(QImage::Format_Indexed8, palette,
                                   Qt::ThresholdDither | Qt::AvoidDither);
    });
}

QImage IconImage(int size, qreal ratio) {
    return RenderSvg(VectorResourcePath(ResourceId::kIcon), DevicePixels(size, size, ratio),
                     QImage::Format_ARGB32_Premultiplied, Qt::transparent);
}

QImage MakeImage(int id, int size, qreal ratio, const DrawingStore* store) {
    switch (id) {
    case ResourceId::kCircuit:
        return CircuitImage(ratio, store);
    case ResourceId::kLogo:
        return LogoImage(ratio, store);
    case ResourceId::kIcon:
        return IconImage(size, ratio);
    default:
        return SkinImage(id);
    }
}

// The image of `id` at `size` (the icon's; 0 for the others) and `ratio`, carrying the ratio
// when it is a drawing.
QImage Make(int id, int size, qreal ratio, const DrawingStore* store = nullptr) {
    QImage image = MakeImage(id, size, ratio, store);
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

QImage RenderCircuit(QSize pixels, const DrawingStore* store) {
    if (pixels.isEmpty()) {
        return {};
    }
    const QByteArray svg = CircuitSource();
    const QByteArray key =
        store ? RenderKey(*store, svg, pixels, QImage::Format_RGB32) : QByteArray();
    return KeptRender(store, QStringLiteral("circuit"), key,
                      [&] { return RenderSvg(svg, pixels, QImage::Format_RGB32, Qt::white); });
}

QImage LoadBitmapResource(int id, qreal devicePixelRatio, const DrawingStore* store) {
    if (BitmapResourceSize(id).nWidth == 0) {
        return {};
    }
    if (!IsVectorResource(id)) {
        return Make(id, 0, 1.0);
    }
    const int size = id == ResourceId::kIcon ? kStandardIconSize : 0;
    return Make(id, size, SaneRatio(devicePixelRatio), store);
}

QImage BitmapCache::Load(int id, qreal devicePixelRatio) {
    // The skin pieces are the same pixels at every ratio.
    const qreal ratio = IsVectorResource(id) ? SaneRatio(devicePixelRatio) : 1.0;
    const quint64 key = CacheKey(id, ratio);
    const auto found = m_images.constFind(key);
    if (found != m_images.constEnd()) {
        return found.value();
    }
    QImage image = LoadBitmapResource(id, ratio, m_store);
    m_images.insert(key, image);
    return image;
}

QImage AppIconImage(int size, qreal devicePixelRatio) {
    if (size <= 0) {
        return {};
    }
    return Make(ResourceId::kIcon, size, SaneRatio(devicePixelRatio));
}

namespace {

// The program icon, rendered from its drawing only when the window system asks for a size of
// it: one that takes the icon from the desktop file never does, and nothing is drawn.
class AppIconEngine final : public QIconEngine {
public:
    QIconEngine* clone() const override { return new AppIconEngine(*this); }
    QString key() const override { return QStringLiteral("velnor-app-icon"); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : kAppIconSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        if (side <= 0)
            return {};
        QPixmap& rendered = m_rendered[side];
        if (rendered.isNull())
            rendered = QPixmap::fromImage(AppIconImage(side));
        if (mode == QIcon::Normal || mode == QIcon::Active)
            return rendered;
        // The other looks as the style makes them from the plain picture.
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, rendered, &option);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
    }

private:
    QHash<int, QPixmap> m_rendered;
};

} // namespace

QIcon AppIcon() {
    return QIcon(new AppIconEngine);
}
