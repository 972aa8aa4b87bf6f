#pragma once

#include "diagramrenderplan.h"

#include <QImage>
#include <QSize>

class DrawingStore;

// The circuit diagram as the main window draws it, rendered at the size it is shown; which
// paint renders and which stretches the last render is DiagramRenderPlan's decision.
class DiagramCache {
public:
    struct Picture {
        const QImage* image = nullptr; // null when there is no room for the diagram
        bool stretch = false; // draw `image` stretched into the shown rectangle, and settle later
    };

    // The picture for a paint that shows the diagram at `shown` logical pixels on a screen of
    // `ratio` device pixels each; an exact-size picture carries `ratio`.
    Picture ForPaint(QSize shown, qreal ratio);
    // The shown size has held still: true when the window must repaint to render afresh.
    bool Settle() { return m_plan.OnSettled(); }
    // Renders come from and go to `store` (null: none), which must outlive the cache.
    void UseStore(const DrawingStore* store) { m_store = store; }

private:
    const DrawingStore* m_store = nullptr;
    DiagramRenderPlan m_plan;
    QImage m_rendered;
};
