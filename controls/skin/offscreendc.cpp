#include "offscreendc.h"

#include <QWidget>

namespace {

QImage& Prepared(QImage& buffer, const QRect& rect, qreal ratio) {
    const QSize pixels = rect.size() * ratio;
    if (buffer.size() != pixels)
        buffer = QImage(pixels, QImage::Format_RGB32);
    buffer.setDevicePixelRatio(ratio);
    return buffer;
}

} // namespace

COffscreenDC::COffscreenDC(QWidget& target_, const QRect& rect_, QImage& buffer_)
    : target(target_), rect(rect_), buffer(Prepared(buffer_, rect_, target_.devicePixelRatioF())),
      painter(&buffer) {
    // Drawing uses the target's coordinates.
    painter.translate(-rect.topLeft());
}

COffscreenDC::~COffscreenDC() {
    painter.end();
    QPainter onWindow(&target);
    onWindow.drawImage(rect.topLeft(), buffer);
}
