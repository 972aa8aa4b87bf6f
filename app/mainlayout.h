#pragma once

#include <array>

// Ids of the main window's controls that the layout places.
namespace MainControlId {
constexpr int kHidden1000 = 1000;
constexpr int kHeatLoad = 1003;
constexpr int kEvapTemp = 1004;
constexpr int kCondTemp = 1005;
constexpr int kRGasTemp = 1006;
constexpr int kHidden1007 = 1007;
constexpr int kAmbient = 1008; // placed out of view like 1000 and 1007
constexpr int kSettings = 1016;
constexpr int kRefrigerant = 1017;
constexpr int kPrint = 1018;
constexpr int kHelp = 1019;
constexpr int kResults = 1020;
constexpr int kLink = 1022;
} // namespace MainControlId

// The arithmetic of the main window's layout and painting, in client pixels (origin top-left).
// W and H are the client width and height, m the right margin, P = W - m - 330 the left edge of
// the summary panel.
namespace MainLayout {

struct Rect {
    int x;
    int y;
    int width;
    int height;
    bool operator==(const Rect&) const = default;
};

struct ControlPlacement {
    int nId;
    Rect rect;
};

struct Colour {
    int r;
    int g;
    int b;
    bool operator==(const Colour&) const = default;
};

// A one-pixel frame around (left, top)-(right, bottom), right and bottom exclusive: the top and
// left edges in `topLeft`, the right and bottom edges in `bottomRight`.
struct Frame {
    int left;
    int top;
    int right;
    int bottom;
    Colour topLeft;
    Colour bottomRight;
};

// One solid one-pixel line of a frame, as a rectangle to fill.
struct FrameEdge {
    Rect rect;
    Colour colour;
};

// The diagram as DrawBitmapAt draws it when fitting: the scale (`dDiagramScale`) and the
// rectangle the whole bitmap is stretched to.
struct DiagramFit {
    double dScale;
    Rect rect;
};

constexpr int kPanelOffset = 330;     // P = W - m - kPanelOffset
constexpr int kDiagramPanelGap = 350; // the diagram ends at most at W - m - 350
constexpr int kDiagramX = 15;         // where the diagram is drawn, so where markers start
constexpr int kDiagramY = 70;
constexpr int kLogoRightOffset = 130; // the logo is drawn at (W - 130, 5), unscaled
constexpr int kLogoY = 5;
constexpr int kMinOuterWidth = 685; // the smallest outer window size
constexpr int kMinOuterHeight = 600;
constexpr int kControlCount = 13;

// floor(W / 15) when W >= 700, else 0.
int RightMargin(int clientWidth);
int PanelLeft(int clientWidth, int nRightMargin);

// Every control's rectangle for a client area of W x H, in the order the controls are moved:
// refrigerant choice, 1000, 1003, 1004, 1005, 1006, 1007, 1008, results list, Settings, Print,
// Help, link. The right margin is RightMargin(W). Fields 1000, 1007 and 1008 lie at or beyond
// the right edge of the client area at every width.
std::array<ControlPlacement, kControlCount> ControlLayout(int clientWidth, int clientHeight);

// The six frames in drawing order: the window frame, the "Input Data" box and the
// recommendation box, each followed by its second line.
std::array<Frame, 6> Frames(int clientWidth, int clientHeight, int nRightMargin);
// The four lines of a frame: top, left (first colour), right, bottom (second colour).
std::array<FrameEdge, 4> FrameEdges(const Frame& frame);

// Fits a bitmap of bw x bh pixels drawn at (x, y) into a client area of W x H with right margin
// m: 90 % of the height below y, narrowed so it ends before W - m - 350. A client area with no
// room below y or beside the panel gives scale 0 and an empty rectangle (never a mirrored one).
DiagramFit FitDiagram(int bitmapWidth, int bitmapHeight, int clientWidth, int clientHeight,
                      int nRightMargin, int x = kDiagramX, int y = kDiagramY);

// An outer window rectangle (left, top, right, bottom) proposed while the user drags a border,
// kept at least kMinOuterWidth x kMinOuterHeight by moving its right and bottom edges.
struct OuterRect {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const OuterRect&) const = default;
};
OuterRect ApplyMinimumSize(OuterRect proposed);

} // namespace MainLayout
