#pragma once

#include "colour.h"
#include "rect.h"

#include <vector>

// One copy of a skin bitmap (a ResourceId) onto a window: the bitmap's `source` pixels go to
// `dest`, stretched where the two sizes differ.
struct BitmapCopy {
    int nBitmap = 0;
    Rect source;
    Rect dest;

    bool operator==(const BitmapCopy&) const = default;
};

// A rectangle filled with one colour.
struct SolidFill {
    Rect rect;
    COLORREF colour = 0;

    bool operator==(const SolidFill&) const = default;
};

// A single line of text, transparent, vertically centred in `rect` and cut at its edges.
struct TextPlacement {
    Rect rect;
    COLORREF colour = 0;

    bool operator==(const TextPlacement&) const = default;
};

// The closed picker's face, in drawing order: the background, the bitmap copies (left cap,
// button, middle), the fill behind the text, the text.
struct BitComboFace {
    SolidFill background; // all of the client area: what the bitmaps leave uncovered
    std::vector<BitmapCopy> copies;
    SolidFill fill; // left empty when the face is too small for it
    TextPlacement text;
};

// The drop-down list's own area: filled, then framed by a one-pixel line.
struct BitListFrame {
    SolidFill background;
    COLORREF frame = 0;

    bool operator==(const BitListFrame&) const = default;
};

// One item of the drop-down list: a band two pixels shorter than the item, then its text.
struct BitListItem {
    SolidFill band;
    TextPlacement text;
};

// Everything the bitmap picker decides, without a window: which bitmaps make its face and
// where, the colours of the face and of the drop-down list, and where texts start. Bitmap sizes
// come from BitmapResourceSize; a bitmap number of 0 (or one that is no image) counts as a
// bitmap of width 0 that is never drawn.
//
// The colours have no defaults of their own: a control that is painted before its colours are
// set draws in black (0).
class BitComboModel {
public:
    // Where the texts start before the list has first been painted, in pixels from the left.
    static constexpr int kInitialTextIndent = 7;
    // Gap between the left cap's width and a list item's text.
    static constexpr int kListTextGap = 5;

    void SetBitmaps(int nLeftCap, int nButton, int nButtonDropped, int nMiddle);
    void SetHighlightColors(COLORREF back, COLORREF text);
    void SetNormalColors(COLORREF back, COLORREF text);

    // The list opens or closes. While it is open the button shows the dropped bitmap: the two
    // are exchanged on opening and exchanged back on closing, so that an open and a close leave
    // them as set. A repeated notification changes nothing. Returns whether the face changed
    // (false without a dropped bitmap).
    bool OnDropDown();
    bool OnCloseUp();
    int ButtonBitmap() const { return m_nButton; } // as the face shows it now
    int ButtonDroppedBitmap() const { return m_nButtonDropped; }

    // The face over the client rectangle `client`, in the highlight colours when the picker
    // has the keyboard focus and in the normal ones otherwise. Bitmap rows below the client
    // area are cut off, not squeezed. The text stops where the button begins.
    BitComboFace Face(const Rect& client, bool bFocused) const;

    // The list's client area `client`: the normal background, framed in the highlight
    // background.
    BitListFrame ListFrame(const Rect& client) const;
    // One list item `item`, in the highlight colours when it is the list's focused item. Its
    // text starts at its left edge plus the left cap's width plus kListTextGap; that position
    // becomes the picker's text indent, the face's included.
    BitListItem ListItem(const Rect& item, bool bFocused);
    // The width the drop-down list needs for a text `textWidth` pixels wide to show whole: the
    // indent a list item gives its text, the text, as much gap again after it, and `extra`
    // pixels for the list's own frame and scroll bar; never narrower than the face.
    int ListWidth(int faceWidth, int textWidth, int extra) const;

    // The x offset at which the face text and the item texts start. The program has one
    // picker, so its indent is the one every picker's text follows.
    int TextIndent() const { return m_textIndent; }

private:
    int BitmapWidth(int nBitmap) const;

    int m_nLeftCap = 0;
    int m_nButton = 0;
    int m_nButtonDropped = 0;
    int m_nMiddle = 0;
    bool m_dropped = false;
    int m_textIndent = kInitialTextIndent;
    COLORREF m_highlightBack = 0;
    COLORREF m_highlightText = 0;
    COLORREF m_normalBack = 0;
    COLORREF m_normalText = 0;
};
