#include "shadebutton.h"

#include "graingenerator.h"
#include "offscreendc.h"
#include "panelfont.h"
#include "qcolour.h"
#include "qcp1252.h"
#include "qkeys.h"
#include "qrect.h"

#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <array>
#include <cstddef>

namespace {

// How long a tool tip stays up while the pointer rests.
constexpr int kToolTipShowMs = 10000;

// The one conversion of an image to what the surface draws without converting again. The
// image's rows are stored bottom-up; palette and true-colour rows are read a row at a time.
QImage ToQImage(const CShadeDib& dib) {
    if (!dib.IsValid())
        return {};
    QImage image(dib.Width(), dib.Height(), QImage::Format_RGB32);
    const auto storedRow = [&dib](int y) {
        return dib.Bits() + static_cast<std::ptrdiff_t>(dib.Height() - 1 - y) * dib.Stride();
    };
    std::array<QRgb, 256> colours{};
    if (dib.BitsPerPixel() == 8) {
        for (int i = 0; i < 256; ++i)
            colours[static_cast<std::size_t>(i)] = ToQRgb(dib.PaletteEntry(i));
    }
    for (int y = 0; y < dib.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const std::uint8_t* stored = storedRow(y);
        switch (dib.BitsPerPixel()) {
        case 8:
            for (int x = 0; x < dib.Width(); ++x)
                line[x] = colours[stored[x]];
            break;
        case 24:
            for (int x = 0; x < dib.Width(); ++x, stored += 3)
                line[x] = qRgb(stored[2], stored[1], stored[0]);
            break;
        default:
            for (int x = 0; x < dib.Width(); ++x)
                line[x] = ToQRgb(dib.PixelColour(x, y));
        }
    }
    return image;
}

QColor EdgeColour(const QPalette& palette, EdgeShade shade) {
    switch (shade) {
    case EdgeShade::Highlight:
        return palette.color(QPalette::Light);
    case EdgeShade::Light:
        return palette.color(QPalette::Midlight);
    case EdgeShade::Shadow:
        return palette.color(QPalette::Dark);
    default:
        return palette.color(QPalette::Shadow);
    }
}

int TextFlags(ShadeTextAlign align) {
    const int horizontal = align == ShadeTextAlign::Left    ? Qt::AlignLeft
                           : align == ShadeTextAlign::Right ? Qt::AlignRight
                                                            : Qt::AlignHCenter;
    return horizontal | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
}

} // namespace

CShadeButton::CShadeButton(const QString& text, GrainGenerator& grain, QWidget* parent)
    : QPushButton(text, parent), m_grain(grain) {
    m_model.Attach(true, false, ShadeTextAlign::Centre);
    m_model.SetTextColor(FromQColor(palette().color(QPalette::ButtonText)));
    // Every pixel comes from the off-screen surface: nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Moves without a button held tell when the pointer comes over the button.
    setMouseTracking(true);
    m_toolTipTimer.setSingleShot(true);
    m_toolTipTimer.setInterval(kToolTipShowMs);
    connect(&m_toolTipTimer, &QTimer::timeout, this, &CShadeButton::HideToolTip);
}

CShadeButton::~CShadeButton() = default;

void CShadeButton::SetShade(int effect, std::uint8_t granularity, std::uint8_t highlight,
                            std::uint8_t coloring, COLORREF color, COLORREF lightColor,
                            COLORREF midColor, COLORREF darkColor) {
    m_model.SetShade(
        {effect, granularity, highlight, coloring, color, lightColor, midColor, darkColor}, width(),
        height(), m_grain);
    for (std::size_t i = 0; i < m_images.size(); ++i)
        m_images[i] = ToQImage(m_model.Image(static_cast<ShadeImage>(i)));
    update();
}

bool CShadeButton::SetTextFont(const std::string& face, int height, int weight, std::uint8_t italic,
                               std::uint8_t underline) {
    const ShadeFontDescription& description =
        m_model.SetTextFont(face, height, weight, italic, underline);
    QFont font =
        CreatePanelFont(FromCp1252(description.face), 0, description.height, description.weight, 0);
    font.setItalic(description.italic != 0);
    font.setUnderline(description.underline != 0);
    setFont(font);
    return true;
}

COLORREF CShadeButton::SetTextColor(COLORREF colour) {
    const COLORREF previous = m_model.SetTextColor(colour);
    update();
    return previous;
}

void CShadeButton::SetToolTipText(const std::string& text, const std::string& checkedText) {
    if (m_model.SetToolTipText(text, checkedText)) {
        m_toolTip = new QLabel(this, Qt::ToolTip);
        m_toolTip->setPalette(QToolTip::palette());
        m_toolTip->setFont(QToolTip::font());
        m_toolTip->setForegroundRole(QPalette::ToolTipText);
        m_toolTip->setBackgroundRole(QPalette::ToolTipBase);
        m_toolTip->setAutoFillBackground(true);
        m_toolTip->setFrameStyle(QFrame::Box | QFrame::Plain);
        m_toolTip->setMargin(2);
        m_toolTip->setTextFormat(Qt::PlainText);
    }
    // Screen readers read the tip as the button's description.
    setAccessibleDescription(FromCp1252(m_model.ToolTipText(isChecked())));
}

bool CShadeButton::event(QEvent* event) {
    // The pointer has rested on the button: its own tip, not Qt's, so the width stays limited.
    if (event->type() == QEvent::ToolTip) {
        ShowToolTip(static_cast<QHelpEvent*>(event)->globalPos());
        return true;
    }
    const bool handled = QPushButton::event(event);
    // The style's polish makes a push button see-through; this one covers every pixel itself,
    // so nothing under it is painted first.
    if (event->type() == QEvent::Polish)
        setAttribute(Qt::WA_OpaquePaintEvent);
    return handled;
}

void CShadeButton::ShowToolTip(const QPoint& globalPos) {
    const std::string& text = m_model.ToolTipText(isChecked());
    if (!m_toolTip || text.empty())
        return;
    m_toolTip->setText(FromCp1252(text));
    // One line when it fits the widest tip, else wrapped at words to that width.
    m_toolTip->setWordWrap(false);
    QSize size = m_toolTip->sizeHint();
    if (size.width() > ShadeButtonModel::kToolTipMaxWidth) {
        m_toolTip->setWordWrap(true);
        size = QSize(ShadeButtonModel::kToolTipMaxWidth,
                     m_toolTip->heightForWidth(ShadeButtonModel::kToolTipMaxWidth));
    }
    m_toolTip->resize(size);
    m_toolTip->move(globalPos + QPoint(2, 16)); // below the pointer's tip
    m_toolTip->show();
    m_toolTipTimer.start();
}

void CShadeButton::HideToolTip() {
    m_toolTipTimer.stop();
    if (m_toolTip)
        m_toolTip->hide();
}

void CShadeButton::paintEvent(QPaintEvent*) {
    const QRect client = rect();
    const ShadePaintPlan plan =
        m_model.Paint({FromQRect(client), isDown(), hasFocus(), isDefault()});
    COffscreenDC dc(*this, client, m_buffer);
    QPainter& painter = dc.Painter();
    if (plan.faceFilled)
        painter.fillRect(client, palette().color(QPalette::Button));
    else
        painter.drawImage(plan.face.x, plan.face.y, m_images[static_cast<int>(plan.face.image)]);
    for (const auto& [edgeRect, style] : plan.edges) {
        for (const EdgeLine& line : EdgeLines(edgeRect, style)) {
            if (!line.rect.IsEmpty())
                painter.fillRect(ToQRect(line.rect), EdgeColour(palette(), line.shade));
        }
    }
    for (const ShadeImageAt& line : plan.focusLines)
        painter.drawImage(line.x, line.y, m_images[static_cast<int>(line.image)]);
    painter.setFont(font());
    painter.setPen(ToQColor(m_model.TextColor()));
    painter.drawText(ToQRect(plan.text), TextFlags(m_model.TextAlign()), text());
}

void CShadeButton::mouseMoveEvent(QMouseEvent* event) {
    // The model decides; QAbstractButton's own handling would push the button again after a
    // focus loss released it.
    const bool over = rect().contains(event->position().toPoint());
    switch (m_model.OnMouseMove(over, isDown())) {
    case ShadePointerAction::Push:
        setDown(true);
        break;
    case ShadePointerAction::Release:
        setDown(false);
        break;
    case ShadePointerAction::Repaint:
        update();
        break;
    case ShadePointerAction::None:
        break;
    }
    event->accept();
}

void CShadeButton::mousePressEvent(QMouseEvent* event) {
    HideToolTip();
    if (event->button() == Qt::LeftButton)
        m_model.OnLeftDown();
    QPushButton::mousePressEvent(event); // pushes the button, which now holds the mouse
}

void CShadeButton::mouseReleaseEvent(QMouseEvent* event) {
    HideToolTip();
    if (event->button() == Qt::LeftButton)
        m_model.OnLeftUp();
    QPushButton::mouseReleaseEvent(event); // the click, when released over the pushed button
}

void CShadeButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // A second press: a double click is two clicks.
    mousePressEvent(event);
}

void CShadeButton::leaveEvent(QEvent* event) {
    HideToolTip();
    m_model.OnLeave();
    update();
    QPushButton::leaveEvent(event);
}

void CShadeButton::keyPressEvent(QKeyEvent* event) {
    // Enter presses the button that has the focus, as Space does, whether or not the button is
    // a dialog's default one.
    if (IsPlainEnter(*event)) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CShadeButton::focusOutEvent(QFocusEvent* event) {
    // Losing the focus lets go of the mouse: the release that follows is no click.
    if (m_model.OnFocusLost())
        releaseMouse();
    QPushButton::focusOutEvent(event);
}
