#pragma once

#include "colour.h"
#include "rect.h"
#include "texts.h"

#include <string>

class LinkOpener;
class Messages;

// As the hover colour of SetLinkColours: the system's highlight colour.
constexpr COLORREF kLinkSystemHighlight = 0xFFFFFFFF;

// The state of a hyperlink control: its colours, hovering, visited and underline mode, its
// address, and which of its two fonts is selected. The widget asks it what to draw and forwards
// the pointer, the hover timer and the click to it.
class LinkStaticModel {
public:
    // Colours the platform decides.
    struct SystemColours {
        COLORREF buttonFace; // the initial background
        COLORREF highlight;  // the hover colour asked for with kLinkSystemHighlight
    };

    static constexpr int kHoverTimerPeriodMs = 100;
    // Rows below the control repainted when the pointer leaves.
    static constexpr int kLeaveRepaintExtra = 10;

    explicit LinkStaticModel(SystemColours system);

    // When the control is bound: the address, if none is set yet, is the control's text; returns
    // the text the control shows, which is the address when the control's text is empty. The
    // normal font is selected.
    std::string Attach(const std::string& controlText);

    void SetLinkAddress(const std::string& address) { m_szLinkAddress = address; }
    const std::string& LinkAddress() const { return m_szLinkAddress; }

    void SetLinkColours(COLORREF background, COLORREF normal, COLORREF visited, COLORREF hover);
    COLORREF NormalColour() const { return m_crNormal; }
    COLORREF VisitedColour() const { return m_crVisited; }
    COLORREF HoverColour() const { return m_crHover; }
    COLORREF BackgroundColour() const { return m_crBackground; }
    // The text colour: hover while hovering, else visited when visited, else normal.
    COLORREF TextColour() const;

    void MarkVisited(bool visited) { m_bVisited = visited; }
    bool IsVisited() const { return m_bVisited; }
    bool IsHovering() const { return m_bHovering; }

    // 1 always underlined, 0 never, -1 only while hovering. A new mode selects the underlined
    // font for 1 and the normal font otherwise; true when it did (the control repaints).
    bool SetUnderlineMode(int mode);
    int UnderlineMode() const { return m_nUnderline; }
    bool IsUnderlinedFontSelected() const { return m_bUnderlinedFont; }

    bool FitToText() const { return m_bFitToText; }

    // The pointer moved over the control. True when hovering begins: the control repaints and
    // starts the hover timer.
    bool PointerMoved();
    // A tick of the hover timer with where the pointer is now. True when the pointer has left:
    // the control stops the timer and repaints itself and kLeaveRepaintExtra rows below it.
    bool HoverTick(bool pointerInside);
    // A click: opens the address; a success marks the link visited, a failure beeps and explains
    // the code in the language of `texts`. Returns the visited flag; the control repaints either
    // way.
    bool Click(LinkOpener& opener, Messages& messages, const TextLocale& texts);

private:
    COLORREF m_crNormal = RGB(0, 0, 238);
    COLORREF m_crVisited = RGB(85, 26, 139);
    COLORREF m_crHover = RGB(255, 0, 0);
    COLORREF m_crBackground;
    COLORREF m_crSystemHighlight;
    bool m_bHovering = false;
    bool m_bVisited = false;
    int m_nUnderline = -1;
    bool m_bFitToText = true;
    std::string m_szLinkAddress;
    bool m_bUnderlinedFont = false;
};

enum class LinkAlign { Left, Centre, Right };

// The control's rectangle shrunk or grown to `width` x `height` (the text with the border):
// vertically centred or kept at its top; horizontally centred, kept at its right edge or kept at
// its left edge. Centring splits an odd difference with the extra pixel at the bottom or right.
// Both rectangles are in the parent's coordinates.
Rect FitLinkRect(const Rect& window, int width, int height, bool centreVertically, LinkAlign align);
