#pragma once
// Skin images: PNG files decoded with GDI+ into device-independent bitmaps and drawn at
// a point in their own size, with per-pixel alpha where they have it. DrawSkinImage
// decodes the file at every draw; SkinImageCache keeps what it decoded for the run.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/win/unique_handle.h"

namespace zalvane::ui::win {

struct DecodedImage {
    platform::win::UniqueHBitmap bitmap;  // top-down DIB section
    void* bits = nullptr;                 // its pixels, `stride` bytes per row
    int width = 0;
    int height = 0;
    int stride = 0;
    // 32 bits per pixel, blue-green-red-alpha, when the image has an alpha channel;
    // otherwise 24 bits per pixel.
    bool hasAlpha = false;
};

// Straight (not premultiplied) pixels; nothing when the file is missing or undecodable.
// GDI+ must be running.
std::optional<DecodedImage> DecodePng(const std::wstring& path);

// Decoded and ready to draw: an image with alpha is premultiplied.
std::optional<DecodedImage> DecodeSkinImage(const std::wstring& path);

// Draws a decoded image at (x, y) in its own size: alpha-blended when it has alpha (its
// pixels premultiplied), copied otherwise. `source` is a memory surface to select the
// image into (null: one is made for the draw).
bool DrawDecodedImage(HDC target, const DecodedImage& image, int x, int y, HDC source = nullptr);

// Draws the image at (x, y): premultiplied and alpha-blended when it has alpha, copied
// otherwise. False when it could not be decoded (then nothing is drawn).
bool DrawSkinImage(HDC target, const std::wstring& path, int x, int y);

// The skin's images as decoded once: the next draw of the same path blends the same
// pixels without reading the file again. What is drawn is what DrawSkinImage draws; an
// image that did not load is remembered as such and not drawn. The skin does not change
// while the program runs, so the images are kept for the run.
class SkinImageCache {
public:
    bool Draw(HDC target, const std::wstring& path, int x, int y);
    std::size_t Size() const noexcept { return m_images.size(); }

private:
    std::map<std::wstring, std::optional<DecodedImage>, std::less<>> m_images;
    platform::win::UniqueHdc m_source;  // each image is selected here to be drawn
};

// The same for the dialogs, which tell the user about an image that would not load
// ("LoadPng---Load image failed.", owned by `owner`).
bool LoadPng(HWND owner, HDC target, const std::wstring& path, int x, int y);

// A window's background: decodes the PNG (not premultiplied), sizes the window to it
// without moving it or changing its z-order, and returns the bitmap for the window to
// keep and draw on. Nothing, and no change to the window, when the image will not load.
platform::win::UniqueHBitmap LoadBackground(HWND window, const std::wstring& path);

// The same for a skinned dialog at its initialisation: when the image will not load the
// user is told ("error", with the dialog's own `failureCaption`) and nothing is returned.
platform::win::UniqueHBitmap LoadDialogBackground(HWND dialog, const std::wstring& path, const wchar_t* failureCaption);

}  // namespace zalvane::ui::win
