#include "shadebuttonmodel.h"

namespace {

Rect Shrunk(const Rect& r, int by) {
    return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

} // namespace

void ShadeButtonModel::Attach(bool pushButton, bool pushLikeStyle, ShadeTextAlign align) {
    m_align = align;
    m_pushLike = pushLikeStyle || pushButton;
    if (!m_pushLike)
        m_edge = 0;
}

void ShadeButtonModel::SetShade(const ShadeParams& params, int width, int height,
                                GrainGenerator& grain) {
    m_shade.Make(params, width, height, m_border, grain);
}

const CShadeDib& ShadeButtonModel::Image(ShadeImage image) const {
    switch (image) {
    case ShadeImage::Hover:
        return m_shade.Hover();
    case ShadeImage::Pressed:
        return m_shade.Pressed();
    case ShadeImage::FocusHorizontal:
        return m_shade.FocusHorizontal();
    case ShadeImage::FocusVertical:
        return m_shade.FocusVertical();
    default:
        return m_shade.Normal();
    }
}

const ShadeFontDescription& ShadeButtonModel::SetTextFont(std::string face, int height, int weight,
                                                          std::uint8_t italic,
                                                          std::uint8_t underline) {
    if (face.size() > kMaxFaceName)
        face.resize(kMaxFaceName);
    m_font = {std::move(face), height, weight, italic, underline};
    m_hasFont = true;
    return m_font;
}

COLORREF ShadeButtonModel::SetTextColor(COLORREF colour) {
    const COLORREF previous = m_textColour;
    m_textColour = colour;
    return previous;
}

bool ShadeButtonModel::SetToolTipText(std::string text, std::string checkedText) {
    m_toolTipText = std::move(text);
    m_checkedText = std::move(checkedText);
    const bool first = !m_toolTipMade;
    m_toolTipMade = true;
    return first;
}

const std::string& ShadeButtonModel::ToolTipText(bool checked) const {
    return checked && !m_checkedText.empty() ? m_checkedText : m_toolTipText;
}

ShadePointerAction ShadeButtonModel::OnMouseMove(bool overButton, bool pushed) {
    // While pressed by mouse the pushed look follows the pointer on and off the button.
    if (m_pressedByMouse) {
        if (overButton == pushed)
            return ShadePointerAction::None;
        return overButton ? ShadePointerAction::Push : ShadePointerAction::Release;
    }
    // Otherwise hovering follows the pointer; a move off the button (the mouse still held
    // after a focus loss) is its leaving.
    if (m_hovering == overButton)
        return ShadePointerAction::None;
    m_hovering = overButton;
    return ShadePointerAction::Repaint;
}

void ShadeButtonModel::OnLeftDown() {
    m_hovering = false;
    m_pressedByMouse = true;
}

bool ShadeButtonModel::OnFocusLost() {
    const bool held = m_pressedByMouse;
    m_pressedByMouse = false;
    return held;
}

ShadePaintPlan ShadeButtonModel::Paint(const ShadeItemState& state) const {
    ShadePaintPlan plan;
    const Rect& r = state.item;
    plan.text = {r.left + m_border + 2, r.top, r.right - m_border - 2, r.bottom};
    if (state.selected) {
        plan.face = {ShadeImage::Pressed, m_edge, m_edge};
        if (m_pushLike)
            plan.text = plan.text.Moved(1, 1);
        if (m_edge != 0)
            plan.edges.emplace_back(r, EdgeStyle::Sunken);
    } else {
        const bool hover = m_hovering && m_shade.Hover().IsValid();
        plan.face = {hover ? ShadeImage::Hover : ShadeImage::Normal, 0, 0};
        if (m_edge != 0 && state.isDefault) {
            plan.edges.emplace_back(r, EdgeStyle::Sunken);
            plan.edges.emplace_back(Shrunk(r, 1), EdgeStyle::Raised);
        } else if (m_edge != 0) {
            plan.edges.emplace_back(r, EdgeStyle::Raised);
        }
    }
    plan.faceFilled = !Image(plan.face.image).IsValid();
    if (state.focused && m_border > 0 && m_shade.FocusHorizontal().IsValid()) {
        const Rect f = Shrunk(r, m_border);
        plan.focusLines = {{ShadeImage::FocusHorizontal, f.left + 1, f.top},
                           {ShadeImage::FocusHorizontal, f.left + 1, f.bottom},
                           {ShadeImage::FocusVertical, f.left, f.top + 1},
                           {ShadeImage::FocusVertical, f.right, f.top + 1}};
    }
    return plan;
}
