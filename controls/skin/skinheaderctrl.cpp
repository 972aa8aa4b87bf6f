#include "skinheaderctrl.h"

#include "bitmaps.h"
#include "offscreendc.h"
#include "panelfont.h"
#include "qcolour.h"
#include "qrect.h"
#include "skinlistmodel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Cell height of the header text, in pixels.
constexpr int kHeaderTextHeight = 14;

} // namespace

CSkinHeaderCtrl::CSkinHeaderCtrl(const SkinListModel& model, QWidget* parent)
    : QWidget(parent), m_model(model) {
    // Every pixel is painted from the off-screen surface: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void CSkinHeaderCtrl::paintEvent(QPaintEvent*) {
    const QRect client = rect();
    COffscreenDC dc(*this, client, m_buffer);
    QPainter& painter = dc.Painter();
    // Below the strip (a header taller than 20 pixels) the list's background shows.
    painter.fillRect(client, ToQColor(SkinListModel::kNormalBack));
    for (const HeaderPiece& piece : m_model.HeaderPieces(client.width())) {
        painter.drawImage(QRect(piece.nX, 0, piece.nWidth, kHeaderStripHeight),
                          m_bitmaps.Load(piece.nBitmap),
                          QRect(piece.nSourceX, 0, piece.nSourceWidth, kHeaderStripHeight));
    }

    // Made once: finding the pixel size for a cell height measures the face several times.
    static const QFont font =
        CreatePanelFont(QStringLiteral("Arial"), 0, kHeaderTextHeight, 400, 1);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(ToQColor(SkinListModel::kHeaderText));
    for (int i = 0; i < m_model.GetColumnCount(); ++i) {
        const QRect textRect = ToQRect(m_model.HeaderTextRect(i, client.height()));
        if (textRect.width() <= 0 || textRect.height() <= 0)
            continue;
        const QString text = metrics.elidedText(
            QString::fromStdU16String(m_model.HeaderItemText(i)), Qt::ElideRight, textRect.width());
        // Centred sideways, at the top of its rectangle, cut at the rectangle.
        painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text);
    }
}

void CSkinHeaderCtrl::mousePressEvent(QMouseEvent* event) {
    // Taken here, so that a click on the header is not a click on the list's rows.
    event->accept();
}

void CSkinHeaderCtrl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void CSkinHeaderCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
