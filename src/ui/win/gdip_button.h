#pragma once
// CGdipButton: an owner-drawn push button whose look comes from a PNG with alpha blended
// over a copy of what the parent shows behind it, in normal, pressed, hot (brightened)
// and disabled (greyscale) pictures, with an alternate set for a toggled state. As the
// main window's scroll thumb it can be dragged up and down its track. Its clicks reach
// its owner like every CControl's notifications (BN_CLICKED).

#include <windows.h>

#include <array>
#include <functional>
#include <optional>

#include "pages/main_window_geometry.h"
#include "ui/image_button_state.h"
#include "ui/win/control.h"
#include "ui/win/gdiplus_bitmap.h"
#include "ui/win/memory_surface.h"

namespace zalvane::ui::win {

// Hears the new top edge of a dragged scroll thumb, in parent client pixels.
using ThumbMoved = std::function<void(int top)>;

// Posts the main window's thumb message (kThumbMovedMessage: wParam the new top, lParam 0)
// to `window` for each step, as the settings pages expect it.
ThumbMoved PostThumbMoved(HWND window);

class CGdipButton : public CControl {
public:
    CGdipButton() = default;
    ~CGdipButton() override;

    // A child push button; BS_OWNERDRAW is added to the style.
    bool Create(const CreateArgs& args);

    bool LoadStdImage(UINT id, const wchar_t* type);
    bool LoadAltImage(UINT id, const wchar_t* type);

    // Each accepted drag step of the thumb, after it moved.
    void OnThumbMoved(ThumbMoved moved) { m_thumbMoved = std::move(moved); }

    void SetDisabled(bool disabled) noexcept { m_state.SetDisabled(disabled); }
    void SetToggleMode(bool toggleMode) noexcept { m_state.SetToggleMode(toggleMode); }

    bool PreTranslateMessage(MSG& message) override;

    bool Prepared() const noexcept { return m_prepared; }
    // The surface of a picture (empty until prepared); what the next paint copies.
    const MemorySurface& Picture(ButtonPicture picture) const noexcept;
    std::optional<ButtonPicture> CurrentPicture() const noexcept { return m_current; }

protected:
    std::span<const MessageEntry> Messages() const override;

private:
    HBRUSH OnCtlColor(HDC dc, HWND control);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    bool OnEraseBackground(HDC dc);
    void OnMouseMove(UINT keys, POINT point);
    void OnMouseHover(UINT keys, POINT point);
    void OnMouseLeave();

    void PreparePictures();
    void CopyBackground(int width, int height);
    // One picture: the background, then `image` at (x, y), through `matrix` if given.
    void ComposePicture(ButtonPicture picture, HDC buffer, Gdiplus::Graphics& graphics, Gdiplus::Bitmap* image, int x,
                        int y, const ColourMatrix* matrix);
    RECT RectInParent() const noexcept;

    ImageButtonState m_state;
    ThumbDrag m_drag{{pages::kScrollThumb.left, pages::kScrollThumb.top, pages::kScrollThumbLowestBottom}};
    bool m_hasAltImage = false;
    bool m_prepared = false;
    std::optional<CGdiPlusBitmapResource> m_altImage;
    std::optional<CGdiPlusBitmapResource> m_stdImage;
    MemorySurface m_background;
    std::array<MemorySurface, 7> m_pictures;  // indexed by ButtonPicture
    std::optional<ButtonPicture> m_current;
    ThumbMoved m_thumbMoved;
};

}  // namespace zalvane::ui::win
