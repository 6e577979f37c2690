#pragma once
// CGdipButton: an owner-drawn push button whose look comes from a PNG with alpha blended
// over a copy of what the parent shows behind it, in normal, pressed, hot (brightened)
// and disabled (greyscale) pictures, with an alternate set for a toggled state. As the
// main window's scroll thumb it can be dragged up and down its track.

#include <windows.h>

#include <array>
#include <optional>

#include "pages/main_window_geometry.h"
#include "ui/image_button_state.h"
#include "ui/win/gdiplus_bitmap.h"
#include "ui/win/memory_surface.h"
#include "ui/win/window.h"

namespace zalvane::ui::win {

class CGdipButton : public CWindow {
public:
    CGdipButton() = default;
    ~CGdipButton() override;

    // A child push button; BS_OWNERDRAW is added to `style`. `rect` in parent client pixels.
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id) noexcept;

    bool LoadStdImage(UINT id, const wchar_t* type);
    bool LoadAltImage(UINT id, const wchar_t* type);

    // Where each accepted drag step goes: kThumbMovedMessage is posted to `mainWindow`
    // with the new top, which is also stored in `thumbPosition`.
    void SetDragTarget(HWND mainWindow, int* thumbPosition) noexcept;

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
    HWND m_mainWindow = nullptr;
    int* m_thumbPosition = nullptr;
};

}  // namespace zalvane::ui::win
