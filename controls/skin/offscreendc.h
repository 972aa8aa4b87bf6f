#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

class QWidget;

// An off-screen surface the size of a window's client area: everything is drawn onto it, and
// when it goes out of scope the picture is copied onto the window in one step, so the window
// never shows a half-drawn state. The buffer is the caller's, kept between paints, so a paint
// costs no allocation unless the size changed. Must be made inside the window's paint event.
class COffscreenDC {
public:
    COffscreenDC(QWidget& target, const QRect& rect, QImage& buffer);
    ~COffscreenDC();
    COffscreenDC(const COffscreenDC&) = delete;
    COffscreenDC& operator=(const COffscreenDC&) = delete;

    // The surface itself, for passing where a painter is expected.
    QPainter& Painter() { return m_painter; }

private:
    QWidget& m_target;
    QRect m_rect;
    QImage& m_buffer;
    QPainter m_painter;
};
