#pragma once
// Skin images: PNG files decoded with GDI+ into device-independent bitmaps and drawn at
// a point in their own size, with per-pixel alpha where they have it. Nothing is cached:
// every draw decodes the file again.

#include <windows.h>

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

// Draws the image at (x, y): premultiplied and alpha-blended when it has alpha, copied
// otherwise. False when it could not be decoded (then nothing is drawn).
bool DrawSkinImage(HDC target, const std::wstring& path, int x, int y);

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
