#pragma once

// When the main window renders the circuit diagram afresh and when it stretches its last render.
//
// The diagram is rendered from its drawing at exactly the size it is shown, in device pixels.
// A render costs tens of milliseconds at a large window, too much for every frame while the
// user drags the window's edge; so a paint at a new size stretches the last render (about a
// millisecond), and once the size has held still for kSettleMs the next paint renders afresh.
// The very first paint renders at once: there is nothing to stretch, and the first frame is
// crisp.
class DiagramRenderPlan {
public:
    struct Pixels {
        int width = 0;
        int height = 0;
        bool IsEmpty() const { return width <= 0 || height <= 0; }
        bool operator==(const Pixels&) const = default;
    };
    enum class Draw {
        Nothing,  // no room for the diagram
        Render,   // render at the shown size now, then report it with OnRendered
        Rendered, // the last render has the shown size: draw it as it is
        Stretch,  // stretch the last render, and (re)start the settle timer
    };
    // How long the shown size must hold still before the diagram is rendered afresh.
    static constexpr int kSettleMs = 150;

    // The device pixels of `width` x `height` logical pixels at `ratio`, each rounded.
    static Pixels DevicePixels(int width, int height, double ratio);

    // What a paint that shows the diagram at `shown` device pixels does.
    Draw OnPaint(Pixels shown);
    // A render at `size` device pixels has been made.
    void OnRendered(Pixels size);
    // The settle timer ran out: true when the shown size differs from the last render, so
    // the window must repaint and that paint renders afresh.
    bool OnSettled();

    Pixels RenderedSize() const { return m_rendered; }

private:
    Pixels m_rendered;
    Pixels m_shown;
    bool m_settled = false;
};
