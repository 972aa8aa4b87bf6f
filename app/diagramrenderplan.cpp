#include "diagramrenderplan.h"

#include <cmath>

DiagramRenderPlan::Pixels DiagramRenderPlan::DevicePixels(int width, int height, double ratio) {
    return {static_cast<int>(std::lround(width * ratio)),
            static_cast<int>(std::lround(height * ratio))};
}

DiagramRenderPlan::Draw DiagramRenderPlan::OnPaint(Pixels size) {
    m_shown = size;
    if (size.IsEmpty())
        return Draw::Nothing;
    if (size == m_rendered)
        return Draw::Rendered;
    if (m_rendered.IsEmpty() || m_settled)
        return Draw::Render;
    return Draw::Stretch;
}

void DiagramRenderPlan::OnRendered(Pixels size) {
    m_rendered = size;
    m_settled = false;
}

bool DiagramRenderPlan::OnSettled() {
    m_settled = !m_shown.IsEmpty() && !(m_shown == m_rendered);
    return m_settled;
}
