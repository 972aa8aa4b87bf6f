#pragma once

#include "linkstaticmodel.h"

#include <QBasicTimer>
#include <QFont>
#include <QLabel>

#include <memory>
#include <string>

class LinkOpener;
class Messages;

// A static text that is a web link: coloured text, underlined while the pointer is over it, a
// hand pointer and a tool tip with the address; a click opens the address in the browser and a
// failure is explained in a message box. The control is bound to its text when it is made: the
// text becomes the address until SetLinkAddress gives one, and an empty text shows the address.
// Place the control before SetLinkAddress, which fits it to its text at its left (or right, or
// centre, by its alignment) and top (or vertical centre) edge. Tab reaches it; it then shows a
// dotted frame, and Enter opens it.
class CLinkStatic : public QLabel {
    Q_OBJECT

public:
    // `opener` and `messages` default to the desktop's launcher and real message boxes; they
    // must outlive the control.
    explicit CLinkStatic(const QString& text = {}, QWidget* parent = nullptr,
                         LinkOpener* opener = nullptr, Messages* messages = nullptr);
    ~CLinkStatic() override;

    // `address` is Windows-1252; it is also the tool tip.
    void SetLinkAddress(const std::string& address);
    const std::string& LinkAddress() const { return m_model.LinkAddress(); }
    // 0x00BBGGRR colours; a hover colour of kLinkSystemHighlight is the system's highlight.
    void SetLinkColours(COLORREF background, COLORREF normal, COLORREF visited, COLORREF hover);
    COLORREF NormalColour() const { return m_model.NormalColour(); }
    COLORREF VisitedColour() const { return m_model.VisitedColour(); }
    COLORREF HoverColour() const { return m_model.HoverColour(); }

    // Opens the address as a click does (a screen reader's press).
    void Open();
    // The language a failure to open is explained in; English until set.
    void SetTexts(const TextLocale& texts) { m_texts = texts; }

    void MarkVisited(bool visited);
    // 1 always underlined, 0 never, -1 (the default) only while the pointer is over the link.
    void SetUnderlineMode(int mode);
    void ResizeToText();

    const LinkStaticModel& Model() const { return m_model; }
    // The font the text is drawn in now: the normal one or its underlined copy.
    const QFont& CurrentFont() const;

    // The hover timer's tick with the pointer at `pointer` (control coordinates); the timer
    // itself passes the pointer's current position.
    void HoverTick(const QPoint& pointer);
    bool HoverTimerActive() const { return m_hoverTimer.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void Attach();
    void OnPointerMoved();

    LinkStaticModel m_model;
    QFont m_normalFont;
    QFont m_underlinedFont;
    std::unique_ptr<LinkOpener> m_ownOpener;
    std::unique_ptr<Messages> m_ownMessages;
    LinkOpener* m_opener;
    Messages* m_messages;
    TextLocale m_texts;
    QBasicTimer m_hoverTimer;
};
