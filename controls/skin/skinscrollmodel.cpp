#include "skinscrollmodel.h"

#include "resourceids.h"

#include <algorithm>

namespace {

// Arrows and thumb are this long along the bar.
constexpr int kButtonLength = 26;
// The pointer holds the thumb at its middle while dragging.
constexpr int kGrip = 13;

// The vertical bar's top cap above its up arrow, and its bottom corner below the down arrow.
constexpr int kTopCap = 11;
constexpr int kBottomCorner = 11;

Rect PieceAt(int nBitmap, int x, int y) {
    const ResourceSize size = BitmapResourceSize(nBitmap);
    return Rect::FromSize(x, y, size.nWidth, size.nHeight);
}

} // namespace

Rect SkinScrollModel::BarRect(ScrollBarKind kind, const Rect& list) {
    if (kind == ScrollBarKind::Vertical)
        return Rect::FromSize(list.right, list.top, kThickness, list.Height() + kThickness);
    return Rect::FromSize(list.left, list.bottom, list.Width() + 1, kThickness);
}

SkinScrollModel::SkinScrollModel(ScrollBarKind kind) : m_kind(kind), m_thumbPos(Geo().nThumbMin) {}

const SkinScrollModel::Geometry& SkinScrollModel::Geo() const {
    // The horizontal hit areas reach 20 pixels down, beyond the bar's 12.
    static constexpr Geometry kHorizontal = {0, kButtonLength, 25, 75, 51, 20};
    static constexpr Geometry kVertical = {kTopCap,   kButtonLength + kBottomCorner, 36, 98, 62,
                                           kThickness};
    return m_kind == ScrollBarKind::Horizontal ? kHorizontal : kVertical;
}

double SkinScrollModel::Ratio(int nLimit) const {
    return static_cast<double>(m_length - Geo().nTravelLess) / nLimit;
}

void SkinScrollModel::UpdateThumb(int nPos, int nLimit) {
    m_thumbPos = Geo().nThumbMin;
    if (nLimit != 0)
        m_thumbPos += static_cast<int>(nPos * Ratio(nLimit));
    ClampThumb();
}

void SkinScrollModel::ClampThumb() {
    if (m_thumbPos + kButtonLength > m_length - Geo().nSecondArrow)
        m_thumbPos = m_length - Geo().nClampLess;
    if (m_thumbPos < Geo().nThumbMin)
        m_thumbPos = Geo().nThumbMin;
}

COLORREF SkinScrollModel::GetFill() const {
    return m_kind == ScrollBarKind::Horizontal ? kHorizontalFill : kVerticalFill;
}

std::vector<ScrollPiece> SkinScrollModel::Pieces(bool bThumb) const {
    using namespace ResourceId;
    const int n = m_length;
    std::vector<ScrollPiece> pieces;
    if (m_kind == ScrollBarKind::Horizontal) {
        pieces = {
            {kHScrollLeft, PieceAt(kHScrollLeft, 0, 0)},
            {kHScrollTrack, {kButtonLength, 0, n, kThickness}},
            {kHScrollRight, PieceAt(kHScrollRight, n - kButtonLength, 0)},
        };
        if (bThumb)
            pieces.push_back({kHScrollThumb, PieceAt(kHScrollThumb, m_thumbPos, 0)});
    } else {
        const int nTrack = kTopCap + kButtonLength;
        pieces = {
            {kVScrollTop, PieceAt(kVScrollTop, 0, 0)},
            {kVScrollUp, PieceAt(kVScrollUp, 0, kTopCap)},
            {kVScrollTrack, {0, nTrack, kThickness, n}},
            {kVScrollDown, PieceAt(kVScrollDown, 0, n - Geo().nSecondArrow)},
            {kVScrollBottom, PieceAt(kVScrollBottom, 1, n - kBottomCorner)},
        };
        if (bThumb)
            pieces.push_back({kVScrollThumb, PieceAt(kVScrollThumb, 0, m_thumbPos)});
    }
    return pieces;
}

Rect SkinScrollModel::AlongRect(int nFrom, int nLength) const {
    if (m_kind == ScrollBarKind::Horizontal)
        return {nFrom, 0, nFrom + nLength, Geo().nHitAcross};
    return {0, nFrom, Geo().nHitAcross, nFrom + nLength};
}

Rect SkinScrollModel::FirstArrowRect() const {
    return AlongRect(Geo().nFirstArrow, kButtonLength);
}

Rect SkinScrollModel::SecondArrowRect() const {
    return AlongRect(m_length - Geo().nSecondArrow, kButtonLength);
}

Rect SkinScrollModel::ThumbRect() const {
    return AlongRect(m_thumbPos, kButtonLength);
}

bool SkinScrollModel::InRect(const Rect& rect, int x, int y) const {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

void SkinScrollModel::ButtonDown(int x, int y) {
    if (InRect(ThumbRect(), x, y)) {
        m_thumbPressed = true;
    } else if (InRect(SecondArrowRect(), x, y)) {
        m_secondPressed = true;
        m_timer = Timer::FirstDelay;
    } else if (InRect(FirstArrowRect(), x, y)) {
        m_firstPressed = true;
        m_timer = Timer::FirstDelay;
    }
}

std::optional<ScrollOffset> SkinScrollModel::Move(int x, int y, int nPos, int nLimit,
                                                  int nRowHeight) {
    if (m_thumbPressed)
        m_dragging = true;
    if (!m_dragging)
        return std::nullopt;
    m_thumbPos = Along(x, y) - kGrip;
    int nDelta = 0;
    const double ratio = nLimit > 0 ? Ratio(nLimit) : 0.0;
    if (ratio != 0.0) {
        // The list stops at its ends, so a target beyond them scrolls as far as the end does.
        const double target =
            std::clamp((m_thumbPos - Geo().nThumbMin) / ratio, 0.0, static_cast<double>(nLimit));
        nDelta = static_cast<int>(target) - nPos;
    }
    ClampThumb();
    if (m_kind == ScrollBarKind::Horizontal)
        return ScrollOffset{nDelta, 0};
    return ScrollOffset{0, nDelta * nRowHeight};
}

std::optional<ScrollRequest> SkinScrollModel::Tick() {
    if (!m_firstPressed && !m_secondPressed)
        return std::nullopt;
    if (m_timer == Timer::FirstDelay) {
        m_timer = Timer::Repeat;
        return std::nullopt;
    }
    return m_secondPressed ? ScrollRequest::LineDown : ScrollRequest::LineUp;
}

std::vector<ScrollRequest> SkinScrollModel::ButtonUp(int x, int y) {
    m_timer = Timer::None;
    std::vector<ScrollRequest> steps;
    const bool bInFirst = InRect(FirstArrowRect(), x, y);
    const bool bInSecond = InRect(SecondArrowRect(), x, y);
    const bool bVertical = m_kind == ScrollBarKind::Vertical;
    if (bInFirst && (!bVertical || m_firstPressed))
        steps.push_back(ScrollRequest::LineUp);
    if (bInSecond && (!bVertical || m_secondPressed))
        steps.push_back(ScrollRequest::LineDown);
    if (!bInFirst && !bInSecond && !InRect(ThumbRect(), x, y) && !m_thumbPressed)
        steps.push_back(Along(x, y) > m_thumbPos ? ScrollRequest::PageDown : ScrollRequest::PageUp);
    m_firstPressed = m_secondPressed = m_thumbPressed = m_dragging = false;
    return steps;
}

int SkinScrollModel::GetTimerInterval() const {
    switch (m_timer) {
    case Timer::FirstDelay:
        return kFirstDelayMs;
    case Timer::Repeat:
        return kRepeatMs;
    case Timer::None:
        break;
    }
    return 0;
}
