#include "diagramcache.h"

#include "bitmaps.h"

DiagramCache::Picture DiagramCache::ForPaint(QSize shown, qreal ratio) {
    const DiagramRenderPlan::Pixels pixels =
        DiagramRenderPlan::DevicePixels(shown.width(), shown.height(), ratio);
    switch (plan.OnPaint(pixels)) {
    case DiagramRenderPlan::Draw::Nothing:
        return {};
    case DiagramRenderPlan::Draw::Render:
        rendered = RenderCircuit(QSize(pixels.width, pixels.height));
        plan.OnRendered(pixels);
        break;
    case DiagramRenderPlan::Draw::Rendered:
        break;
    case DiagramRenderPlan::Draw::Stretch:
        return {&rendered, true};
    }
    rendered.setDevicePixelRatio(ratio);
    return {&rendered, false};
}
