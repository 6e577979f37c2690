#include "ui/image_button_state.h"

namespace zalvane::ui {

ButtonPicture ImageButtonState::Paint(bool pressed)
{
    if (m_disabled) {
        return ButtonPicture::kDisabled;
    }
    if (pressed && m_toggleMode) {
        m_toggled = !m_toggled;
    }
    if (pressed) {
        return m_toggled ? ButtonPicture::kAlternatePressed : ButtonPicture::kStandardPressed;
    }
    if (m_hovering) {
        return m_toggled ? ButtonPicture::kAlternateHot : ButtonPicture::kStandardHot;
    }
    return m_toggled ? ButtonPicture::kAlternate : ButtonPicture::kStandard;
}

void ThumbDrag::Press(int screenY)
{
    m_dragging = true;
    m_anchorY = screenY;
}

std::optional<int> ThumbDrag::Move(int screenY, int left, int top, int bottom)
{
    if (!m_dragging) {
        return std::nullopt;
    }
    const int dy = screenY - m_anchorY;
    m_anchorY = screenY;
    const int newTop = top + dy;
    const int newBottom = bottom + dy;
    if (newTop >= m_track.top && newBottom <= m_track.lowestBottom && left == m_track.left) {
        return newTop;
    }
    return std::nullopt;
}

}  // namespace zalvane::ui
