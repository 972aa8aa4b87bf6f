#include "hyperlink.h"

#include "linkopenresult.h"
#include "linkstaticaccessible.h"
#include "qcolour.h"
#include "qcp1252.h"
#include "qkeys.h"
#include "qrect.h"
#include "qtmessages.h"
#include "xdglinkopener.h"

#include <QCursor>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

namespace {

LinkStaticModel::SystemColours SystemColoursOf(const QWidget& widget) {
    return {FromQColor(widget.palette().color(QPalette::Button)),
            FromQColor(widget.palette().color(QPalette::Highlight))};
}

} // namespace

CLinkStatic::CLinkStatic(const QString& text, QWidget* parent, LinkOpener* opener,
                         Messages* messages)
    : QLabel(parent), m_model(SystemColoursOf(*this)), m_opener(opener), m_messages(messages) {
    if (m_opener == nullptr) {
        m_ownOpener = std::make_unique<XdgLinkOpener>();
        m_opener = m_ownOpener.get();
    }
    if (m_messages == nullptr) {
        m_ownMessages = std::make_unique<QtMessages>(this);
        m_messages = m_ownMessages.get();
    }
    // A static text: plain, at the top left unless the owner aligns it otherwise.
    LinkStaticAccessible::Install();
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::TabFocus);
    setText(text);
    Attach();
}

CLinkStatic::~CLinkStatic() {
    m_hoverTimer.stop();
}

void CLinkStatic::Attach() {
    setText(FromCp1252(m_model.Attach(ToCp1252(text()))));
    m_normalFont = font();
    m_underlinedFont = font();
    m_underlinedFont.setUnderline(true);
    // Moves over the control arrive without a button held.
    setMouseTracking(true);
    ResizeToText();
    if (!testAttribute(Qt::WA_SetCursor))
        setCursor(Qt::PointingHandCursor);
    SetUnderlineMode(-1);
    setToolTip(FromCp1252(m_model.LinkAddress()));
}

void CLinkStatic::SetLinkAddress(const std::string& address) {
    m_model.SetLinkAddress(address);
    ResizeToText();
    setToolTip(FromCp1252(address));
}

void CLinkStatic::SetLinkColours(COLORREF background, COLORREF normal, COLORREF visited,
                                 COLORREF hover) {
    m_model.SetLinkColours(background, normal, visited, hover);
    update();
}

void CLinkStatic::MarkVisited(bool visited) {
    m_model.MarkVisited(visited);
    update();
}

void CLinkStatic::SetUnderlineMode(int mode) {
    if (m_model.SetUnderlineMode(mode))
        update();
}

const QFont& CLinkStatic::CurrentFont() const {
    return m_model.IsUnderlinedFontSelected() ? m_underlinedFont : m_normalFont;
}

void CLinkStatic::ResizeToText() {
    if (!m_model.FitToText())
        return;
    const QFontMetrics metrics(m_underlinedFont);
    const QSize border = size() - contentsRect().size();
    const int width = metrics.horizontalAdvance(text()) + border.width();
    const int height = metrics.height() + border.height();
    const Qt::Alignment align = alignment();
    const LinkAlign horizontal = align & Qt::AlignHCenter ? LinkAlign::Centre
                                 : align & Qt::AlignRight ? LinkAlign::Right
                                                          : LinkAlign::Left;
    setGeometry(ToQRect(FitLinkRect(FromQRect(geometry()), width, height,
                                    (align & Qt::AlignVCenter) != 0, horizontal)));
}

void CLinkStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_model.BackgroundColour()));
    drawFrame(&painter);
    painter.setFont(CurrentFont());
    painter.setPen(ToQColor(m_model.TextColour()));
    const int wrap = wordWrap() ? Qt::TextWordWrap : 0;
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | wrap, text());
    if (hasFocus()) {
        painter.setPen(QPen(ToQColor(m_model.TextColour()), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CLinkStatic::keyPressEvent(QKeyEvent* event) {
    if (IsPlainEnter(*event)) {
        Open();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CLinkStatic::focusInEvent(QFocusEvent* event) {
    update();
    QLabel::focusInEvent(event);
}

void CLinkStatic::focusOutEvent(QFocusEvent* event) {
    update();
    QLabel::focusOutEvent(event);
}

void CLinkStatic::enterEvent(QEnterEvent* event) {
    OnPointerMoved();
    QLabel::enterEvent(event);
}

void CLinkStatic::mouseMoveEvent(QMouseEvent* event) {
    OnPointerMoved();
    QLabel::mouseMoveEvent(event);
}

void CLinkStatic::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Open();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void CLinkStatic::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_hoverTimer.timerId()) {
        HoverTick(mapFromGlobal(QCursor::pos()));
        return;
    }
    QLabel::timerEvent(event);
}

void CLinkStatic::OnPointerMoved() {
    if (!m_model.PointerMoved())
        return;
    update();
    m_hoverTimer.start(LinkStaticModel::kHoverTimerPeriodMs, this);
}

void CLinkStatic::HoverTick(const QPoint& pointer) {
    if (!m_model.HoverTick(rect().contains(pointer)))
        return;
    m_hoverTimer.stop();
    // The control and the rows just below it, background first.
    if (QWidget* owner = parentWidget())
        owner->update(geometry().adjusted(0, 0, 0, LinkStaticModel::kLeaveRepaintExtra));
    else
        update();
}

void CLinkStatic::Open() {
    m_model.Click(*m_opener, *m_messages, m_texts);
    update();
}
