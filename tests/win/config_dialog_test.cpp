// The profile list dialog on a real window: where it opens and what it shows, in the UI
// language; a missing background that shows its box and loses no list; the six-name
// warning; renaming by a second click, with a taken name refused; keys that end nothing;
// and texts drawn once, so that repaints never change a pixel.

#include "dialogs/win/config_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/profile_transfer.h"
#include "platform/win/private_profile_store.h"
#include "platform/win/wide_text.h"
#include "ui/win/lb_editor_wnd.h"
#include "ui/win/private_messages.h"
#include "win/dialog_host.h"

namespace zalvane::dialogs::win {
namespace {

using wintest::PostedMessage;
using wintest::TestPixel;

constexpr TestPixel kBackground{20, 30, 120, 255};

class ConfigDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_skin.Image("/Config/Config.png", 263, 598, kBackground);
        m_skin.Image("/button-close-normal.png", 15, 15, {200, 0, 0, 255});
        m_skin.Image("/Config/New-Config.png", 12, 12, {0, 200, 0, 255});
        m_state.files.modulePath = platform::win::Narrow(m_skin.Folder().File(L"Zalvane.exe"));
        m_state.files.paths = settings::PathsFromModulePath(m_state.files.modulePath);
    }

    void WriteList(const std::vector<std::string>& names, const std::string& current)
    {
        const std::string& list = *m_state.files.paths.listFile;
        ASSERT_TRUE(m_ini.WriteString(list, "Profile", "ItemCount", std::to_string(names.size())));
        for (std::size_t i = 0; i < names.size(); ++i) {
            ASSERT_TRUE(m_ini.WriteString(list, "Profile", "Item" + std::to_string(i), names[i]));
        }
        ASSERT_TRUE(m_ini.WriteString(list, "Profile", "CurProfileName", current));
        m_state.files.profileIndex =
            static_cast<std::uint8_t>(std::find(names.begin(), names.end(), current) - names.begin());
    }

    std::string ListFileBytes() const
    {
        std::ifstream file(std::filesystem::path(platform::win::Widen(*m_state.files.paths.listFile)),
                           std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    static std::vector<std::wstring> Lines(HWND list)
    {
        std::vector<std::wstring> lines;
        const auto count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t text[256] = {};
            ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            lines.emplace_back(text);
        }
        return lines;
    }

    wintest::SkinFolder m_skin;
    app::AppState m_state;
    platform::win::PrivateProfileStore m_ini;
    wintest::MainHost m_main;
};

TEST_F(ConfigDialogTest, OpensAtTheMainWindowsOriginWithItsListAndTitleInTheLanguage)
{
    WriteList({"PROFILE_0", "PROFILE_1", "PROFILE_2"}, "PROFILE_1");
    const struct {
        language::Language language;
        const wchar_t* title;
    } cases[] = {{language::Language::kEnglish, L"Configuration"}, {language::Language::kTraditionalChinese, L"配置"}};
    for (const auto& c : cases) {
        m_state.language = c.language;
        CConfigDialog dialog(m_state, m_ini, m_skin.Skin());
        ASSERT_TRUE(dialog.Open(m_main.Hwnd()));
        EXPECT_EQ(::FindWindowExW(m_main.Hwnd(), nullptr, nullptr, c.title), dialog.Hwnd());
        const RECT place = wintest::RectInParent(dialog.Hwnd());
        EXPECT_EQ((std::vector<LONG>{place.left, place.top, place.right, place.bottom}),
                  (std::vector<LONG>{0, 0, 263, 598}));
        const HWND list = ::GetDlgItem(dialog.Hwnd(), static_cast<int>(kProfileListId));
        ASSERT_TRUE(list);
        const RECT listPlace = wintest::RectInParent(list);
        EXPECT_EQ((std::vector<LONG>{listPlace.left, listPlace.top, listPlace.right, listPlace.bottom}),
                  (std::vector<LONG>{0, 31, 263, 575}));
        EXPECT_EQ(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), kProfileItemHeight);
        EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"PROFILE_0", L"PROFILE_1", L"PROFILE_2"}));
        EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), 1);

        // Enter, Escape and the OK and Cancel commands end nothing; the close button does.
        for (const WPARAM command : {IDOK, IDCANCEL}) {
            ::SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        }
        ASSERT_TRUE(::IsWindow(dialog.Hwnd()));
        wintest::Click(dialog.Hwnd(), 245, 12);
        EXPECT_FALSE(dialog.Hwnd());
        wintest::Pump();
        EXPECT_EQ(m_main.posted.back(), (PostedMessage{ui::win::kConfigDialogMessage, 2, 0}));
    }
}

TEST_F(ConfigDialogTest, AMissingBackgroundShowsItsBoxAndLosesNoList)
{
    WriteList({"Game", "Work"}, "Work");
    const std::string before = ListFileBytes();
    std::filesystem::remove(std::filesystem::path(platform::win::Widen(m_skin.Skin().ImagePath("/Config/Config.png"))));
    CConfigDialog dialog(m_state, m_ini, m_skin.Skin());
    {
        const wintest::MessageBoxWatcher boxes;
        ASSERT_TRUE(dialog.Open(m_main.Hwnd()));
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].caption, L"Config Dialog Load background image failed!!!");
        EXPECT_EQ(boxes.Boxes()[0].texts.back(), L"error");
    }
    const RECT place = wintest::RectInParent(dialog.Hwnd());
    EXPECT_EQ((std::vector<LONG>{place.left, place.top, place.right, place.bottom}),
              (std::vector<LONG>{0, 0, 263, 598}));
    EXPECT_FALSE(::GetDlgItem(dialog.Hwnd(), static_cast<int>(kProfileListId)));
    wintest::Click(dialog.Hwnd(), 30, 585);  // New: no list to add to
    wintest::Click(dialog.Hwnd(), 245, 12);
    wintest::Pump();
    EXPECT_EQ(m_main.posted, (std::vector<PostedMessage>{{ui::win::kConfigDialogMessage, 2, 0}}));
    EXPECT_EQ(ListFileBytes(), before);
}

TEST_F(ConfigDialogTest, TheSeventhNameIsRefusedWithTheWarningInTheLanguage)
{
    m_state.language = language::Language::kTraditionalChinese;
    WriteList({"PROFILE_0", "PROFILE_1", "PROFILE_2", "PROFILE_3", "PROFILE_4"}, "PROFILE_0");
    CConfigDialog dialog(m_state, m_ini, m_skin.Skin());
    ASSERT_TRUE(dialog.Open(m_main.Hwnd()));
    const HWND list = ::GetDlgItem(dialog.Hwnd(), static_cast<int>(kProfileListId));
    const wintest::MessageBoxWatcher boxes;
    wintest::Click(dialog.Hwnd(), 30, 585);
    EXPECT_EQ(Lines(list).back(), L"PROFILE_5");
    EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), 5);
    EXPECT_TRUE(boxes.Boxes().empty());
    wintest::Click(dialog.Hwnd(), 30, 585);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, L"警告");
    EXPECT_EQ(boxes.Boxes()[0].texts.back(), L"最多可以存儲6個配置。");
    EXPECT_EQ(Lines(list).size(), 6u);
}

TEST_F(ConfigDialogTest, ASecondClickOnTheSelectedNameRenamesItUnlessTheNameIsTaken)
{
    WriteList({"PROFILE_0", "PROFILE_1"}, "PROFILE_0");
    CConfigDialog dialog(m_state, m_ini, m_skin.Skin());
    ASSERT_TRUE(dialog.Open(m_main.Hwnd()));
    const HWND list = ::GetDlgItem(dialog.Hwnd(), static_cast<int>(kProfileListId));
    const int secondLine = kProfileItemHeight + kProfileItemHeight / 2;
    const auto renameSecond = [&](const wchar_t* typed, bool firstClickPicks) {
        if (firstClickPicks) {
            wintest::Click(list, 40, secondLine);
            ASSERT_EQ(ui::win::CLBEditorWnd::Active(), nullptr);
        }
        wintest::Click(list, 40, secondLine);
        ui::win::CLBEditorWnd* editor = ui::win::CLBEditorWnd::Active();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->Item(), 1);
        ::SetWindowTextW(editor->Hwnd(), typed);
        ::PostMessageW(editor->Hwnd(), WM_KEYDOWN, VK_RETURN, 1);
        wintest::Pump();
        EXPECT_EQ(ui::win::CLBEditorWnd::Active(), nullptr);
    };
    renameSecond(L"PROFILE_0", true);
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"PROFILE_0", L"PROFILE_1"}));
    // The refused name left the line picked: one click tries again.
    renameSecond(L"Game", false);
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"PROFILE_0", L"Game"}));
    EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
    // A renamed line is forgotten: it takes two clicks again.
    renameSecond(L"Work", true);
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"PROFILE_0", L"Work"}));
}

TEST_F(ConfigDialogTest, RepaintsShowTheSamePixelsWithTheTextsDrawnOnce)
{
    WriteList({"PROFILE_0"}, "PROFILE_0");
    CConfigDialog dialog(m_state, m_ini, m_skin.Skin());
    ASSERT_TRUE(dialog.Open(m_main.Hwnd()));
    wintest::PixelSurface first(263, 598, {0, 0, 0, 255});
    wintest::PixelSurface later(263, 598, {0, 0, 0, 255});
    ::SendMessageW(dialog.Hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(first.Dc()), 0);
    for (int i = 0; i < 5; ++i) {
        ::SendMessageW(dialog.Hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(later.Dc()), 0);
    }
    int textPixels = 0;
    for (int y = 0; y < 598; ++y) {
        for (int x = 0; x < 263; ++x) {
            const ui::Rgba a = first.At(x, y);
            const ui::Rgba b = later.At(x, y);
            ASSERT_TRUE(a.red == b.red && a.green == b.green && a.blue == b.blue) << x << "," << y;
            if (y < 31 && x < 230 && !wintest::ColourNear(a, {20, 30, 120, 255}, 0)) {
                ++textPixels;
            }
        }
    }
    EXPECT_GT(textPixels, 20);                                                    // the title is there
    EXPECT_TRUE(wintest::ColourNear(first.At(247, 15), {200, 0, 0, 255}, 0));     // the close image
    EXPECT_TRUE(wintest::ColourNear(first.At(20, 588), {0, 200, 0, 255}, 0));     // the New image
    EXPECT_TRUE(wintest::ColourNear(first.At(200, 300), {20, 30, 120, 255}, 0));  // the background
}

}  // namespace
}  // namespace zalvane::dialogs::win
