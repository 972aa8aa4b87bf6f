#include "bitcombobox.h"

#include "bitcomboboxaccessible.h"
#include "bitmaps.h"
#include "panelfont.h"
#include "qcolour.h"
#include "qrect.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QItemSelectionModel>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <vector>

namespace {

// The picker's style: Qt's own, but for two things. Some of Qt's styles open a combo box's list
// as a menu laid over the face, showing every item; the picker's list drops down below the
// face, where the button shows that it is open, and scrolls beyond maxVisibleItems() items. And
// Qt's styles mark a combo box see-through, so that the window under it is painted first; the
// picker paints every pixel of its face.
class PickerStyle : public QProxyStyle {
public:
    void polish(QWidget* widget) override {
        QProxyStyle::polish(widget);
        widget->setAttribute(Qt::WA_OpaquePaintEvent);
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

void Fill(QPainter& painter, const SolidFill& fill) {
    if (!fill.rect.IsEmpty())
        painter.fillRect(ToQRect(fill.rect), ToQColor(fill.colour));
}

// A one-pixel line along the inside of `rect`.
void Frame(QPainter& painter, const Rect& rect, COLORREF colour) {
    if (rect.IsEmpty())
        return;
    const QColor c = ToQColor(colour);
    painter.fillRect(QRect(rect.left, rect.top, rect.Width(), 1), c);
    painter.fillRect(QRect(rect.left, rect.bottom - 1, rect.Width(), 1), c);
    painter.fillRect(QRect(rect.left, rect.top, 1, rect.Height()), c);
    painter.fillRect(QRect(rect.right - 1, rect.top, 1, rect.Height()), c);
}

// A text that does not fit its place ends in an ellipsis there.
void Text(QPainter& painter, const TextPlacement& placement, const QString& text) {
    if (text.isEmpty() || placement.rect.IsEmpty())
        return;
    const QRect rect = ToQRect(placement.rect);
    painter.setPen(ToQColor(placement.colour));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width()));
}

} // namespace

CBitComboBox::CBitComboBox(QWidget* parent)
    : QComboBox(parent), m_itemFont(CreateItemFont(0, 14, QStringLiteral("Arial"), 400, 1)) {
    BitComboBoxAccessible::Install();
    auto* style = new PickerStyle;
    style->setParent(this);
    setStyle(style);
    // The list's items take their height from the font they are drawn in.
    setFont(m_itemFont);
    // Focus by click and Tab, never by the wheel: a wheel over the unfocused picker must not
    // make it the focused one.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QComboBox::currentIndexChanged, this, &CBitComboBox::OnChoiceChanged);
    BitComboBoxAccessible::ReplaceEarlyInterface(this);
}

void CBitComboBox::OnChoiceChanged(int index) {
    if (QItemSelectionModel* selection = view()->selectionModel()) {
        const QModelIndex item = model()->index(index, modelColumn(), rootModelIndex());
        if (item.isValid())
            selection->select(item, QItemSelectionModel::ClearAndSelect);
        else
            selection->clear();
    }
    // The combo box itself announces a new value; its text interface changes with it.
    const QString text = currentText();
    if (QAccessible::isActive() && text != m_announcedText) {
        QAccessibleTextUpdateEvent changed(this, 0, m_announcedText, text);
        QAccessible::updateAccessibility(&changed);
    }
    m_announcedText = text;
    UpdateToolTip();
}

void CBitComboBox::UpdateToolTip() {
    const int room = m_model.Face(FromQRect(rect()), false).text.rect.Width();
    const QString text = currentText();
    setToolTip(QFontMetrics(m_itemFont).horizontalAdvance(text) > room ? text : QString());
}

void CBitComboBox::resizeEvent(QResizeEvent* event) {
    QComboBox::resizeEvent(event);
    UpdateToolTip();
}

CBitComboBox::~CBitComboBox() {
    if (m_popup)
        m_popup->removeEventFilter(this);
    if (QWidget* surface = m_list.Surface())
        surface->removeEventFilter(this);
    m_list.Detach();
}

void CBitComboBox::SetBitmaps(int nLeftCap, int nButton, int nButtonDropped, int nMiddle) {
    m_model.SetBitmaps(nLeftCap, nButton, nButtonDropped, nMiddle);
    UpdateToolTip();
    update();
}

void CBitComboBox::SetHighlightColors(COLORREF back, COLORREF text) {
    m_model.SetHighlightColors(back, text);
    update();
}

void CBitComboBox::SetNormalColors(COLORREF back, COLORREF text) {
    m_model.SetNormalColors(back, text);
    update();
}

QFont CBitComboBox::CreateItemFont(int width, int height, const QString& face, int weight,
                                   int pitchAndFamily) {
    return CreatePanelFont(face, width, height, weight, pitchAndFamily);
}

void CBitComboBox::showPopup() {
    // The list opens and closes as the window it lies in is shown and hidden, whatever closes
    // it (a choice, Esc, a click elsewhere).
    if (!m_popup) {
        m_popup = view()->window();
        m_popup->installEventFilter(this);
    }
    // Wide enough for the longest name, whatever the face's width.
    const QFontMetrics metrics(m_itemFont);
    int longest = 0;
    for (int i = 0; i < count(); ++i)
        longest = std::max(longest, metrics.horizontalAdvance(itemText(i)));
    const int scrollBar = count() > maxVisibleItems()
                              ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view())
                              : 0;
    view()->setMinimumWidth(
        m_model.ListWidth(width(), longest, 2 * view()->frameWidth() + scrollBar));
    QComboBox::showPopup();
}

bool CBitComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_popup && event->type() == QEvent::Show) {
        LearnList();
        if (m_model.OnDropDown())
            repaint();
    } else if (watched == m_popup && event->type() == QEvent::Hide) {
        if (m_model.OnCloseUp())
            repaint();
        else
            update();
    } else if (watched == m_list.Surface() && event->type() == QEvent::Paint) {
        PaintList();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

bool CBitComboBox::HasKeyboardFocus() const {
    // While the list is open its window holds the focus on the picker's behalf.
    return hasFocus() || (m_list.IsKnown() && m_list.Window()->hasFocus());
}

void CBitComboBox::LearnList() {
    if (m_list.IsKnown())
        return;
    m_list.Attach(view());
    QWidget* surface = m_list.Surface();
    surface->installEventFilter(this);
    // A scroll moves the painted pixels, frame included: the whole list is painted again.
    connect(view()->verticalScrollBar(), &QScrollBar::valueChanged, surface,
            qOverload<>(&QWidget::update));
}

void CBitComboBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const BitComboFace face = m_model.Face(FromQRect(rect()), HasKeyboardFocus());
    Fill(painter, face.background);
    for (const BitmapCopy& copy : face.copies) {
        painter.drawImage(ToQRect(copy.dest), m_bitmaps.Load(copy.nBitmap), ToQRect(copy.source));
    }
    Fill(painter, face.fill);
    painter.setFont(m_itemFont);
    Text(painter, face.text, currentText());
}

void CBitComboBox::PaintList() {
    QPainter painter(m_list.Surface());
    const BitListFrame frame = m_model.ListFrame(m_list.GetClientRect());
    Fill(painter, frame.background);
    const int count = m_list.GetCount();
    std::vector<BitListItem> items;
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        items.push_back(m_model.ListItem(m_list.GetItemRect(i), m_list.HasFocus(i)));
    // Bands, then the frame over them, then the texts, as each item drawn in turn would leave
    // them.
    for (const BitListItem& item : items)
        Fill(painter, item.band);
    Frame(painter, frame.background.rect, frame.frame);
    painter.setFont(m_itemFont);
    for (int i = 0; i < count; ++i)
        Text(painter, items[static_cast<std::size_t>(i)].text, m_list.GetText(i));
}

void CBitComboBox::wheelEvent(QWheelEvent* event) {
    // Here the wheel goes to the control under the pointer. The picker takes it only while it
    // has the keyboard focus; otherwise it is left unaccepted, and Qt hands it on to the parent.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}
