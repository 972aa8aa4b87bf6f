#pragma once

#include "colour.h"
#include "controlids.h"
#include "rect.h"

#include <array>

// The arithmetic of the main window's layout and painting, in client pixels (origin top-left).
// W and H are the client width and height, m the right margin, P = W - m - 330 the left edge of
// the summary panel.
namespace MainLayout {

struct ControlPlacement {
    int nId;
    Rect rect;
};

// A one-pixel frame just inside `rect`: the top and left edges in `topLeft`, the right and
// bottom edges in `bottomRight`.
struct Frame {
    Rect rect;
    COLORREF topLeft;
    COLORREF bottomRight;
};

// One solid one-pixel line of a frame, as a rectangle to fill.
struct FrameEdge {
    Rect rect;
    COLORREF colour;
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

// An outer window rectangle proposed while the user drags a border, kept at least
// kMinOuterWidth x kMinOuterHeight by moving its right and bottom edges.
Rect ApplyMinimumSize(Rect proposed);

} // namespace MainLayout
