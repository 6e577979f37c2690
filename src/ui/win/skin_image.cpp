#include "ui/win/skin_image.h"

#include <cstring>
#include <span>

#include "platform/win/gdi_guards.h"
#include "platform/win/message_box.h"
#include "ui/pixel_math.h"
#include "ui/win/gdiplus_bitmap.h"

namespace zalvane::ui::win {
namespace {

bool HasAlpha(Gdiplus::Bitmap& bitmap)
{
    return Gdiplus::IsAlphaPixelFormat(bitmap.GetPixelFormat()) ||
           (bitmap.GetFlags() & Gdiplus::ImageFlagsHasAlpha) != 0;
}

std::optional<DecodedImage> MakeDib(int width, int height, bool hasAlpha)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, like GDI+ rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = hasAlpha ? 32 : 24;
    info.bmiHeader.biCompression = BI_RGB;
    DecodedImage image;
    image.bitmap.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &image.bits, nullptr, 0));
    if (!image.bitmap || !image.bits) {
        return std::nullopt;
    }
    image.width = width;
    image.height = height;
    image.stride = ((width * info.bmiHeader.biBitCount + 31) / 32) * 4;
    image.hasAlpha = hasAlpha;
    return image;
}

std::span<std::uint8_t> Pixels(const DecodedImage& image)
{
    return {static_cast<std::uint8_t*>(image.bits), static_cast<std::size_t>(image.stride) * image.height};
}

}  // namespace

bool DrawDecodedImage(HDC target, const DecodedImage& image, int x, int y, HDC source)
{
    platform::win::UniqueHdc ownSource;
    if (!source) {
        ownSource.reset(::CreateCompatibleDC(target));
        source = ownSource.get();
    }
    if (!source) {
        return false;
    }
    const platform::win::SelectGuard selected(source, image.bitmap.get());
    if (!image.hasAlpha) {
        return ::BitBlt(target, x, y, image.width, image.height, source, 0, 0, SRCCOPY) != 0;
    }
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return ::AlphaBlend(target, x, y, image.width, image.height, source, 0, 0, image.width, image.height, blend) != 0;
}

std::optional<DecodedImage> DecodePng(const std::wstring& path)
{
    CGdiPlusBitmap file;
    if (!file.Load(path)) {
        return std::nullopt;
    }
    Gdiplus::Bitmap& bitmap = *file.get();
    const auto width = static_cast<int>(bitmap.GetWidth());
    const auto height = static_cast<int>(bitmap.GetHeight());
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    const bool hasAlpha = HasAlpha(bitmap);
    std::optional<DecodedImage> image = MakeDib(width, height, hasAlpha);
    if (!image) {
        return std::nullopt;
    }

    const Gdiplus::Rect whole(0, 0, width, height);
    Gdiplus::BitmapData data{};
    const Gdiplus::PixelFormat format = hasAlpha ? PixelFormat32bppARGB : PixelFormat24bppRGB;
    if (bitmap.LockBits(&whole, Gdiplus::ImageLockModeRead, format, &data) != Gdiplus::Ok) {
        return std::nullopt;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(width) * (hasAlpha ? 4 : 3);
    auto* destination = static_cast<std::uint8_t*>(image->bits);
    const auto* source = static_cast<const std::uint8_t*>(data.Scan0);
    for (int row = 0; row < height; ++row) {
        std::memcpy(destination + static_cast<std::size_t>(row) * image->stride,
                    source + static_cast<std::ptrdiff_t>(row) * data.Stride, rowBytes);
    }
    bitmap.UnlockBits(&data);
    return image;
}

std::optional<DecodedImage> DecodeSkinImage(const std::wstring& path)
{
    std::optional<DecodedImage> image = DecodePng(path);
    if (image && image->hasAlpha) {
        ::GdiFlush();  // the DIB's pixels are written directly
        PremultiplyBgra(Pixels(*image));
    }
    return image;
}

bool DrawSkinImage(HDC target, const std::wstring& path, int x, int y)
{
    const std::optional<DecodedImage> image = DecodeSkinImage(path);
    return image && DrawDecodedImage(target, *image, x, y);
}

bool SkinImageCache::Draw(HDC target, const std::wstring& path, int x, int y)
{
    auto found = m_images.find(path);
    if (found == m_images.end()) {
        found = m_images.emplace(path, DecodeSkinImage(path)).first;
    }
    if (!found->second) {
        return false;
    }
    if (!m_source) {
        m_source.reset(::CreateCompatibleDC(target));
    }
    return DrawDecodedImage(target, *found->second, x, y, m_source.get());
}

bool LoadPng(HWND owner, HDC target, const std::wstring& path, int x, int y)
{
    if (DrawSkinImage(target, path, x, y)) {
        return true;
    }
    platform::win::ShowMessage(owner, L"LoadPng---Load image failed.");
    return false;
}

platform::win::UniqueHBitmap LoadBackground(HWND window, const std::wstring& path)
{
    std::optional<DecodedImage> image = DecodePng(path);
    if (!image) {
        return {};
    }
    ::SetWindowPos(window, nullptr, 0, 0, image->width, image->height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return std::move(image->bitmap);
}

platform::win::UniqueHBitmap LoadDialogBackground(HWND dialog, const std::wstring& path, const wchar_t* failureCaption)
{
    platform::win::UniqueHBitmap background = LoadBackground(dialog, path);
    if (!background) {
        platform::win::ShowMessage(dialog, L"error", failureCaption);
    }
    return background;
}

}  // namespace zalvane::ui::win
