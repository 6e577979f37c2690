// The image button: pictures prepared over the parent's pixels, painting, the handles it
// owns, and the scroll thumb's dragging.

#include "ui/win/gdip_button.h"

#include <gtest/gtest.h>

#include "resource_ids.h"
#include "ui/win/private_messages.h"
#include "win/test_dialog_ids.h"
#include "win/win_test_support.h"

namespace zalvane::ui::win {
namespace {

using platform::win::UniqueHBitmap;
using platform::win::UniqueHdc;
using wintest::ColourNear;

constexpr Rgba kParentColour{30, 60, 90, 255};
constexpr Rgba kImageColour{100, 150, 200, 255};  // rows 0-9 of the test image; rows 10-19 are clear

// A top-level window of ours painted in one colour, as the main window would be.
class PaintedParent : public CWindow {
public:
    PaintedParent()
    {
        WNDCLASSEXW windowClass{};
        windowClass.lpszClassName = L"Zalvane.TestParent";
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        RegisterWindowClass(windowClass);
        CreateEx(L"Zalvane.TestParent", {.rect = {0, 0, 1000, 700}, .style = WS_POPUP | WS_VISIBLE});
        ::UpdateWindow(Hwnd());
    }

protected:
    std::span<const MessageEntry> Messages() const override
    {
        static constexpr MessageEntry kTable[] = {OnMessage<WM_ERASEBKGND, &PaintedParent::OnErase>()};
        return kTable;
    }

private:
    bool OnErase(HDC dc)
    {
        const platform::win::UniqueHBrush brush(
            ::CreateSolidBrush(RGB(kParentColour.red, kParentColour.green, kParentColour.blue)));
        RECT client{};
        ::GetClientRect(Hwnd(), &client);
        ::FillRect(dc, &client, brush.get());
        return true;
    }
};

Rgba PixelOf(const MemorySurface& surface, int x, int y)
{
    const COLORREF colour = ::GetPixel(surface.Dc(), x, y);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour), 255};
}

constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_LEFTTEXT;

LRESULT DrawThrough(HWND parent, HWND button, HDC dc, bool pressed)
{
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(::GetDlgCtrlID(button));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = pressed ? ODS_SELECTED : 0;
    item.hwndItem = button;
    item.hDC = dc;
    ::GetClientRect(button, &item.rcItem);
    return ::SendMessageW(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

TEST(GdipButtonTest, PreparesEveryPictureOverTheParentsPixels)
{
    const PaintedParent parent;
    ASSERT_TRUE(parent.Hwnd());
    const long dcsBefore = UniqueHdc::LiveCount();
    const long bitmapsBefore = UniqueHBitmap::LiveCount();
    {
        CGdipButton button;
        ASSERT_TRUE(button.LoadStdImage(IDR_TEST_BUTTON_PNG, L"PNG"));
        ASSERT_TRUE(button.LoadAltImage(IDR_TEST_BUTTON_PNG, L"PNG"));
        ASSERT_TRUE(button.Create({.parent = parent.Hwnd(), .id = 161, .rect = {100, 50, 107, 70}, .style = kStyle}));
        EXPECT_NE(::GetWindowLongPtrW(button.Hwnd(), GWL_STYLE) & BS_OWNERDRAW, 0);
        ::UpdateWindow(button.Hwnd());  // its first paint asks the parent for colours
        ASSERT_TRUE(button.Prepared());
        // The background copy and seven pictures, each a surface with a bitmap.
        EXPECT_EQ(UniqueHdc::LiveCount(), dcsBefore + 8);
        EXPECT_EQ(UniqueHBitmap::LiveCount(), bitmapsBefore + 8);

        struct Case {
            ButtonPicture picture;
            int x, y;
            Rgba expected;
        };
        const Case cases[] = {
            {ButtonPicture::kStandard, 0, 0, kImageColour},
            {ButtonPicture::kStandard, 0, 15, kParentColour},  // clear pixels show the copy
            {ButtonPicture::kStandardPressed, 0, 0, kImageColour},
            {ButtonPicture::kStandardHot, 0, 0, ApplyColourMatrix(kHotMatrix, kImageColour)},
            {ButtonPicture::kStandardHot, 6, 19, kParentColour},
            {ButtonPicture::kDisabled, 0, 0, ApplyColourMatrix(kGreyscaleMatrix, kImageColour)},
            {ButtonPicture::kAlternate, 0, 0, kImageColour},
            {ButtonPicture::kAlternatePressed, 0, 0, kParentColour},  // one pixel down and right
            {ButtonPicture::kAlternatePressed, 1, 1, kImageColour},
            {ButtonPicture::kAlternatePressed, 1, 10, kImageColour},
            {ButtonPicture::kAlternateHot, 0, 0, ApplyColourMatrix(kHotMatrix, kImageColour)},
        };
        for (const Case& c : cases) {
            EXPECT_TRUE(ColourNear(PixelOf(button.Picture(c.picture), c.x, c.y), c.expected, 1))
                << "picture " << static_cast<int>(c.picture) << " at " << c.x << "," << c.y;
        }

        // A press paints the pressed picture, any other paint the hot one.
        wintest::PixelSurface item(7, 20, {0, 0, 0, 255});
        EXPECT_EQ(DrawThrough(parent.Hwnd(), button.Hwnd(), item.Dc(), true), TRUE);
        EXPECT_EQ(button.CurrentPicture(), ButtonPicture::kStandardPressed);
        EXPECT_TRUE(ColourNear(item.At(0, 0), kImageColour, 0));
        DrawThrough(parent.Hwnd(), button.Hwnd(), item.Dc(), false);
        EXPECT_EQ(button.CurrentPicture(), ButtonPicture::kStandardHot);
        EXPECT_TRUE(ColourNear(item.At(0, 0), ApplyColourMatrix(kHotMatrix, kImageColour), 1));
        EXPECT_TRUE(ColourNear(item.At(0, 15), kParentColour, 0));
    }
    EXPECT_EQ(UniqueHdc::LiveCount(), dcsBefore);
    EXPECT_EQ(UniqueHBitmap::LiveCount(), bitmapsBefore);
}

TEST(GdipButtonTest, WithoutAStandardImageNothingIsPreparedOrPainted)
{
    const PaintedParent parent;
    const long dcsBefore = UniqueHdc::LiveCount();
    {
        CGdipButton button;
        ASSERT_TRUE(button.Create({.parent = parent.Hwnd(), .id = 1, .rect = {10, 10, 17, 30}, .style = kStyle}));
        ::UpdateWindow(button.Hwnd());
        EXPECT_FALSE(button.Prepared());
        EXPECT_EQ(UniqueHdc::LiveCount(), dcsBefore);
        wintest::PixelSurface item(7, 20, {1, 2, 3, 255});
        DrawThrough(parent.Hwnd(), button.Hwnd(), item.Dc(), false);
        EXPECT_TRUE(ColourNear(item.At(3, 3), {1, 2, 3, 255}, 0));
    }
    {
        // An image that will not load still gives pictures: the background copy alone.
        CGdipButton button;
        EXPECT_FALSE(button.LoadStdImage(9999, L"PNG"));
        ASSERT_TRUE(button.Create({.parent = parent.Hwnd(), .id = 1, .rect = {10, 10, 17, 30}, .style = kStyle}));
        ::UpdateWindow(button.Hwnd());
        ASSERT_TRUE(button.Prepared());
        EXPECT_TRUE(ColourNear(PixelOf(button.Picture(ButtonPicture::kStandard), 0, 0), kParentColour, 0));
    }
    EXPECT_EQ(UniqueHdc::LiveCount(), dcsBefore);
}

TEST(GdipButtonTest, ThumbDragsAlongItsTrackAndReportsEachStep)
{
    const PaintedParent parent;
    CGdipButton thumb;
    ASSERT_TRUE(thumb.LoadStdImage(IDR_THUMB_PNG, L"PNG"));
    ASSERT_TRUE(thumb.Create({.parent = parent.Hwnd(), .id = 161, .rect = {984, 35, 991, 149}, .style = kStyle}));
    // The owner keeps the top and has the main window's thumb message posted.
    int thumbPosition = 35;
    const ThumbMoved post = PostThumbMoved(parent.Hwnd());
    thumb.OnThumbMoved([&](int top) {
        thumbPosition = top;
        post(top);
    });

    const auto top = [&] {
        RECT rect{};
        ::GetWindowRect(thumb.Hwnd(), &rect);
        ::MapWindowPoints(nullptr, parent.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.bottom - rect.top, 114);
        return rect.top;
    };
    const auto posted = [&]() -> std::optional<WPARAM> {
        MSG message{};
        if (!::PeekMessageW(&message, parent.Hwnd(), kThumbMovedMessage, kThumbMovedMessage, PM_REMOVE)) {
            return std::nullopt;
        }
        EXPECT_EQ(message.lParam, 0);
        return message.wParam;
    };

    struct Step {
        UINT message;
        int screenY;
        bool toParent;  // addressed to the parent, not the thumb
        int top;
        std::optional<WPARAM> posted;
    };
    const Step steps[] = {
        {WM_LBUTTONDOWN, 300, false, 35, std::nullopt},
        {WM_MOUSEMOVE, 290, false, 35, std::nullopt},  // top 25 is refused, the anchor moves
        {WM_MOUSEMOVE, 295, false, 40, 40},            // 5 down from 290
        {WM_MOUSEMOVE, 320, true, 40, std::nullopt},   // not the thumb's message
        {WM_LBUTTONUP, 295, false, 40, std::nullopt},
        {WM_MOUSEMOVE, 400, false, 40, std::nullopt},      // no longer dragging
        {WM_LBUTTONDBLCLK, 400, false, 40, std::nullopt},  // a double-click presses too
        {WM_MOUSEMOVE, 841, false, 481, 481},              // bottom 595: the last place
        {WM_MOUSEMOVE, 842, false, 481, std::nullopt},     // bottom 596 is refused
        {WM_MOUSEMOVE, 541, false, 180, 180},              // from the refused 842: 301 up
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message()
                     << "message 0x" << std::hex << step.message << std::dec << " at y " << step.screenY);
        MSG message{};
        message.hwnd = step.toParent ? parent.Hwnd() : thumb.Hwnd();
        message.message = step.message;
        message.pt = {988, step.screenY};
        EXPECT_FALSE(PreTranslateChain(message));  // dragging never swallows a message
        EXPECT_EQ(top(), step.top);
        EXPECT_EQ(thumbPosition, step.top);
        EXPECT_EQ(posted(), step.posted);
    }

    // Moved off its column by its owner, the thumb no longer drags.
    ::SetWindowPos(thumb.Hwnd(), nullptr, 985, 180, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    MSG move{thumb.Hwnd(), WM_MOUSEMOVE, 0, 0, 0, {988, 600}};
    PreTranslateChain(move);
    EXPECT_EQ(top(), 180);
    EXPECT_EQ(posted(), std::nullopt);
}

}  // namespace
}  // namespace zalvane::ui::win
