#include "diagramcache.h"

void DiagramCache::SetSource(const QImage& image) {
    levels.clear();
    last = QImage();
    if (image.isNull())
        return;
    levels.push_back(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    while (levels.back().width() >= 64 && levels.back().height() >= 64)
        levels.push_back(levels.back().scaled(levels.back().size() / 2, Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation));
}

const QImage& DiagramCache::Scaled(const QSize& pixels, qreal ratio) {
    if (levels.empty() || pixels.isEmpty()) {
        last = QImage();
        return last;
    }
    if (last.size() == pixels && last.devicePixelRatio() == ratio)
        return last;
    const QImage* from = &levels.front();
    for (const QImage& level : levels) {
        if (level.width() >= pixels.width() && level.height() >= pixels.height())
            from = &level;
    }
    last = from->size() == pixels
               ? *from
               : from->scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    last.setDevicePixelRatio(ratio);
    return last;
}
