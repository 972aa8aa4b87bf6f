#include "skinlistctrl.h"

#include "offscreendc.h"

#include "skinheaderctrl.h"
#include "skinpaint.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>

namespace {

// Rows moved by one notch of the mouse wheel.
constexpr int kWheelRows = 3;
constexpr int kWheelNotch = 120;

QRect ToQRect(const SkinRect& rect) {
    return QRect(rect.nLeft, rect.nTop, rect.Width(), rect.Height());
}

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
    : QWidget(parent), header(new CSkinHeaderCtrl(model, this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    header->setGeometry(0, 0, width(), SkinListModel::kHeaderHeight);
    model.SetRowHeight(QFontMetrics(font()).height());
}

CSkinListCtrl::~CSkinListCtrl() = default;

void CSkinListCtrl::Init(bool bSkinScrollBars_) {
    bSkinScrollBars = bSkinScrollBars_;
    bInitialised = true;
    Changed();
}

void CSkinListCtrl::SetBkColor(const QColor&) {}

void CSkinListCtrl::SetTextBkColor(const QColor&) {}

void CSkinListCtrl::SetTextColor(const QColor&) {}

void CSkinListCtrl::SetFont(const QFont& font) {
    // The row height follows in changeEvent.
    setFont(font);
}

void CSkinListCtrl::SetExtendedStyle(unsigned nStyle) {
    model.SetExtendedStyle(nStyle);
    Changed();
}

int CSkinListCtrl::InsertColumn(int nColumn, const QString& text, int nWidth,
                                SkinColumnAlign align) {
    const int nIndex = model.InsertColumn(nColumn, text.toStdU16String(), nWidth, align);
    header->update();
    Changed();
    return nIndex;
}

void CSkinListCtrl::DeleteAllItems() {
    model.DeleteAllItems();
    Changed();
}

int CSkinListCtrl::InsertItem(int nRow, const QString& text) {
    const int nIndex = model.InsertItem(nRow, text.toStdU16String());
    Changed();
    return nIndex;
}

bool CSkinListCtrl::SetItemText(int nRow, int nColumn, const QString& text) {
    const bool bDone = model.SetItemText(nRow, nColumn, text.toStdU16String());
    Changed();
    return bDone;
}

QString CSkinListCtrl::GetItemText(int nRow, int nColumn) const {
    return QString::fromStdU16String(model.GetItemText(nRow, nColumn));
}

bool CSkinListCtrl::SetItemState(int nRow, unsigned nState, unsigned nMask) {
    const bool bDone = model.SetItemState(nRow, nState, nMask);
    Changed();
    return bDone;
}

void CSkinListCtrl::SelectRow(int nRow) {
    model.SelectRow(nRow);
    Changed();
}

void CSkinListCtrl::SetRedraw(bool bRedraw) {
    // Qt's own switch does what the list needs: while off no paint is delivered and the window
    // keeps its last picture; switching it on repaints the list and its header.
    setUpdatesEnabled(bRedraw);
}

void CSkinListCtrl::Changed() {
    model.ClampTopRow(height());
    update();
}

void CSkinListCtrl::paintEvent(QPaintEvent*) {
    const QRect client = rect();
    // The header is a child window and paints itself over its rectangle.
    COffscreenDC dc(*this, client, buffer);
    dc.Painter().fillRect(client, SkinQColor(SkinListModel::kNormalBack));
    if (bInitialised)
        PaintRows(dc.Painter());
}

void CSkinListCtrl::PaintRows(QPainter& painter) const {
    const int nColumns = model.GetColumnCount();
    const bool bGrid = (model.GetExtendedStyle() & kStyleGridLines) != 0;
    const QColor grid = SkinQColor(SkinListModel::kGridLine);
    const QFontMetrics metrics(font());
    painter.setFont(font());
    for (int nRow = model.GetTopRow(); nRow < model.GetItemCount(); ++nRow) {
        const SkinRect row = model.RowRect(nRow);
        if (row.nTop >= height())
            break;
        for (int nColumn = 0; nColumn < nColumns; ++nColumn) {
            const SkinCellColors colors = model.CellColors(nRow, nColumn);
            if (colors.back != SkinListModel::kNormalBack)
                painter.fillRect(ToQRect(model.CellRect(nRow, nColumn)), SkinQColor(colors.back));
            const QRect textRect = ToQRect(model.CellTextRect(nRow, nColumn));
            if (textRect.width() <= 0)
                continue;
            const QString text =
                metrics.elidedText(GetItemText(nRow, nColumn), Qt::ElideRight, textRect.width());
            painter.setPen(SkinQColor(colors.text));
            painter.drawText(textRect,
                             CellAlignment(model.GetColumnAlign(nColumn)) | Qt::AlignVCenter |
                                 Qt::TextSingleLine,
                             text);
        }
        if (bGrid) {
            // The line under the row, and one at the right edge of every column.
            painter.fillRect(QRect(row.nLeft, row.nBottom - 1, row.Width(), 1), grid);
            for (int nColumn = 0; nColumn < nColumns; ++nColumn) {
                const SkinRect cell = model.CellRect(nRow, nColumn);
                painter.fillRect(QRect(cell.nRight - 1, cell.nTop, 1, cell.Height()), grid);
            }
        }
    }
}

void CSkinListCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    bPressed = true;
    const QPoint at = event->position().toPoint();
    if (model.Click(at.x(), at.y()))
        update();
}

void CSkinListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !bPressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    bPressed = false;
    emit clicked();
}

void CSkinListCtrl::wheelEvent(QWheelEvent* event) {
    // Rows that do not fit under the header can still be reached with the wheel.
    nWheelDelta += event->angleDelta().y();
    const int nNotches = nWheelDelta / kWheelNotch;
    nWheelDelta -= nNotches * kWheelNotch;
    if (nNotches != 0 && model.Scroll(-nNotches * kWheelRows, height()))
        update();
    event->accept();
}

void CSkinListCtrl::resizeEvent(QResizeEvent* event) {
    header->setGeometry(0, 0, width(), SkinListModel::kHeaderHeight);
    model.ClampTopRow(height());
    QWidget::resizeEvent(event);
}

void CSkinListCtrl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        model.SetRowHeight(QFontMetrics(font()).height());
        Changed();
    }
    QWidget::changeEvent(event);
}
