#include "diagramrenderplan.h"

#include <cmath>

DiagramRenderPlan::Pixels DiagramRenderPlan::DevicePixels(int width, int height, double ratio) {
    return {static_cast<int>(std::lround(width * ratio)),
            static_cast<int>(std::lround(height * ratio))};
}

DiagramRenderPlan::Draw DiagramRenderPlan::OnPaint(Pixels size) {
    shown = size;
    if (size.IsEmpty())
        return Draw::Nothing;
    if (size == rendered)
        return Draw::Rendered;
    if (rendered.IsEmpty() || settled)
        return Draw::Render;
    return Draw::Stretch;
}

void DiagramRenderPlan::OnRendered(Pixels size) {
    rendered = size;
    settled = false;
}

bool DiagramRenderPlan::OnSettled() {
    settled = !shown.IsEmpty() && !(shown == rendered);
    return settled;
}
