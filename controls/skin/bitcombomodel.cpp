#include "bitcombomodel.h"

#include "resourceids.h"

#include <algorithm>
#include <utility>

namespace {

// An unscaled copy of the whole of `nBitmap` with its top-left corner at (x, top), its rows
// cut at `bottom`; nothing for a bitmap that is not set or a face with no rows.
void AddCopy(std::vector<BitmapCopy>& copies, int nBitmap, int x, int top, int bottom) {
    const ResourceSize size = BitmapResourceSize(nBitmap);
    const int rows = std::min(size.nHeight, bottom - top);
    if (size.nWidth <= 0 || rows <= 0)
        return;
    copies.push_back(
        {nBitmap, Rect{0, 0, size.nWidth, rows}, Rect::FromSize(x, top, size.nWidth, rows)});
}

} // namespace

void BitComboModel::SetBitmaps(int nLeftCap, int nButton, int nButtonDropped, int nMiddle) {
    m_nLeftCap = nLeftCap;
    m_nButton = nButton;
    m_nButtonDropped = nButtonDropped;
    m_nMiddle = nMiddle;
    m_dropped = false;
}

void BitComboModel::SetHighlightColors(COLORREF back, COLORREF text) {
    m_highlightBack = back;
    m_highlightText = text;
}

void BitComboModel::SetNormalColors(COLORREF back, COLORREF text) {
    m_normalBack = back;
    m_normalText = text;
}

bool BitComboModel::OnDropDown() {
    if (m_dropped || m_nButtonDropped == 0)
        return false;
    std::swap(m_nButton, m_nButtonDropped);
    m_dropped = true;
    return true;
}

bool BitComboModel::OnCloseUp() {
    if (!m_dropped)
        return false;
    std::swap(m_nButton, m_nButtonDropped);
    m_dropped = false;
    return true;
}

int BitComboModel::BitmapWidth(int nBitmap) const {
    return BitmapResourceSize(nBitmap).nWidth;
}

BitComboFace BitComboModel::Face(const Rect& client, bool bFocused) const {
    const int capWidth = BitmapWidth(m_nLeftCap);
    const int buttonWidth = BitmapWidth(m_nButton);
    BitComboFace face;
    face.background = {client, m_normalBack};

    AddCopy(face.copies, m_nLeftCap, client.left, client.top, client.bottom);
    AddCopy(face.copies, m_nButton, client.right - buttonWidth, client.top, client.bottom);
    // The middle is stretched sideways only, between the cap and the button.
    const ResourceSize middle = BitmapResourceSize(m_nMiddle);
    const int middleWidth = client.Width() - capWidth - buttonWidth;
    const int middleRows = std::min(middle.nHeight, client.Height());
    if (middle.nWidth > 0 && middleWidth > 0 && middleRows > 0) {
        face.copies.push_back(
            {m_nMiddle, Rect{0, 0, middle.nWidth, middleRows},
             Rect::FromSize(client.left + capWidth, client.top, middleWidth, middleRows)});
    }

    // Inside the middle's frame lines, one pixel clear of the cap.
    const Rect fill{client.left + capWidth + 1, client.top + 3, client.right - buttonWidth,
                    client.bottom - 5};
    const COLORREF back = bFocused ? m_highlightBack : m_normalBack;
    face.fill = {fill.IsEmpty() ? Rect{} : fill, back};
    // Two pixels above the client area, so that the text sits a little high on the face, and
    // clear of the button.
    face.text = {Rect{client.left + m_textIndent, client.top - 2,
                      std::max(client.left + m_textIndent, client.right - buttonWidth),
                      client.bottom},
                 bFocused ? m_highlightText : m_normalText};
    return face;
}

BitListFrame BitComboModel::ListFrame(const Rect& client) const {
    return {{client, m_normalBack}, m_highlightBack};
}

BitListItem BitComboModel::ListItem(const Rect& item, bool bFocused) {
    m_textIndent = item.left + BitmapWidth(m_nLeftCap) + kListTextGap;
    const Rect band{item.left, item.top, item.right, item.bottom - 2};
    BitListItem drawn;
    drawn.band = {band, bFocused ? m_highlightBack : m_normalBack};
    drawn.text = {Rect{m_textIndent, band.top, band.right, band.bottom},
                  bFocused ? m_highlightText : m_normalText};
    return drawn;
}

int BitComboModel::ListWidth(int faceWidth, int textWidth, int extra) const {
    return std::max(faceWidth,
                    BitmapWidth(m_nLeftCap) + kListTextGap + textWidth + kListTextGap + extra);
}
