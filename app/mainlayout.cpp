#include "mainlayout.h"

#include <algorithm>

namespace MainLayout {

namespace {

constexpr COLORREF kFrameLight = RGB(217, 226, 234);
constexpr COLORREF kFrameDark = RGB(167, 188, 207);
constexpr COLORREF kSecondLight = RGB(238, 241, 245);
constexpr COLORREF kSecondDark = RGB(236, 240, 244);

constexpr Rect At(int x, int y, int width, int height) {
    return Rect::FromSize(x, y, width, height);
}

// The hidden fields sit 500 pixels right of the input column, which is beyond the client area
// up to a width of about 5850 pixels; on wider windows they are pushed to the right edge so that
// no part of them ever shows.
int HiddenFieldX(int clientWidth, int nRightMargin) {
    return std::max(clientWidth - nRightMargin + 390, clientWidth);
}

} // namespace

int RightMargin(int clientWidth) {
    return clientWidth >= 700 ? clientWidth / 15 : 0;
}

int PanelLeft(int clientWidth, int nRightMargin) {
    return clientWidth - nRightMargin - kPanelOffset;
}

std::array<ControlPlacement, kControlCount> ControlLayout(int clientWidth, int clientHeight) {
    const int W = clientWidth;
    const int H = clientHeight;
    const int m = RightMargin(W);
    const int P = PanelLeft(W, m);
    const int column = W - m - 110; // the input column, P + 220
    const int hidden = HiddenFieldX(W, m);
    namespace id = MainControlId;
    return {{
        {id::kRefrigerant, At(column, 100, 80, 21)},
        {id::kHidden1000, At(hidden, 125, 50, 21)},
        {id::kHeatLoad, At(column, 125, 50, 21)},
        {id::kEvapTemp, At(column, 150, 50, 21)},
        {id::kCondTemp, At(column, 175, 50, 21)},
        {id::kRGasTemp, At(column, 200, 50, 21)},
        {id::kHidden1007, At(hidden, 225, 50, 21)},
        {id::kAmbient, At(hidden, 225, 50, 21)},
        {id::kResults, At(P + 6, 295, 308, 201)},
        {id::kSettings, At(W - 95, H - 35, 80, 25)},
        {id::kPrint, At(W - 185, H - 35, 80, 25)},
        {id::kHelp, At(W - 275, H - 35, 80, 25)},
        {id::kLink, At(10, H - 35, 300, 21)},
    }};
}

std::array<Frame, 6> Frames(int clientWidth, int clientHeight, int nRightMargin) {
    const int W = clientWidth;
    const int H = clientHeight;
    const int P = PanelLeft(W, nRightMargin);
    return {{
        {{5, 58, W - 5, H - 5}, kFrameLight, kFrameDark},
        {{4, 59, W - 6, H - 6}, kSecondLight, kSecondDark},
        {{P, 94, P + 320, 225}, kFrameLight, kFrameDark},
        {{P - 1, 95, P + 321, 226}, kSecondLight, kSecondDark},
        {{P, 275, P + 320, 502}, kFrameLight, kFrameDark},
        {{P - 1, 276, P + 321, 503}, kSecondLight, kSecondDark},
    }};
}

std::array<FrameEdge, 4> FrameEdges(const Frame& frame) {
    const Rect& r = frame.rect;
    if (r.IsEmpty()) {
        // An empty frame draws nothing rather than lines of negative size.
        const Rect none = At(r.left, r.top, 0, 0);
        return {{{none, frame.topLeft},
                 {none, frame.topLeft},
                 {none, frame.bottomRight},
                 {none, frame.bottomRight}}};
    }
    return {{
        {At(r.left, r.top, r.Width() - 1, 1), frame.topLeft},
        {At(r.left, r.top, 1, r.Height() - 1), frame.topLeft},
        {At(r.right - 1, r.top, 1, r.Height()), frame.bottomRight},
        {At(r.left, r.bottom - 1, r.Width(), 1), frame.bottomRight},
    }};
}

DiagramFit FitDiagram(int bitmapWidth, int bitmapHeight, int clientWidth, int clientHeight,
                      int nRightMargin, int x, int y) {
    const double bw = bitmapWidth;
    const double bh = bitmapHeight;
    const int availableHeight = clientHeight - y;
    const int availableWidth = clientWidth - nRightMargin - kDiagramPanelGap;
    if (availableHeight <= 0 || availableWidth <= 0 || bitmapWidth < 0 || bitmapHeight < 0) {
        return {0.0, At(x, y, 0, 0)};
    }
    double f = bh / availableHeight;
    if (f == 0.0) {
        f = 0.1;
    }
    double s = 0.9 / f;
    if (availableWidth < bw * s) {
        s = availableWidth / bw;
    }
    return {s, At(x, y, static_cast<int>(bw * s), static_cast<int>(bh * s))};
}

Rect ApplyMinimumSize(Rect proposed) {
    if (proposed.Width() < kMinOuterWidth) {
        proposed.right = proposed.left + kMinOuterWidth;
    }
    if (proposed.Height() < kMinOuterHeight) {
        proposed.bottom = proposed.top + kMinOuterHeight;
    }
    return proposed;
}

} // namespace MainLayout
