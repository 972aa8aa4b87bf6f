#include "skinscrollbar.h"

#include "bitmaps.h"
#include "offscreendc.h"
#include "qcolour.h"
#include "qrect.h"
#include "skinlistctrl.h"

#include <QMouseEvent>

SkinScrollBar::SkinScrollBar(ScrollBarKind kind, QWidget* parent) : QWidget(parent), m_model(kind) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    m_timer.setSingleShot(false);
    connect(&m_timer, &QTimer::timeout, this, &SkinScrollBar::OnTimer);
}

int SkinScrollBar::ScrollPos() const {
    return m_list ? m_list->GetScrollPos(m_model.GetKind()) : 0;
}

int SkinScrollBar::ScrollLimit() const {
    return m_list ? m_list->GetScrollLimit(m_model.GetKind()) : 0;
}

void SkinScrollBar::UpdateThumb() {
    // The geometry is current even before a hidden bar gets its resize event.
    m_model.SetLength(m_model.GetKind() == ScrollBarKind::Horizontal ? width() : height());
    m_model.UpdateThumb(ScrollPos(), ScrollLimit());
    update();
}

void SkinScrollBar::ClampThumb() {
    m_model.ClampThumb();
    update();
}

void SkinScrollBar::paintEvent(QPaintEvent*) {
    const QRect client = rect();
    COffscreenDC dc(*this, client, m_buffer);
    QPainter& painter = dc.Painter();
    painter.fillRect(client, ToQColor(m_model.GetFill()));
    for (const ScrollPiece& piece : m_model.Pieces(ScrollLimit() != 0))
        painter.drawImage(ToQRect(piece.dest), m_bitmaps.Load(piece.nBitmap));
}

void SkinScrollBar::mousePressEvent(QMouseEvent* event) {
    // The press grabs the mouse until the release, so moves and the release come here.
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    m_model.ButtonDown(at.x(), at.y());
    SyncTimer();
}

void SkinScrollBar::mouseMoveEvent(QMouseEvent* event) {
    if (!m_list)
        return;
    const QPoint at = event->position().toPoint();
    const std::optional<ScrollOffset> offset =
        m_model.Move(at.x(), at.y(), ScrollPos(), ScrollLimit(), m_list->Model().GetRowHeight());
    if (!offset)
        return;
    m_list->Scroll(offset->dx, offset->dy);
    update();
}

void SkinScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    UpdateThumb();
    const QPoint at = event->position().toPoint();
    const std::vector<ScrollRequest> steps = m_model.ButtonUp(at.x(), at.y());
    SyncTimer();
    for (ScrollRequest step : steps)
        Send(step);
}

void SkinScrollBar::resizeEvent(QResizeEvent* event) {
    UpdateThumb();
    QWidget::resizeEvent(event);
}

void SkinScrollBar::Send(ScrollRequest request) {
    if (m_list)
        m_list->OnScroll(m_model.GetKind(), request);
    UpdateThumb();
}

void SkinScrollBar::OnTimer() {
    const std::optional<ScrollRequest> step = m_model.Tick();
    SyncTimer();
    if (step)
        Send(*step);
}

void SkinScrollBar::SyncTimer() {
    const int nInterval = m_model.GetTimerInterval();
    if (nInterval == 0)
        m_timer.stop();
    else if (!m_timer.isActive() || m_timer.interval() != nInterval)
        m_timer.start(nInterval);
}
