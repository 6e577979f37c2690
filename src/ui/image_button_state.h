#pragma once
// The image button's decisions that need no window: which picture a paint shows, the
// hover flags, and the scroll thumb's vertical drag along its track.

#include <optional>

namespace zalvane::ui {

enum class ButtonPicture {
    kStandard,
    kStandardPressed,
    kStandardHot,
    kAlternate,
    kAlternatePressed,
    kAlternateHot,
    kDisabled,
};

class ImageButtonState {
public:
    // One paint request: `pressed` is the item's selected state. In toggle mode a pressed
    // paint first flips the toggled state.
    ButtonPicture Paint(bool pressed);

    // Pointer move: true when hover and leave tracking must be armed now.
    bool NeedsTracking() const { return !m_tracking; }
    void SetTracking(bool armed) { m_tracking = armed; }
    void Hover() { m_hovering = true; }
    // The pointer left: tracking ends. Hovering stays set, so an enabled button that is
    // not pressed keeps showing its hot picture.
    void Leave()
    {
        m_tracking = false;
        m_hovering = true;
    }

    void SetDisabled(bool disabled) { m_disabled = disabled; }
    void SetToggleMode(bool toggleMode) { m_toggleMode = toggleMode; }
    bool Toggled() const { return m_toggled; }
    bool Hovering() const { return m_hovering; }

private:
    bool m_disabled = false;
    bool m_toggleMode = false;
    bool m_hovering = true;  // starts set, and nothing clears it
    bool m_tracking = false;
    bool m_toggled = false;
};

// The track of a scroll thumb, in parent client pixels; the page that shows the thumb
// says where it lies.
struct ThumbTrack {
    int left = 0;          // a thumb moved off this column no longer drags
    int top = 0;           // smallest accepted top
    int lowestBottom = 0;  // largest accepted bottom
};

// Vertical dragging, fed with the pointer's screen position from each message.
class ThumbDrag {
public:
    explicit ThumbDrag(ThumbTrack track) : m_track(track) {}

    // Left press or double-click; only the vertical position matters.
    void Press(int screenY);
    void Release() { m_dragging = false; }
    bool Dragging() const { return m_dragging; }

    // A pointer move at `screenY`; `left`, `top` and `bottom` are the thumb's edges in parent client
    // pixels now. Returns the new top when the thumb is to move there. While dragging,
    // the anchor follows the pointer whether the move is accepted or not.
    std::optional<int> Move(int screenY, int left, int top, int bottom);

private:
    ThumbTrack m_track;
    bool m_dragging = false;
    int m_anchorY = 0;
};

}  // namespace zalvane::ui
