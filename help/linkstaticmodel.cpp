#include "linkstaticmodel.h"

#include "linkopenresult.h"
#include "messages.h"

LinkStaticModel::LinkStaticModel(SystemColours system)
    : m_crBackground(system.buttonFace), m_crSystemHighlight(system.highlight) {}

std::string LinkStaticModel::Attach(const std::string& controlText) {
    if (m_szLinkAddress.empty())
        m_szLinkAddress = controlText;
    m_bUnderlinedFont = false;
    // The mode is -1 already, so this leaves the normal font selected.
    SetUnderlineMode(-1);
    return controlText.empty() ? m_szLinkAddress : controlText;
}

void LinkStaticModel::SetLinkColours(COLORREF background, COLORREF normal, COLORREF visited,
                                     COLORREF hover) {
    m_crBackground = background;
    m_crNormal = normal;
    m_crVisited = visited;
    m_crHover = hover == kLinkSystemHighlight ? m_crSystemHighlight : hover;
}

COLORREF LinkStaticModel::TextColour() const {
    if (m_bHovering)
        return m_crHover;
    return m_bVisited ? m_crVisited : m_crNormal;
}

bool LinkStaticModel::SetUnderlineMode(int mode) {
    if (mode == m_nUnderline)
        return false;
    m_bUnderlinedFont = mode == 1;
    m_nUnderline = mode;
    return true;
}

bool LinkStaticModel::PointerMoved() {
    if (m_bHovering)
        return false;
    m_bHovering = true;
    if (m_nUnderline == -1)
        m_bUnderlinedFont = true;
    return true;
}

bool LinkStaticModel::HoverTick(bool pointerInside) {
    if (pointerInside)
        return false;
    m_bHovering = false;
    if (m_nUnderline != 1)
        m_bUnderlinedFont = false;
    return true;
}

bool LinkStaticModel::Click(LinkOpener& opener, Messages& messages, const TextLocale& texts) {
    m_bHovering = false;
    const int code = opener.OpenAddress(m_szLinkAddress);
    m_bVisited = LinkOpened(code);
    if (!m_bVisited) {
        messages.Beep();
        ShowOpenError(messages, code, texts);
    }
    return m_bVisited;
}

Rect FitLinkRect(const Rect& window, int width, int height, bool centreVertically,
                 LinkAlign align) {
    int x = window.left;
    int y = window.top;
    if (centreVertically)
        y += (window.Height() - height) / 2;
    if (align == LinkAlign::Centre)
        x += (window.Width() - width) / 2;
    else if (align == LinkAlign::Right)
        x += window.Width() - width;
    return Rect::FromSize(x, y, width, height);
}
