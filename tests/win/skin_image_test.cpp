// Skin images measured on real pixels: premultiplication and blending, opaque copies,
// missing files, the dialogs' failure message and window backgrounds.

#include "ui/win/skin_image.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win/unique_handle.h"
#include "platform/win/wide_text.h"
#include "ui/pixel_math.h"
#include "ui/win/mem_dc.h"
#include "ui/win/skin_image_sizes.h"
#include "win/png_writer.h"
#include "win/win_test_support.h"

namespace zalvane::ui::win {
namespace {

using wintest::ColourNear;
using wintest::PixelSurface;
using wintest::TestPixel;

constexpr Rgba kBackground{50, 100, 200, 255};

Rgba Blended(const TestPixel& source, const Rgba& background)
{
    auto channel = [&](std::uint8_t s, std::uint8_t b) {
        return BlendChannel(PremultiplyChannel(s, source.alpha), source.alpha, b);
    };
    return {channel(source.red, background.red), channel(source.green, background.green),
            channel(source.blue, background.blue), 255};
}

class SkinImageTest : public ::testing::Test {
protected:
    std::wstring Png(const std::wstring& name, int width, int height, const std::vector<TestPixel>& pixels,
                     bool withAlpha)
    {
        const std::wstring path = m_folder.File(name);
        EXPECT_TRUE(wintest::WritePng(path, width, height, pixels, withAlpha));
        return path;
    }

    wintest::TempDir m_folder;
};

TEST_F(SkinImageTest, AlphaPixelsArePremultipliedAndBlendedOverTheSurface)
{
    const TestPixel cases[] = {
        {255, 0, 0, 128},      // red 255 at alpha 128: 128 + background x 127 / 255
        {255, 255, 255, 0},    // alpha 0 leaves the background as it was
        {30, 60, 90, 255},     // opaque replaces it
        {200, 100, 7, 1},      // almost nothing of the source
        {255, 255, 255, 254},  // almost all of it
    };
    for (const TestPixel& pixel : cases) {
        SCOPED_TRACE(::testing::Message() << "alpha " << int(pixel.alpha));
        const std::wstring path = Png(L"alpha.png", 1, 1, {pixel}, true);
        PixelSurface surface(4, 4, kBackground);
        ASSERT_TRUE(DrawSkinImage(surface.Dc(), path, 2, 1));
        EXPECT_TRUE(ColourNear(surface.At(2, 1), Blended(pixel, kBackground), 1));
        EXPECT_TRUE(ColourNear(surface.At(1, 1), kBackground, 0));  // nothing beside the image
        EXPECT_TRUE(ColourNear(surface.At(2, 2), kBackground, 0));
    }
}

TEST_F(SkinImageTest, ImagesWithoutAlphaAreCopiedOpaquelyWhiteIncluded)
{
    const std::wstring path = Png(L"plain.png", 2, 1, {{255, 255, 255, 0}, {10, 20, 30, 0}}, false);
    PixelSurface surface(4, 2, kBackground);
    ASSERT_TRUE(DrawSkinImage(surface.Dc(), path, 1, 0));
    EXPECT_TRUE(ColourNear(surface.At(1, 0), {255, 255, 255, 255}, 0));
    EXPECT_TRUE(ColourNear(surface.At(2, 0), {10, 20, 30, 255}, 0));
    EXPECT_TRUE(ColourNear(surface.At(0, 0), kBackground, 0));
    EXPECT_TRUE(ColourNear(surface.At(3, 0), kBackground, 0));
}

TEST_F(SkinImageTest, AnImageThatWillNotLoadDrawsNothing)
{
    const std::wstring garbage = m_folder.File(L"garbage.png");
    ASSERT_TRUE(wintest::WritePng(garbage, 1, 1, {{}}, false));
    {  // cut the file short: no longer a PNG
        const platform::win::UniqueFile file(
            ::CreateFileW(garbage.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(file);
        ::SetFilePointer(file.get(), 12, nullptr, FILE_BEGIN);
        ::SetEndOfFile(file.get());
    }
    for (const std::wstring& path : {m_folder.File(L"missing.png"), garbage}) {
        PixelSurface surface(2, 2, kBackground);
        EXPECT_FALSE(DrawSkinImage(surface.Dc(), path, 0, 0));
        EXPECT_TRUE(ColourNear(surface.At(0, 0), kBackground, 0));
    }
}

bool Shows(const wintest::MessageBoxWatcher::Seen& box, const std::wstring& text)
{
    return std::find(box.texts.begin(), box.texts.end(), text) != box.texts.end();
}

TEST_F(SkinImageTest, DialogsTellTheUserAboutImagesThatWillNotLoad)
{
    PixelSurface surface(2, 2, kBackground);
    const std::wstring good = Png(L"good.png", 1, 1, {{1, 2, 3, 255}}, true);
    const std::wstring missing = m_folder.File(L"missing.png");
    const platform::win::UniqueHwnd dialog(
        ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr));
    std::vector<wintest::MessageBoxWatcher::Seen> boxes;
    {
        const wintest::MessageBoxWatcher watcher;
        EXPECT_TRUE(LoadPng(nullptr, surface.Dc(), good, 0, 0));
        EXPECT_FALSE(LoadPng(nullptr, surface.Dc(), missing, 0, 0));
        EXPECT_TRUE(LoadDialogBackground(dialog.get(), good, L"Help Dialog Load background image failed!!!"));
        EXPECT_FALSE(LoadDialogBackground(dialog.get(), missing, L"Help Dialog Load background image failed!!!"));
        boxes = watcher.Boxes();
    }
    ASSERT_EQ(boxes.size(), 2u);  // one per failure, none for the good image
    EXPECT_EQ(boxes[0].caption, L"Zalvane");
    EXPECT_TRUE(Shows(boxes[0], L"LoadPng---Load image failed."));
    EXPECT_EQ(boxes[1].caption, L"Help Dialog Load background image failed!!!");
    EXPECT_TRUE(Shows(boxes[1], L"error"));
}

TEST_F(SkinImageTest, BackgroundSizesTheWindowAndKeepsStraightPixels)
{
    std::vector<TestPixel> pixels(30 * 20, TestPixel{200, 100, 50, 255});
    pixels[0] = {255, 0, 0, 128};
    const std::wstring path = Png(L"background.png", 30, 20, pixels, true);
    const platform::win::UniqueHwnd window(
        ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 40, 50, 5, 5, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(window);

    EXPECT_FALSE(LoadBackground(window.get(), m_folder.File(L"missing.png")));
    RECT rect{};
    ::GetWindowRect(window.get(), &rect);
    EXPECT_EQ(rect.right - rect.left, 5);  // untouched by a failure

    const platform::win::UniqueHBitmap background = LoadBackground(window.get(), path);
    ASSERT_TRUE(background);
    ::GetWindowRect(window.get(), &rect);
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(rect.right - rect.left, 30);
    EXPECT_EQ(rect.bottom - rect.top, 20);
    DIBSECTION dib{};
    ASSERT_EQ(::GetObjectW(background.get(), sizeof dib, &dib), static_cast<int>(sizeof dib));
    const auto* first = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
    EXPECT_EQ(first[2], 255);  // red not premultiplied
    EXPECT_EQ(first[3], 128);
}

TEST_F(SkinImageTest, MemDcShowsNothingUntilItEndsThenCopiesItsRectangle)
{
    PixelSurface target(8, 8, kBackground);
    const platform::win::UniqueHBrush red(::CreateSolidBrush(RGB(255, 0, 0)));
    {
        const RECT area{2, 2, 6, 6};
        const CMemDC buffer(target.Dc(), &area);
        const RECT whole{0, 0, 8, 8};  // drawn in the target's coordinates, clipped to the buffer
        ::FillRect(buffer.get(), &whole, red.get());
        EXPECT_TRUE(ColourNear(target.At(3, 3), kBackground, 0));
    }
    EXPECT_TRUE(ColourNear(target.At(2, 2), {255, 0, 0, 255}, 0));
    EXPECT_TRUE(ColourNear(target.At(5, 5), {255, 0, 0, 255}, 0));
    EXPECT_TRUE(ColourNear(target.At(1, 1), kBackground, 0));
    EXPECT_TRUE(ColourNear(target.At(6, 6), kBackground, 0));
    {
        const CMemDC whole(target.Dc());  // no rectangle: the whole clip box
        EXPECT_EQ(whole.Rect().right, 8);
        EXPECT_EQ(whole.Rect().bottom, 8);
    }
}

TEST_F(SkinImageTest, CacheDrawsWhatTheFileHeldWithoutReadingItAgain)
{
    const std::vector<TestPixel> pixels{{255, 0, 0, 128}, {0, 255, 0, 255}};
    const std::wstring path = Png(L"cached.png", 2, 1, pixels, true);
    PixelSurface direct(4, 2, kBackground);
    ASSERT_TRUE(DrawSkinImage(direct.Dc(), path, 1, 1));
    SkinImageCache cache;
    PixelSurface first(4, 2, kBackground);
    ASSERT_TRUE(cache.Draw(first.Dc(), path, 1, 1));
    ASSERT_TRUE(::DeleteFileW(path.c_str()));
    PixelSurface second(4, 2, kBackground);
    ASSERT_TRUE(cache.Draw(second.Dc(), path, 1, 1));
    for (int x = 0; x < 4; ++x) {
        EXPECT_TRUE(ColourNear(first.At(x, 1), direct.At(x, 1), 0)) << x;
        EXPECT_TRUE(ColourNear(second.At(x, 1), direct.At(x, 1), 0)) << x;
    }
    // A missing image draws nothing, every time.
    EXPECT_FALSE(cache.Draw(second.Dc(), m_folder.File(L"missing.png"), 0, 0));
    EXPECT_FALSE(cache.Draw(second.Dc(), m_folder.File(L"missing.png"), 0, 0));
    EXPECT_EQ(cache.Size(), 2u);
}

// The main window draws on its kept background: the picture stays in that bitmap, and the
// target gets the whole rectangle once, at the end.
TEST_F(SkinImageTest, MemDcOnAKeptBitmapLeavesThePictureInIt)
{
    PixelSurface target(8, 8, kBackground);
    PixelSurface kept(8, 8, {0, 255, 0, 255});
    const platform::win::UniqueHBrush red(::CreateSolidBrush(RGB(255, 0, 0)));
    // The kept bitmap must not be selected elsewhere: take it out of its own surface.
    const HBITMAP bitmap = static_cast<HBITMAP>(::GetCurrentObject(kept.Dc(), OBJ_BITMAP));
    const platform::win::UniqueHBitmap spare(::CreateCompatibleBitmap(kept.Dc(), 1, 1));
    const HGDIOBJ previous = ::SelectObject(kept.Dc(), spare.get());
    {
        const RECT whole{0, 0, 8, 8};
        const CMemDC buffer(target.Dc(), &whole, bitmap);
        const RECT corner{0, 0, 4, 4};
        ::FillRect(buffer.get(), &corner, red.get());
        EXPECT_TRUE(ColourNear(target.At(1, 1), kBackground, 0));
    }
    EXPECT_TRUE(ColourNear(target.At(1, 1), {255, 0, 0, 255}, 0));
    EXPECT_TRUE(ColourNear(target.At(6, 6), {0, 255, 0, 255}, 0));
    ::SelectObject(kept.Dc(), previous);
    EXPECT_TRUE(ColourNear(kept.At(1, 1), {255, 0, 0, 255}, 0));
    EXPECT_TRUE(ColourNear(kept.At(6, 6), {0, 255, 0, 255}, 0));
}

TEST_F(SkinImageTest, ImageSizesAsDecoded)
{
    SkinImageSizes sizes;
    const std::wstring path = Png(L"panel.png", 7, 3, std::vector<TestPixel>(21), true);
    EXPECT_EQ(sizes.SizeOf(platform::win::Narrow(path)), (ui::Size{7, 3}));
    EXPECT_FALSE(sizes.SizeOf(platform::win::Narrow(m_folder.File(L"missing.png"))));
}

}  // namespace
}  // namespace zalvane::ui::win
