#include "diagramcache.h"

#include "bitmaps.h"

DiagramCache::Picture DiagramCache::ForPaint(QSize shown, qreal ratio) {
    const DiagramRenderPlan::Pixels pixels =
        DiagramRenderPlan::DevicePixels(shown.width(), shown.height(), ratio);
    switch (m_plan.OnPaint(pixels)) {
    case DiagramRenderPlan::Draw::Nothing:
        return {};
    case DiagramRenderPlan::Draw::Render:
        m_rendered = RenderCircuit(QSize(pixels.width, pixels.height), m_store);
        m_plan.OnRendered(pixels);
        break;
    case DiagramRenderPlan::Draw::Rendered:
        break;
    case DiagramRenderPlan::Draw::Stretch:
        return {&m_rendered, true};
    }
    m_rendered.setDevicePixelRatio(ratio);
    return {&m_rendered, false};
}
