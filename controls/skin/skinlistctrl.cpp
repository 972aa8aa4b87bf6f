#include "skinlistctrl.h"

#include "offscreendc.h"
#include "qcolour.h"
#include "qrect.h"
#include "skinheaderctrl.h"
#include "skinlistaccessible.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QToolTip>
#include <QWheelEvent>

namespace {

// Rows moved by one notch of the mouse wheel.
constexpr int kWheelRows = 3;
constexpr int kWheelNotch = 120;

Qt::Alignment CellAlignment(SkinColumnAlign align) {
    switch (align) {
    case SkinColumnAlign::Right:
        return Qt::AlignRight;
    case SkinColumnAlign::Center:
        return Qt::AlignHCenter;
    case SkinColumnAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

CSkinListCtrl::CSkinListCtrl(QWidget* parent)
    : QWidget(parent), m_header(new CSkinHeaderCtrl(m_model, this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    SkinListAccessible::Install();
    m_header->setGeometry(0, 0, width(), SkinListModel::kHeaderHeight);
    m_model.SetRowHeight(QFontMetrics(font()).height());
}

CSkinListCtrl::~CSkinListCtrl() {
    // The bars belong to the parent's children but live no longer than the list they scroll.
    delete m_horizontalBar;
    delete m_verticalBar;
}

void CSkinListCtrl::Init(bool bSkinScrollBars) {
    m_skinScrollBars = bSkinScrollBars;
    if (bSkinScrollBars && parentWidget() && !m_horizontalBar) {
        m_horizontalBar = new CSkinHorizontalScrollbar(parentWidget());
        m_verticalBar = new CSkinVerticleScrollbar(parentWidget());
        for (SkinScrollBar* bar : {static_cast<SkinScrollBar*>(m_horizontalBar),
                                   static_cast<SkinScrollBar*>(m_verticalBar)}) {
            bar->SetList(this);
            bar->show();
        }
        PositionScrollBars();
    }
    m_initialised = true;
    Changed();
}

void CSkinListCtrl::PositionScrollBars() {
    if (!m_horizontalBar || !m_verticalBar)
        return;
    // Moving keeps the bars' place among their siblings.
    const Rect list = FromQRect(geometry());
    m_verticalBar->setGeometry(ToQRect(SkinScrollModel::BarRect(ScrollBarKind::Vertical, list)));
    m_horizontalBar->setGeometry(
        ToQRect(SkinScrollModel::BarRect(ScrollBarKind::Horizontal, list)));
    m_horizontalBar->UpdateThumb();
    m_verticalBar->UpdateThumb();
}

void CSkinListCtrl::UpdateScrollBars() {
    if (!m_horizontalBar || !m_verticalBar)
        return;
    m_verticalBar->UpdateThumb();
    m_horizontalBar->UpdateThumb();
}

int CSkinListCtrl::GetScrollPos(ScrollBarKind kind) const {
    return kind == ScrollBarKind::Horizontal ? m_model.GetScrollX() : m_model.GetTopRow();
}

int CSkinListCtrl::GetScrollLimit(ScrollBarKind kind) const {
    return kind == ScrollBarKind::Horizontal ? m_model.GetScrollLimitX(width())
                                             : m_model.GetScrollLimitY(height());
}

void CSkinListCtrl::OnScroll(ScrollBarKind kind, ScrollRequest request) {
    if (m_model.OnScroll(kind, request, width(), height()))
        Scrolled();
}

void CSkinListCtrl::Scroll(int dx, int dy) {
    if (m_model.ScrollContent(dx, dy, width(), height()))
        Scrolled();
}

void CSkinListCtrl::Scrolled() {
    // The header's items move with the columns.
    m_header->update();
    update();
}

void CSkinListCtrl::SetFont(const QFont& font) {
    // The row height follows in changeEvent.
    setFont(font);
}

void CSkinListCtrl::SetExtendedStyle(unsigned nStyle) {
    m_model.SetExtendedStyle(nStyle);
    Changed();
}

int CSkinListCtrl::InsertColumn(int nColumn, const QString& text, int nWidth,
                                SkinColumnAlign align) {
    const int nIndex = m_model.InsertColumn(nColumn, text.toStdU16String(), nWidth, align);
    m_header->update();
    Changed();
    return nIndex;
}

void CSkinListCtrl::DeleteAllItems() {
    m_model.DeleteAllItems();
    Changed();
}

int CSkinListCtrl::InsertItem(int nRow, const QString& text) {
    const int nIndex = m_model.InsertItem(nRow, text.toStdU16String());
    Changed();
    return nIndex;
}

bool CSkinListCtrl::SetItemText(int nRow, int nColumn, const QString& text) {
    const bool bDone = m_model.SetItemText(nRow, nColumn, text.toStdU16String());
    Changed();
    return bDone;
}

QString CSkinListCtrl::GetItemText(int nRow, int nColumn) const {
    return QString::fromStdU16String(m_model.GetItemText(nRow, nColumn));
}

bool CSkinListCtrl::SetItemState(int nRow, unsigned nState, unsigned nMask) {
    const bool bDone = m_model.SetItemState(nRow, nState, nMask);
    Changed();
    return bDone;
}

void CSkinListCtrl::SelectRow(int nRow) {
    m_model.SelectRow(nRow);
    Changed();
}

void CSkinListCtrl::SetRedraw(bool bRedraw) {
    // Qt's own switch does what the list needs: while off no paint is delivered and the window
    // keeps its last picture; switching it on repaints the list and its header.
    setUpdatesEnabled(bRedraw);
    if (bRedraw)
        NotifyReaders();
}

void CSkinListCtrl::Changed() {
    m_model.ClampTopRow(height());
    m_model.ClampScrollX(width());
    update();
    NotifyReaders();
}

void CSkinListCtrl::NotifyReaders() {
    if (!updatesEnabled())
        return;
    QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
}

bool CSkinListCtrl::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    ShowCutText(*static_cast<QHelpEvent*>(event));
    return true;
}

void CSkinListCtrl::ShowCutText(const QHelpEvent& event) {
    const SkinCell cell = m_model.CellAt(event.pos().x(), event.pos().y());
    const QString text = GetItemText(cell.nRow, cell.nColumn);
    if (cell.nRow < 0 ||
        m_model.TextFits(cell.nRow, cell.nColumn, QFontMetrics(font()).horizontalAdvance(text))) {
        QToolTip::hideText();
        return;
    }
    // The tip goes when the pointer leaves the cell.
    QToolTip::showText(event.globalPos(), text, this,
                       ToQRect(m_model.CellRect(cell.nRow, cell.nColumn)));
}

void CSkinListCtrl::paintEvent(QPaintEvent*) {
    const QRect client = rect();
    // The header is a child window and paints itself over its rectangle.
    COffscreenDC dc(*this, client, m_buffer);
    dc.Painter().fillRect(client, ToQColor(SkinListModel::kNormalBack));
    if (!m_initialised)
        return;
    // Qt has no separate erase request: this is the moment the list would erase, so the bars
    // follow every repaint of the list.
    if (m_skinScrollBars)
        UpdateScrollBars();
    PaintRows(dc.Painter());
    if (hasFocus())
        PaintFocus(dc.Painter());
}

void CSkinListCtrl::PaintFocus(QPainter& painter) const {
    const int nRow = m_model.GetSelectedRow();
    QRect frame = nRow >= 0 ? ToQRect(m_model.RowRect(nRow))
                            : QRect(0, SkinListModel::kHeaderHeight, width(),
                                    height() - SkinListModel::kHeaderHeight);
    frame = frame.intersected(rect().adjusted(0, SkinListModel::kHeaderHeight, 0, 0));
    if (frame.width() < 3 || frame.height() < 3)
        return;
    QPen pen(Qt::black, 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(1, 1, -2, -2));
}

void CSkinListCtrl::PaintRows(QPainter& painter) const {
    const int nColumns = m_model.GetColumnCount();
    const bool bGrid = (m_model.GetExtendedStyle() & kStyleGridLines) != 0;
    const QColor grid = ToQColor(SkinListModel::kGridLine);
    const QFontMetrics metrics(font());
    painter.setFont(font());
    for (int nRow = m_model.GetTopRow(); nRow < m_model.GetItemCount(); ++nRow) {
        const Rect row = m_model.RowRect(nRow);
        if (row.top >= height())
            break;
        for (int nColumn = 0; nColumn < nColumns; ++nColumn) {
            const SkinCellColors colors = m_model.CellColors(nRow, nColumn);
            if (colors.back != SkinListModel::kNormalBack)
                painter.fillRect(ToQRect(m_model.CellRect(nRow, nColumn)), ToQColor(colors.back));
            const QRect textRect = ToQRect(m_model.CellTextRect(nRow, nColumn));
            if (textRect.width() <= 0)
                continue;
            QString text = GetItemText(nRow, nColumn);
            if (!m_model.TextFits(nRow, nColumn, metrics.horizontalAdvance(text)))
                text = metrics.elidedText(text, Qt::ElideRight, textRect.width());
            painter.setPen(ToQColor(colors.text));
            painter.drawText(textRect,
                             CellAlignment(m_model.GetColumnAlign(nColumn)) | Qt::AlignVCenter |
                                 Qt::TextSingleLine,
                             text);
        }
        if (bGrid) {
            // The line under the row, and one at the right edge of every column.
            painter.fillRect(QRect(row.left, row.bottom - 1, row.Width(), 1), grid);
            for (int nColumn = 0; nColumn < nColumns; ++nColumn) {
                const Rect cell = m_model.CellRect(nRow, nColumn);
                painter.fillRect(QRect(cell.right - 1, cell.top, 1, cell.Height()), grid);
            }
        }
    }
}

void CSkinListCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    const QPoint at = event->position().toPoint();
    if (m_model.Click(at.x(), at.y())) {
        update();
        QAccessibleEvent selection(this, QAccessible::SelectionWithin);
        QAccessible::updateAccessibility(&selection);
    }
}

void CSkinListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    emit clicked();
}

void CSkinListCtrl::wheelEvent(QWheelEvent* event) {
    if (m_skinScrollBars)
        UpdateScrollBars();
    // Rows that do not fit under the header can still be reached with the wheel.
    m_wheelDelta += event->angleDelta().y();
    const int nNotches = m_wheelDelta / kWheelNotch;
    m_wheelDelta -= nNotches * kWheelNotch;
    if (nNotches != 0 && m_model.Scroll(-nNotches * kWheelRows, height()))
        update();
    event->accept();
}

void CSkinListCtrl::keyPressEvent(QKeyEvent* event) {
    if (m_skinScrollBars)
        UpdateScrollBars();
    const int nPage = m_model.GetFullyVisibleRows(height());
    const int nAll = m_model.GetItemCount();
    int nRows = 0;
    switch (event->key()) {
    case Qt::Key_Up:
        nRows = -1;
        break;
    case Qt::Key_Down:
        nRows = 1;
        break;
    case Qt::Key_PageUp:
        nRows = -nPage;
        break;
    case Qt::Key_PageDown:
        nRows = nPage;
        break;
    case Qt::Key_Home:
        nRows = -nAll;
        break;
    case Qt::Key_End:
        nRows = nAll;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!m_model.MoveSelection(nRows, height()))
        return;
    update();
    QAccessibleEvent selection(this, QAccessible::SelectionWithin);
    QAccessible::updateAccessibility(&selection);
    emit selectionMovedByKey();
}

void CSkinListCtrl::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void CSkinListCtrl::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void CSkinListCtrl::keyReleaseEvent(QKeyEvent* event) {
    if (m_skinScrollBars)
        UpdateScrollBars();
    QWidget::keyReleaseEvent(event);
}

void CSkinListCtrl::moveEvent(QMoveEvent* event) {
    if (m_initialised)
        PositionScrollBars();
    QWidget::moveEvent(event);
}

void CSkinListCtrl::resizeEvent(QResizeEvent* event) {
    m_header->setGeometry(0, 0, width(), SkinListModel::kHeaderHeight);
    m_model.ClampTopRow(height());
    m_model.ClampScrollX(width());
    // A new size moves the right and bottom edges the bars sit on.
    if (m_initialised)
        PositionScrollBars();
    QWidget::resizeEvent(event);
}

void CSkinListCtrl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        m_model.SetRowHeight(QFontMetrics(font()).height());
        Changed();
    }
    QWidget::changeEvent(event);
}
