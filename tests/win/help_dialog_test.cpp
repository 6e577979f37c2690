// The help panel on a real window: its place under the Help button with and without its
// background, the ways it ends (each clearing the main window's flag through its
// callback), and its close, OK and Cancel areas lighting up under the pointer.

#include "dialogs/win/help_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/win/wide_text.h"
#include "win/dialog_host.h"

namespace zalvane::dialogs::win {
namespace {

using wintest::TestPixel;

constexpr TestPixel kBackground{230, 230, 210, 255};
constexpr TestPixel kCloseOver{200, 0, 0, 255};
constexpr TestPixel kCloseNormal{0, 0, 200, 255};
constexpr TestPixel kButtonOver{0, 180, 0, 255};
constexpr TestPixel kButtonNormal{90, 90, 90, 255};

ui::Rgba Rgb(TestPixel pixel) { return {pixel.red, pixel.green, pixel.blue, 255}; }

class HelpDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_skin.Image("/Help/HelpWindow.png", 380, 290, kBackground);
        m_skin.Image("/button-close-over.png", 18, 18, kCloseOver);
        m_skin.Image("/button-close-normal.png", 18, 18, kCloseNormal);
        m_skin.Image("/MacroManagement/button-new-over.png", 58, 25, kButtonOver);
        m_skin.Image("/MacroManagement/button-new-normal.png", 58, 25, kButtonNormal);
    }

    bool Open(CHelpDialog& panel)
    {
        return panel.Open(m_main.Hwnd(), [this] { ++m_ended; });
    }

    // What the panel shows now, as its background erase draws it.
    ui::Rgba ShownAt(const CHelpDialog& panel, int x, int y)
    {
        wintest::PixelSurface surface(380, 290, {0, 0, 0, 255});
        ::SendMessageW(panel.Hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.Dc()), 0);
        return surface.At(x, y);
    }

    wintest::SkinFolder m_skin;
    app::AppState m_state;
    wintest::MainHost m_main;
    int m_ended = 0;
};

TEST_F(HelpDialogTest, SitsUnderTheHelpButtonWithOrWithoutItsBackground)
{
    CHelpDialog panel(m_state, m_skin.Skin());
    ASSERT_TRUE(Open(panel));
    EXPECT_EQ(::FindWindowExW(m_main.Hwnd(), nullptr, nullptr, L"Help"), panel.Hwnd());
    RECT place = wintest::RectInParent(panel.Hwnd());
    EXPECT_EQ((std::vector<LONG>{place.left, place.top, place.right, place.bottom}),
              (std::vector<LONG>{786, 25, 786 + 380, 25 + 290}));
    EXPECT_TRUE(wintest::ColourNear(ShownAt(panel, 300, 150), Rgb(kBackground), 0));
    // The address line is drawn in black on it.
    wintest::PixelSurface lines(380, 290, {0, 0, 0, 255});
    ::SendMessageW(panel.Hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(lines.Dc()), 0);
    int dark = 0;
    for (int x = 0; x < 166; ++x) {
        for (int y = 0; y < 25; ++y) {
            dark += lines.At(x, y).red < 100 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 20);

    std::filesystem::remove(
        std::filesystem::path(platform::win::Widen(m_skin.Skin().ImagePath("/Help/HelpWindow.png"))));
    CHelpDialog bare(m_state, m_skin.Skin());
    const wintest::MessageBoxWatcher boxes;
    ASSERT_TRUE(Open(bare));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, L"Help Dialog Load background image failed!!!");
    place = wintest::RectInParent(bare.Hwnd());
    EXPECT_EQ((std::vector<LONG>{place.left, place.top, place.right, place.bottom}),
              (std::vector<LONG>{786, 25, 786 + 166, 25 + 77}));
    // Still answering clicks; the update line does nothing.
    wintest::Click(bare.Hwnd(), 60, 35);
    EXPECT_TRUE(bare.Hwnd());
}

TEST_F(HelpDialogTest, OkCancelCloseAndTheCancelCommandEndThePanelAndClearTheFlag)
{
    enum class Way { kOk, kCancel, kClose, kCancelCommand };
    for (const Way way : {Way::kOk, Way::kCancel, Way::kClose, Way::kCancelCommand}) {
        SCOPED_TRACE(static_cast<int>(way));
        m_ended = 0;
        CHelpDialog panel(m_state, m_skin.Skin());
        ASSERT_TRUE(Open(panel));
        wintest::Click(panel.Hwnd(), 60, 35);  // the update line is text only
        ASSERT_TRUE(panel.Hwnd());
        switch (way) {
            case Way::kOk:
                wintest::Click(panel.Hwnd(), 260, 260);
                break;
            case Way::kCancel:
                wintest::Click(panel.Hwnd(), 320, 260);
                break;
            case Way::kClose:
                wintest::Click(panel.Hwnd(), 360, 10);
                break;
            case Way::kCancelCommand:
                ::SendMessageW(panel.Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                break;
        }
        EXPECT_FALSE(panel.Hwnd());
        EXPECT_EQ(m_ended, 1);
    }
}

TEST_F(HelpDialogTest, CloseOkAndCancelLightUpWhereThePointerRestsAndGoBackWhenItMoves)
{
    CHelpDialog panel(m_state, m_skin.Skin());
    ASSERT_TRUE(Open(panel));
    const auto hover = [&](UINT message, int x, int y) { ::SendMessageW(panel.Hwnd(), message, 0, MAKELPARAM(x, y)); };
    hover(WM_MOUSEMOVE, 260, 260);
    EXPECT_TRUE(wintest::ColourNear(ShownAt(panel, 252, 252), Rgb(kBackground), 0));  // not before the rest
    hover(WM_MOUSEHOVER, 260, 260);
    EXPECT_TRUE(wintest::ColourNear(ShownAt(panel, 252, 252), Rgb(kButtonOver), 0));
    hover(WM_MOUSEHOVER, 360, 10);
    hover(WM_MOUSEHOVER, 320, 260);  // Cancel takes OK's place
    EXPECT_TRUE(wintest::ColourNear(ShownAt(panel, 252, 252), Rgb(kButtonNormal), 0));
    EXPECT_TRUE(wintest::ColourNear(ShownAt(panel, 316, 252), Rgb(kButtonOver), 0));
    EXPECT_TRUE(wintest::ColourNear(ShownAt(panel, 353, 7), Rgb(kCloseOver), 0));
    hover(WM_MOUSEMOVE, 100, 200);
    EXPECT_TRUE(wintest::ColourNear(ShownAt(panel, 316, 252), Rgb(kButtonNormal), 0));
    EXPECT_TRUE(wintest::ColourNear(ShownAt(panel, 353, 7), Rgb(kCloseNormal), 0));
}

}  // namespace
}  // namespace zalvane::dialogs::win
