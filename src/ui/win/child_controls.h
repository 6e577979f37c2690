#pragma once
// The few real child windows of the main page, made through the pages' port: the DPI
// stages' colour swatches (plain statics that the parent colours), the scroll-lines box
// (a centred edit box for digits) and the scroll thumb (an image button from the
// executable's PNG resource, dragged up and down its bar).

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "ui/child_controls.h"
#include "ui/win/control.h"

namespace zalvane::ui::win {

class WinChildControls final : public ChildControlPort {
public:
    // Hears every text change of a number box: its id and its text (UTF-8).
    using TextChanged = std::function<void(int id, std::string_view text)>;
    // Hears the thumb's new top edge after each drag step.
    using ThumbMovedTo = std::function<void(int top)>;

    WinChildControls() = default;
    WinChildControls(const WinChildControls&) = delete;
    WinChildControls& operator=(const WinChildControls&) = delete;
    ~WinChildControls() override;

    // The window the controls are made in, and the font of its number boxes.
    void SetParent(HWND parent, HFONT font) noexcept
    {
        m_parent = parent;
        m_font = font;
    }
    void OnTextChanged(TextChanged changed) { m_textChanged = std::move(changed); }
    void OnThumbMoved(ThumbMovedTo moved) { m_thumbMoved = std::move(moved); }

    [[nodiscard]] bool Create(const ChildControlArgs& args) override;
    void Destroy(int id) override;
    void Move(int id, const ui::Rect& rect) override;
    void Enable(int id, bool enabled) override;
    void SetText(int id, std::string_view text) override;
    void Repaint(int id) override;

    // The control of `id`, or null.
    HWND Window(int id) const noexcept;
    // Where the thumb's top edge was put last, by a drag or by Move; the bar's top before.
    int ThumbTop() const noexcept { return m_thumbTop; }

private:
    std::unique_ptr<CControl> Make(const ChildControlArgs& args);

    HWND m_parent = nullptr;
    HFONT m_font = nullptr;
    TextChanged m_textChanged;
    ThumbMovedTo m_thumbMoved;
    std::map<int, std::unique_ptr<CControl>> m_controls;
    int m_thumbId = -1;
    int m_thumbTop = 0;
};

}  // namespace zalvane::ui::win
