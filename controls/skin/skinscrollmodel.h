#pragma once

#include "colour.h"
#include "rect.h"

#include <optional>
#include <vector>

enum class ScrollBarKind { Horizontal, Vertical };

// The platform's scroll request codes, the same numbers for both directions: on a horizontal
// bar Up is left and Down is right.
enum class ScrollRequest { LineUp = 0, LineDown = 1, PageUp = 2, PageDown = 3 };

// How far the list's content is to move, in pixels, as the list's own scroll takes it.
struct ScrollOffset {
    int dx = 0;
    int dy = 0;

    bool operator==(const ScrollOffset&) const = default;
};

// One bitmap copy onto a bar: resource nBitmap (resourceids.h) drawn into `dest`, stretched
// when the sizes differ.
struct ScrollPiece {
    int nBitmap = 0;
    Rect dest;

    bool operator==(const ScrollPiece&) const = default;
};

// One skinned scroll bar without a window: where its thumb sits for the list's scroll position,
// what it draws, what a point hits, and what the mouse button and the timer do. Coordinates are
// the bar's client pixels; the length is the client width of a horizontal bar and the client
// height of a vertical one.
//
// The thumb spans 26 pixels between the arrows. At the start it touches the first arrow's last
// pixel and at the end it overlaps the second arrow by one pixel, so a 200-pixel horizontal bar
// moves its thumb from 25 to 149 and a 200-pixel vertical one from 36 to 138.
class SkinScrollModel {
public:
    static constexpr int kThickness = 12;
    // The first repeat of a held arrow comes after kFirstDelayMs, the next ones every kRepeatMs.
    static constexpr int kFirstDelayMs = 250;
    static constexpr int kRepeatMs = 50;
    static constexpr COLORREF kHorizontalFill = RGB(76, 85, 118);
    static constexpr COLORREF kVerticalFill = RGB(74, 82, 107);

    // Where a bar goes beside a list whose outer rectangle in the parent is `list`: the vertical
    // one down the right edge and one bar thickness below it, the horizontal one under the list,
    // one pixel wider.
    static Rect BarRect(ScrollBarKind kind, const Rect& list);

    explicit SkinScrollModel(ScrollBarKind kind);
    ScrollBarKind GetKind() const { return m_kind; }

    void SetLength(int nLength) { m_length = nLength; }
    int GetLength() const { return m_length; }

    // The thumb for the list's scroll position nPos and limit nLimit (its largest position; 0
    // when there is nothing to scroll), in pixels across a horizontal list and rows down a
    // vertical one; then clamped.
    void UpdateThumb(int nPos, int nLimit);
    // Keeps the thumb between the arrows.
    void ClampThumb();
    // Left edge (horizontal) or top edge (vertical) of the thumb.
    int GetThumbPos() const { return m_thumbPos; }

    // The colour under the pieces, then the pieces in drawing order; the thumb only when the
    // list can scroll this way.
    COLORREF GetFill() const;
    std::vector<ScrollPiece> Pieces(bool bThumb) const;

    // The areas the mouse button acts on: left or up arrow, right or down arrow, thumb.
    Rect FirstArrowRect() const;
    Rect SecondArrowRect() const;
    Rect ThumbRect() const;

    // The left button goes down: on the thumb it may start a drag; on an arrow it holds the
    // arrow and starts the first delay. The thumb is looked at first.
    void ButtonDown(int x, int y);
    // The pointer moves with the button down. While the thumb is dragged it follows the pointer
    // and the result is how far the list's content must move to match its position (rows of
    // nRowHeight pixels on a vertical bar); nothing otherwise.
    std::optional<ScrollOffset> Move(int x, int y, int nPos, int nLimit, int nRowHeight);
    // A tick of the running timer: the first delay turns into the repeat; a repeat tick steps
    // the held arrow.
    std::optional<ScrollRequest> Tick();
    // The button comes up (after the caller has updated the thumb from the list): the timer
    // stops, every flag clears, and the result is the steps to send. A horizontal bar steps for
    // a release inside an arrow however the press began; a vertical one only when that arrow
    // was pressed. A press and release on the track pages once towards the release point.
    std::vector<ScrollRequest> ButtonUp(int x, int y);

    // The interval of the running timer in milliseconds, 0 when none runs.
    int GetTimerInterval() const;
    bool IsDragging() const { return m_dragging; }

private:
    enum class Timer { None, FirstDelay, Repeat };
    // The numbers that differ between the two bars.
    struct Geometry {
        int nFirstArrow;  // where the first arrow starts
        int nSecondArrow; // the second arrow starts this far before the end
        int nThumbMin;    // the thumb's first position
        int nTravelLess;  // length minus this is the thumb's travel over the whole scroll range
        int nClampLess;   // length minus this is the thumb's last position
        int nHitAcross;   // the hit areas' size across the bar
    };

    const Geometry& Geo() const;
    int Along(int x, int y) const { return m_kind == ScrollBarKind::Horizontal ? x : y; }
    bool InRect(const Rect& rect, int x, int y) const;
    // A run of the bar from nFrom, nLength long, at its full hit size across.
    Rect AlongRect(int nFrom, int nLength) const;
    double Ratio(int nLimit) const;

    ScrollBarKind m_kind;
    int m_length = 0;
    int m_thumbPos;
    bool m_firstPressed = false;
    bool m_secondPressed = false;
    bool m_thumbPressed = false;
    bool m_dragging = false;
    Timer m_timer = Timer::None;
};
