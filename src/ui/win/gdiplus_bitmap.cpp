#include "ui/win/gdiplus_bitmap.h"

#include <cstring>

namespace zalvane::ui::win {
namespace {

struct ComRelease {
    void operator()(IUnknown* object) const noexcept { object->Release(); }
};

std::unique_ptr<Gdiplus::Bitmap> Checked(Gdiplus::Bitmap* bitmap)
{
    std::unique_ptr<Gdiplus::Bitmap> owner(bitmap);
    if (owner && owner->GetLastStatus() != Gdiplus::Ok) {
        owner.reset();
    }
    return owner;
}

}  // namespace

bool CGdiPlusBitmap::Load(const std::wstring& path)
{
    m_bitmap = Checked(Gdiplus::Bitmap::FromFile(path.c_str()));
    return m_bitmap != nullptr;
}

void CGdiPlusBitmapResource::Empty() noexcept
{
    m_bitmap.reset();
    m_block.reset();
}

bool CGdiPlusBitmapResource::Load(UINT id, const wchar_t* type, HMODULE module)
{
    Empty();
    if (!module) {
        module = ::GetModuleHandleW(nullptr);
    }
    const HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!resource) {
        return false;
    }
    const DWORD size = ::SizeofResource(module, resource);
    if (size == 0) {
        return false;
    }
    const HGLOBAL loaded = ::LoadResource(module, resource);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes) {
        return false;
    }

    platform::win::UniqueHGlobal block(::GlobalAlloc(GMEM_MOVEABLE, size));
    if (!block) {
        return false;
    }
    void* destination = ::GlobalLock(block.get());
    if (!destination) {
        return false;
    }
    std::memcpy(destination, bytes, size);
    ::GlobalUnlock(block.get());

    // The stream does not free the block on release: the block lives with the bitmap.
    IStream* rawStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(block.get(), FALSE, &rawStream)) || !rawStream) {
        return false;
    }
    const std::unique_ptr<IStream, ComRelease> stream(rawStream);
    m_bitmap = Checked(Gdiplus::Bitmap::FromStream(stream.get()));
    if (!m_bitmap) {
        return false;
    }
    m_block = std::move(block);
    return true;
}

void DrawBitmap(Gdiplus::Graphics& graphics, Gdiplus::Bitmap* bitmap, int x, int y, const ColourMatrix* matrix)
{
    if (!bitmap) {
        return;
    }
    const auto width = static_cast<INT>(bitmap->GetWidth());
    const auto height = static_cast<INT>(bitmap->GetHeight());
    const Gdiplus::Rect destination(x, y, width, height);
    if (!matrix) {
        graphics.DrawImage(bitmap, destination, 0, 0, width, height, Gdiplus::UnitPixel);
        return;
    }
    Gdiplus::ColorMatrix gdiplusMatrix;
    for (std::size_t row = 0; row < 5; ++row) {
        for (std::size_t column = 0; column < 5; ++column) {
            gdiplusMatrix.m[row][column] = (*matrix)[row][column];
        }
    }
    Gdiplus::ImageAttributes attributes;
    attributes.SetColorMatrix(&gdiplusMatrix, Gdiplus::ColorMatrixFlagsDefault, Gdiplus::ColorAdjustTypeDefault);
    graphics.DrawImage(bitmap, destination, 0, 0, width, height, Gdiplus::UnitPixel, &attributes);
}

}  // namespace zalvane::ui::win
