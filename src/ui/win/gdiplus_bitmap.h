#pragma once
// Owners of GDI+ bitmaps: from a file, or from a resource of the executable together
// with the global memory block that backs the bitmap's stream.

#include <memory>
#include <string>

#include "platform/win/gdiplus.h"
#include "platform/win/unique_handle.h"
#include "ui/colour_matrix.h"

namespace zalvane::ui::win {

class CGdiPlusBitmap {
public:
    CGdiPlusBitmap() = default;
    CGdiPlusBitmap(const CGdiPlusBitmap&) = delete;
    CGdiPlusBitmap& operator=(const CGdiPlusBitmap&) = delete;
    virtual ~CGdiPlusBitmap() = default;

    // Decodes an image file; false (and empty) when it cannot.
    bool Load(const std::wstring& path);
    void Empty() noexcept { m_bitmap.reset(); }

    Gdiplus::Bitmap* get() const noexcept { return m_bitmap.get(); }
    explicit operator bool() const noexcept { return m_bitmap != nullptr; }

protected:
    std::unique_ptr<Gdiplus::Bitmap> m_bitmap;
};

class CGdiPlusBitmapResource : public CGdiPlusBitmap {
public:
    CGdiPlusBitmapResource() = default;
    // The bitmap reads the block: it goes first.
    ~CGdiPlusBitmapResource() override { Empty(); }

    // Releases what was held, then loads resource `id` of `type` (e.g. L"PNG") from
    // `module` (null: the executable).
    bool Load(UINT id, const wchar_t* type, HMODULE module = nullptr);
    void Empty() noexcept;

private:
    platform::win::UniqueHGlobal m_block;
};

// Draws `bitmap` with its top-left corner at (x, y) in its own pixel size, through
// `matrix` when one is given. Nothing happens for a null bitmap.
void DrawBitmap(Gdiplus::Graphics& graphics, Gdiplus::Bitmap* bitmap, int x, int y,
                const ColourMatrix* matrix = nullptr);

}  // namespace zalvane::ui::win
