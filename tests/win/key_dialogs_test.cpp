// The single key, combo key and macro key dialogs run modally and driven from another
// thread as a person would: keys through the system's input queue, clicks at the
// dialogs' areas. What OK returns is what the button stores.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "assign/key_dialog_layout.h"
#include "assign/win/combo_dialog.h"
#include "assign/win/macro_dialog.h"
#include "assign/win/single_dialog.h"
#include "assign/win/system_key_names.h"
#include "pages/skin_catalogue.h"
#include "platform/win/wide_text.h"
#include "settings/profile_record.h"
#include "win/png_writer.h"
#include "win/win_test_support.h"

namespace zalvane::assign::win {
namespace {

using namespace std::chrono_literals;
using settings::ProfileRecord;

constexpr std::uint8_t kEnterScan = 0x1C;
constexpr std::uint8_t kTabScan = 0x0F;
constexpr std::uint8_t kAScan = 0x1E;
constexpr std::uint8_t kBScan = 0x30;
constexpr std::uint8_t kZScan = 0x2C;

// A skin folder with every image the key dialogs draw, in plain colours.
class KeyDialogSkin {
public:
    KeyDialogSkin()
    {
        m_skin.root = platform::win::Narrow(m_folder.Path());
        std::filesystem::create_directories(m_folder.Path() + L"/MacroManagement");
        Write(pages::kSingleKeyBackground, 392, 290);
        Write(pages::kComboKeyBackground, 392, 290);
        Write(pages::kMacroKeyBackground, 392, 290);
        for (std::string_view name : {pages::kDialogButtonNormalImage, pages::kDialogButtonOverImage}) {
            Write(name, 58, 25);
        }
        for (std::string_view name : {pages::kCloseNormalImage, pages::kCloseOverImage}) {
            Write(name, 18, 18);
        }
        for (std::string_view name : {pages::kTickOnImage, pages::kTickOffImage}) {
            Write(name, 16, 16);
        }
    }

    const ui::SkinState& Skin() const { return m_skin; }

private:
    void Write(std::string_view name, int width, int height)
    {
        const std::vector<wintest::TestPixel> pixels(static_cast<std::size_t>(width * height), {40, 44, 52, 255});
        EXPECT_TRUE(wintest::WritePng(platform::win::Widen(m_skin.ImagePath(name)), width, height, pixels, false));
    }

    wintest::TempDir m_folder;
    ui::SkinState m_skin;
};

// Waits on its own thread for the dialog titled `title`, then runs the steps on it. The
// steps end with a click on OK or Cancel; if the dialog never shows, nothing is run.
class DialogDriver {
public:
    using Step = std::function<void(HWND dialog)>;

    DialogDriver(std::wstring title, std::vector<Step> steps)
        : m_thread([this, title = std::move(title), steps = std::move(steps)] { Run(title, steps); })
    {
    }
    ~DialogDriver() { m_thread.join(); }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    bool Found() const { return m_found; }

private:
    void Run(const std::wstring& title, const std::vector<Step>& steps)
    {
        HWND dialog = nullptr;
        for (int i = 0; i < 250 && !dialog; ++i) {
            dialog = ::FindWindowW(nullptr, title.c_str());
            if (!dialog || !::IsWindowVisible(dialog)) {
                dialog = nullptr;
                std::this_thread::sleep_for(20ms);
            }
        }
        if (!dialog) {
            return;
        }
        m_found = true;
        for (const Step& step : steps) {
            step(dialog);
            std::this_thread::sleep_for(60ms);
        }
    }

    std::atomic<bool> m_found{false};
    std::thread m_thread;
};

void Key(std::uint8_t scan, bool extended = false)
{
    INPUT input[2]{};
    for (INPUT& event : input) {
        event.type = INPUT_KEYBOARD;
        event.ki.wScan = scan;
        event.ki.dwFlags = KEYEVENTF_SCANCODE | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
}

DialogDriver::Step Press(std::uint8_t scan, bool extended = false)
{
    return [=](HWND dialog) {
        ::SetForegroundWindow(dialog);
        Key(scan, extended);
    };
}

// A click at a client point of a system control (list box, edit field), through the
// system's input: the control's own mouse handling runs as for a person.
void ClickAt(HWND window, int x, int y)
{
    POINT screen{x, y};
    ::ClientToScreen(window, &screen);
    ::SetCursorPos(screen.x, screen.y);
    std::this_thread::sleep_for(30ms);
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, input, sizeof(INPUT));
}

// A click in one of the dialog's own areas, which the dialog takes from its button-down
// message; posted, so that no message box that happens to stand there takes it instead.
DialogDriver::Step Click(const ui::Rect& area)
{
    return [=](HWND dialog) {
        const LPARAM at = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
        ::PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::PostMessageW(dialog, WM_LBUTTONUP, 0, at);
    };
}

DialogDriver::Step ClickItem(UINT listId, int item)
{
    return [=](HWND dialog) { ClickAt(::GetDlgItem(dialog, static_cast<int>(listId)), 10, item * 16 + 8); };
}

std::string NameOf(std::uint8_t scan, bool extended = false)
{
    return SystemKeyName(KeyFlagsFromScanCode({scan, extended}));
}

std::uint8_t Field(const Assignment& assignment, std::size_t field)
{
    const auto found = std::ranges::find(assignment.parameters, field, &ButtonField::field);
    return found == assignment.parameters.end() ? 0xEE : found->value;
}

class KeyDialogTest : public ::testing::Test {
protected:
    KeyDialogSkin m_skin;
    KeyNameMap m_names = BuildSystemKeyNameMap();
    KeyDialogContext m_context{m_skin.Skin(), language::Language::kEnglish, m_names};
};

TEST_F(KeyDialogTest, SingleKeyKeepsTheLastKeyPressedAndEnterDoesNotCloseIt)
{
    CSingleDialog dialog(m_context);
    std::wstring shown;
    INT_PTR result = 0;
    {
        const DialogDriver driver(L"Single Key", {Press(kAScan), Press(kBScan), Press(kTabScan), Press(kEnterScan),
                                                  [&](HWND window) {
                                                      wchar_t text[64] = {};
                                                      ::GetDlgItemTextW(window, kSingleKeyDisplayId, text, 64);
                                                      shown = text;
                                                  },
                                                  Click(kKeyDialogOk)});
        result = dialog.DoModal();
        ASSERT_TRUE(driver.Found());
    }
    EXPECT_EQ(result, IDOK);  // Enter was swallowed, not taken as OK
    const std::string enter = NameOf(kEnterScan);
    EXPECT_EQ(shown, platform::win::Widen(enter));
    const Assignment stored = dialog.Result();
    EXPECT_EQ(stored.type, ActionType::kSingleKey);
    EXPECT_EQ(Field(stored, ProfileRecord::kSingleKey), 0x28);
    EXPECT_EQ(stored.caption, "Single Key-" + enter);
}

TEST_F(KeyDialogTest, ComboKeyTakesTheModifierFromItsListAndEachKeyInTheFocusedField)
{
    CComboDialog dialog(m_context);
    bool fieldsDisabledWhileListOpen = false;
    int listItemHeight = 0;
    INT_PTR result = 0;
    {
        const DialogDriver driver(L"Combo Key",
                                  {Press(kAScan),              // key 1 has the focus first
                                   Click(kComboModifierArea),  // opens the list
                                   [&](HWND window) {
                                       const HWND list = ::GetDlgItem(window, kComboModifierListId);
                                       listItemHeight = static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
                                       fieldsDisabledWhileListOpen =
                                           !::IsWindowEnabled(::GetDlgItem(window, kComboKey1FieldId));
                                   },
                                   Press(kBScan),                       // no field can take it
                                   ClickItem(kComboModifierListId, 6),  // "Right Alt"
                                   Press(kZScan),                       // key 1 has the focus again: replaces "A"
                                   [](HWND window) { ClickAt(::GetDlgItem(window, kComboKey2FieldId), 5, 5); },
                                   Press(kTabScan),  // captured in key 2, the focus stays
                                   Press(kBScan), Click(kKeyDialogOk)});
        result = dialog.DoModal();
        ASSERT_TRUE(driver.Found());
    }
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(fieldsDisabledWhileListOpen);
    EXPECT_EQ(listItemHeight, 16);
    const Assignment stored = dialog.Result();
    EXPECT_EQ(Field(stored, ProfileRecord::kComboModifiers), 0x40);
    EXPECT_EQ(Field(stored, ProfileRecord::kComboKey1), 0x1D);
    EXPECT_EQ(Field(stored, ProfileRecord::kComboKey2), 0x05);
    EXPECT_EQ(stored.caption, "Combo Key-Right Alt+" + NameOf(kZScan) + "+" + NameOf(kBScan));
}

TEST_F(KeyDialogTest, CancelAndCloseStoreNothing)
{
    for (const ui::Rect& area : {kKeyDialogCancel, kKeyDialogClose}) {
        CSingleDialog dialog(m_context);
        const DialogDriver driver(L"Single Key", {Press(kAScan), Click(area)});
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }
}

TEST_F(KeyDialogTest, MacroKeyOffersTheFirstNineteenMacrosAndTakesTheModeTicked)
{
    std::vector<std::string> names;
    for (int i = 1; i <= 21; ++i) {
        names.push_back("macro " + std::to_string(i));
    }
    CMacroDialog dialog(m_context, names);
    int offered = 0;
    bool displayShownBeforeChoice = true;
    INT_PTR result = 0;
    {
        const DialogDriver driver(
            L"Macro Key",
            {[&](HWND window) { displayShownBeforeChoice = ::IsWindowVisible(::GetDlgItem(window, kMacroDisplayId)); },
             Click(kMacroKeyArea),
             [&](HWND window) {
                 offered = static_cast<int>(::SendDlgItemMessageW(window, kMacroListId, LB_GETCOUNT, 0, 0));
             },
             ClickItem(kMacroListId, 2), Click(MacroModeTick(1)), Click(kKeyDialogOk)});
        result = dialog.DoModal();
        ASSERT_TRUE(driver.Found());
    }
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(offered, 19);
    EXPECT_FALSE(displayShownBeforeChoice);  // the prompt shows until a macro is chosen
    const std::optional<Assignment> stored = dialog.Result();
    ASSERT_TRUE(stored);
    EXPECT_EQ(Field(*stored, ProfileRecord::kMacroNumber), 2);
    EXPECT_EQ(Field(*stored, ProfileRecord::kMacroRepeatMode), 1);
    EXPECT_EQ(stored->caption, "Macro Key-macro 3");
}

TEST_F(KeyDialogTest, MacroKeyWithoutAChoiceStoresNothing)
{
    CMacroDialog dialog(m_context, {});
    const DialogDriver driver(L"Macro Key", {Click(kMacroKeyArea), Click(kKeyDialogOk)});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(dialog.Result());
}

// Every missing image is told once, however often the dialog is drawn.
TEST(KeyDialogImagesTest, AMissingImageIsToldOncePerImage)
{
    wintest::TempDir empty;
    ui::SkinState skin;
    skin.root = platform::win::Narrow(empty.Path());
    const KeyNameMap names;
    CSingleDialog dialog({skin, language::Language::kSimplifiedChinese, names});
    std::vector<wintest::MessageBoxWatcher::Seen> boxes;
    wchar_t title[64] = {};
    {
        const wintest::MessageBoxWatcher watcher;
        // Each step draws the dialog again, the pointer resting on OK.
        const auto redraw = [](HWND window) {
            POINT ok{260, 260};
            ::ClientToScreen(window, &ok);
            ::SetCursorPos(ok.x, ok.y);
            ::InvalidateRect(window, nullptr, FALSE);
            ::PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(260, 260));
        };
        const auto boxesAnswered = [](HWND) { std::this_thread::sleep_for(400ms); };
        const DialogDriver driver(
            L"\u5355\u952e", {boxesAnswered, redraw, redraw, [&](HWND window) { ::GetWindowTextW(window, title, 64); },
                              redraw, Click(kKeyDialogCancel)});
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_TRUE(driver.Found());
        std::this_thread::sleep_for(100ms);
        boxes = watcher.Boxes();
    }
    EXPECT_STREQ(title, L"\u5355\u952e");  // "单键": the title in the UI language
    std::vector<std::wstring> seen;
    for (const auto& box : boxes) {
        if (box.caption == L"\u5355\u952e") {
            continue;  // the dialog itself
        }
        seen.push_back(box.caption + L": " + (box.texts.empty() ? L"" : box.texts.back()));
    }
    const auto count = [&](const std::wstring& line) { return std::ranges::count(seen, line); };
    EXPECT_EQ(count(L"Single Key Dialog Load background image failed!!!: error"), 1);
    // The close button, the one image behind OK and Cancel, and its over look (the pointer
    // rested on OK).
    EXPECT_EQ(count(L"Zalvane: LoadPng---Load image failed."), 3);
}

}  // namespace
}  // namespace zalvane::assign::win
