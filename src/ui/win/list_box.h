#pragma once
// CListBox: a notifying list box whose items all stand 16 pixels high, so that a person
// (and a test) finds entry n at the same place on every system, and whose selection can
// follow the pointer.

#include <windows.h>

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "ui/win/control.h"

namespace zalvane::ui::win {

inline constexpr int kListBoxItemHeight = 16;

class CListBox final : public CControl {
public:
    // A visible, bordered, notifying list box (LBS_NOTIFY) exactly at `args.rect`, with
    // `items` (UTF-8) in order;
    // `args.style` adds to those styles. `font` (optional) is set before the item height.
    bool Create(const CreateArgs& args, std::span<const std::string> items, HFONT font = nullptr);

    // The selected item, -1 when none.
    int Selection() const noexcept;

    // The item under the screen point `screen`; nothing when the point lies outside the
    // items (on the border, below the last item, outside the window).
    std::optional<int> ItemAt(POINT screen) const noexcept;

    // Selects the item under the cursor, as a pointer move over the list does; the item,
    // or nothing (and no change) when the cursor is on none. The list sends no
    // notification for it: a click on the item does.
    std::optional<int> SelectUnderCursor() noexcept;

    // Item `index` in the parent's client pixels.
    std::optional<RECT> ItemRectInParent(int index) const noexcept;

    // The window's rectangle in its parent's client pixels.
    RECT RectInParent() const noexcept;

    // Runs `handler` at every pointer move over the list, before the list's own handling;
    // it may destroy any window but this list.
    void OnPointerMove(std::function<void()> handler) { m_onPointerMove = std::move(handler); }

protected:
    std::span<const MessageEntry> Messages() const override;

private:
    void OnMouseMove(UINT keys, POINT point);

    std::function<void()> m_onPointerMove;
};

}  // namespace zalvane::ui::win
