#include "mainlayout.h"

#include <algorithm>

namespace MainLayout {

namespace {

constexpr Colour kFrameLight{217, 226, 234};
constexpr Colour kFrameDark{167, 188, 207};
constexpr Colour kSecondLight{238, 241, 245};
constexpr Colour kSecondDark{236, 240, 244};

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
        {id::kRefrigerant, {column, 100, 80, 21}},
        {id::kHidden1000, {hidden, 125, 50, 21}},
        {id::kHeatLoad, {column, 125, 50, 21}},
        {id::kEvapTemp, {column, 150, 50, 21}},
        {id::kCondTemp, {column, 175, 50, 21}},
        {id::kRGasTemp, {column, 200, 50, 21}},
        {id::kHidden1007, {hidden, 225, 50, 21}},
        {id::kAmbient, {hidden, 225, 50, 21}},
        {id::kResults, {P + 6, 295, 308, 201}},
        {id::kSettings, {W - 95, H - 35, 80, 25}},
        {id::kPrint, {W - 185, H - 35, 80, 25}},
        {id::kHelp, {W - 275, H - 35, 80, 25}},
        {id::kLink, {10, H - 35, 300, 21}},
    }};
}

std::array<Frame, 6> Frames(int clientWidth, int clientHeight, int nRightMargin) {
    const int W = clientWidth;
    const int H = clientHeight;
    const int P = PanelLeft(W, nRightMargin);
    return {{
        {5, 58, W - 5, H - 5, kFrameLight, kFrameDark},
        {4, 59, W - 6, H - 6, kSecondLight, kSecondDark},
        {P, 94, P + 320, 225, kFrameLight, kFrameDark},
        {P - 1, 95, P + 321, 226, kSecondLight, kSecondDark},
        {P, 275, P + 320, 502, kFrameLight, kFrameDark},
        {P - 1, 276, P + 321, 503, kSecondLight, kSecondDark},
    }};
}

std::array<FrameEdge, 4> FrameEdges(const Frame& frame) {
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    if (width <= 0 || height <= 0) {
        // An empty frame draws nothing rather than lines of negative size.
        const Rect none{frame.left, frame.top, 0, 0};
        return {{{none, frame.topLeft},
                 {none, frame.topLeft},
                 {none, frame.bottomRight},
                 {none, frame.bottomRight}}};
    }
    return {{
        {{frame.left, frame.top, width - 1, 1}, frame.topLeft},
        {{frame.left, frame.top, 1, height - 1}, frame.topLeft},
        {{frame.right - 1, frame.top, 1, height}, frame.bottomRight},
        {{frame.left, frame.bottom - 1, width, 1}, frame.bottomRight},
    }};
}

DiagramFit FitDiagram(int bitmapWidth, int bitmapHeight, int clientWidth, int clientHeight,
                      int nRightMargin, int x, int y) {
    const double bw = bitmapWidth;
    const double bh = bitmapHeight;
    const int availableHeight = clientHeight - y;
    const int availableWidth = clientWidth - nRightMargin - kDiagramPanelGap;
    if (availableHeight <= 0 || availableWidth <= 0 || bitmapWidth < 0 || bitmapHeight < 0) {
        return {0.0, {x, y, 0, 0}};
    }
    double f = bh / availableHeight;
    if (f == 0.0) {
        f = 0.1;
    }
    double s = 0.9 / f;
    if (availableWidth < bw * s) {
        s = availableWidth / bw;
    }
    return {s, {x, y, static_cast<int>(bw * s), static_cast<int>(bh * s)}};
}

OuterRect ApplyMinimumSize(OuterRect proposed) {
    if (proposed.right - proposed.left < kMinOuterWidth) {
        proposed.right = proposed.left + kMinOuterWidth;
    }
    if (proposed.bottom - proposed.top < kMinOuterHeight) {
        proposed.bottom = proposed.top + kMinOuterHeight;
    }
    return proposed;
}

} // namespace MainLayout
