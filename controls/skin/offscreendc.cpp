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

COffscreenDC::COffscreenDC(QWidget& target, const QRect& rect, QImage& buffer)
    : m_target(target), m_rect(rect), m_buffer(Prepared(buffer, rect, target.devicePixelRatioF())),
      m_painter(&m_buffer) {
    // Drawing uses the target's coordinates.
    m_painter.translate(-m_rect.topLeft());
}

COffscreenDC::~COffscreenDC() {
    m_painter.end();
    QPainter onWindow(&m_target);
    onWindow.drawImage(m_rect.topLeft(), m_buffer);
}
