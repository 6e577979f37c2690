// The macro manager's window: its lists and field where the layout puts them, clicks and
// notices reaching the manager, the keys it keeps from the dialog, recording through the
// thread's keyboard hook, and what OK and Cancel hand back and tell.

#include "assign/win/macro_program_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assign/macro_file.h"
#include "platform/win/private_profile_store.h"
#include "platform/win/wide_text.h"
#include "unit/platform/ini_test_files.h"
#include "win/png_writer.h"
#include "win/win_test_support.h"

namespace zalvane::assign::win {
namespace {

using Lines = std::vector<std::string>;
using platform::win::Narrow;

constexpr int kWidth = 490;
constexpr int kHeight = 440;

std::string Section(std::string_view name, std::string_view options, const Lines& lines)
{
    // Appended piece by piece: g++ 12 sees overlapping copies in chains of + at -O3.
    std::string text = "[";
    text.append(name).append("]\r\n").append(options);
    text.append("ItemCount=").append(std::to_string(lines.size())).append("\r\n");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text.append("Item").append(std::to_string(i)).append("=").append(lines[i]).append("\r\n");
    }
    return text;
}

// A macro too long for its block: 40 presses and releases with delays of 2 s, three steps
// each.
Lines LongMacro()
{
    Lines lines;
    for (int i = 0; i < 40; ++i) {
        lines.insert(lines.end(), {"A   Dn", "2000 ms", "A   Up", "2000 ms"});
    }
    lines.pop_back();
    return lines;
}

std::wstring ListLine(HWND list, int line)
{
    const LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(line), 0);
    if (length == LB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

Lines ListLines(HWND list)
{
    Lines lines;
    const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        lines.push_back(Narrow(ListLine(list, i)));
    }
    return lines;
}

std::wstring WindowText(HWND window)
{
    std::wstring text(256, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Click(HWND window, const Rect& rect)
{
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(window, WM_LBUTTONUP, 0, at);
    // The click also starts a drag from a free spot: let it pass.
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_NCLBUTTONDOWN) {
            ::DispatchMessageW(&message);
        }
    }
}

// Hands one key event to the thread's input queue, as a keyboard would, and lets the
// dialog's loop take it (the hook sees it there).
void Key(BYTE virtualKey, bool release)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof input);
    const DWORD until = ::GetTickCount() + 200;
    MSG message;
    while (::GetTickCount() < until) {
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ui::win::PumpMessage(message);
        }
        ::Sleep(5);
    }
}

// A left click at a client point of `window` as a mouse would make it.
void MouseClick(HWND window, POINT point)
{
    ::ClientToScreen(window, &point);
    ::SetCursorPos(point.x, point.y);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, inputs, sizeof inputs[0]);
    const DWORD until = ::GetTickCount() + 300;
    MSG message;
    while (::GetTickCount() < until) {
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ui::win::PumpMessage(message);
        }
        ::Sleep(5);
    }
}

// The list's notice `code` about its line `line`, as a click would send it.
void Notice(HWND dialog, HWND list, int line, WORD code)
{
    ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list), code), reinterpret_cast<LPARAM>(list));
}

// Types `text` over the open editor of `list` and ends the edit with `key`.
void EditAndPress(HWND list, const wchar_t* text, WPARAM key)
{
    const HWND editor = ::GetDlgItem(list, static_cast<int>(ui::win::CLBEditorWnd::kEditorId));
    ASSERT_NE(editor, nullptr);
    ::SetWindowTextW(editor, text);
    MSG down{editor, WM_KEYDOWN, key, 0, 0, {}};
    ui::win::PumpMessage(down);
}

class MacroProgramDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<wintest::TestPixel> pixels(static_cast<std::size_t>(kWidth * kHeight), {40, 44, 52, 255});
        const std::filesystem::path images = m_folder.Path() + L"/skin/MacroManagement";
        std::filesystem::create_directories(images);
        ASSERT_TRUE(wintest::WritePng((images / L"MacroManagement.png").wstring(), kWidth, kHeight, pixels, false));
        m_skin.root = Narrow(m_folder.Path() + L"/skin");
        m_path = Narrow(m_folder.File(L"record.ini"));
    }

    void WriteMacros(std::string_view sections) { test::WriteRawFile(m_path, test::Utf16LeFile(sections)); }

    MacroManagerContext Context() { return {m_store, m_path, language::Language::kEnglish, m_skin, m_names}; }

    HWND Item(const CMacroProgramDialog& dialog, int id) { return ::GetDlgItem(dialog.Hwnd(), id); }

    wintest::TempDir m_folder;
    ui::SkinState m_skin;
    std::string m_path;
    platform::win::PrivateProfileStore m_store;
    KeyNameMap m_names;
};

TEST_F(MacroProgramDialogTest, OpensSkinnedWithItsListsWhereTheLayoutPutsThem)
{
    WriteMacros(Section("Jump", "DelayTimeSelStatus=0\r\nLoopTimeSelStatus=1\r\nMacroLoopTimes=7\r\n",
                        {"Space   Dn", "Space   Up"}) +
                Section("Macro_1", "", {"A   Dn"}));
    CMacroProgramDialog dialog(Context());
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(WindowText(dialog.Hwnd()), L"Macro Manager");
    RECT client{};
    ::GetClientRect(dialog.Hwnd(), &client);
    EXPECT_EQ(client.right, kWidth);
    EXPECT_EQ(client.bottom, kHeight);

    const struct {
        int id;
        Rect rect;
    } controls[] = {{kMacroListId, kMacroList}, {kEventListId, kEventList}, {kLoopTimesFieldId, kLoopTimesField}};
    for (const auto& control : controls) {
        const HWND child = Item(dialog, control.id);
        ASSERT_NE(child, nullptr) << control.id;
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, dialog.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ((Rect{rect.left, rect.top, rect.right, rect.bottom}), control.rect) << control.id;
    }
    const HWND macros = Item(dialog, kMacroListId);
    const HWND events = Item(dialog, kEventListId);
    for (const HWND list : {macros, events}) {
        EXPECT_EQ(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), kManagerListItemHeight);
    }
    EXPECT_EQ(ListLines(macros), (Lines{"Jump", "Macro_1"}));
    EXPECT_EQ(::SendMessageW(macros, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(ListLines(events), (Lines{"Space   Dn", "Space   Up"}));
    const HWND field = Item(dialog, kLoopTimesFieldId);
    EXPECT_EQ(WindowText(field), L"7");
    EXPECT_TRUE(::IsWindowEnabled(field));

    // The second macro: its lines, the loop field off with it.
    ::SendMessageW(macros, LB_SETCURSEL, 1, 0);
    ::SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(kMacroListId, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(macros));
    EXPECT_EQ(ListLines(events), (Lines{"A   Dn"}));
    EXPECT_FALSE(::IsWindowEnabled(field));
}

TEST_F(MacroProgramDialogTest, TheWheelAnywhereScrollsTheEventListThreeLinesANotch)
{
    Lines lines;
    for (int i = 0; i < 30; ++i) {
        lines.insert(lines.end(), {"A   Dn", "A   Up"});
    }
    WriteMacros(Section("Macro_0", "", lines));
    CMacroProgramDialog dialog(Context());
    ASSERT_TRUE(dialog.Create());
    const HWND events = Item(dialog, kEventListId);
    const auto wheel = [&](HWND target, int delta) {
        MSG message{target, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))), 0, 0, {}};
        EXPECT_TRUE(dialog.PreTranslateMessage(message));
        return ::SendMessageW(events, LB_GETTOPINDEX, 0, 0);
    };
    EXPECT_EQ(wheel(Item(dialog, kMacroListId), -WHEEL_DELTA), 3);
    EXPECT_EQ(wheel(dialog.Hwnd(), -2 * WHEEL_DELTA), 9);
    EXPECT_EQ(wheel(events, WHEEL_DELTA), 6);
    EXPECT_EQ(wheel(events, 4 * WHEEL_DELTA), 0);
}

TEST_F(MacroProgramDialogTest, ClicksAndTheLoopFieldChangeTheFileAtOnce)
{
    WriteMacros(Section("Macro_0", "DelayTimeSelStatus=0\r\nLoopTimeSelStatus=0\r\nMacroLoopTimes=1\r\n", {"A   Dn"}));
    CMacroProgramDialog dialog(Context());
    ASSERT_TRUE(dialog.Create());
    Click(dialog.Hwnd(), kLoopTick);
    Click(dialog.Hwnd(), kDelayTick);
    MacroRecord stored = ReadMacro(m_store, m_path, "Macro_0");
    EXPECT_EQ(stored.loopTimeSelStatus, 1);
    EXPECT_EQ(stored.delayTimeSelStatus, 1);

    const HWND field = Item(dialog, kLoopTimesFieldId);
    ::SetWindowTextW(field, L"15");
    EXPECT_EQ(ReadMacro(m_store, m_path, "Macro_0").macroLoopTimes, 15);
    ::SetWindowTextW(field, L"0");
    EXPECT_EQ(WindowText(field), L"1");
    EXPECT_EQ(ReadMacro(m_store, m_path, "Macro_0").macroLoopTimes, 1);

    Click(dialog.Hwnd(), kMacroNew);
    EXPECT_EQ(ListLines(Item(dialog, kMacroListId)), (Lines{"Macro_0", "Macro_1"}));
    EXPECT_EQ(::SendMessageW(Item(dialog, kMacroListId), LB_GETCURSEL, 0, 0), 1);
    Click(dialog.Hwnd(), kMacroDelete);
    EXPECT_EQ(ReadMacroNames(m_store, m_path), (Lines{"Macro_0"}));
    EXPECT_EQ(ListLines(Item(dialog, kMacroListId)), (Lines{"Macro_0"}));
}

TEST_F(MacroProgramDialogTest, DelaysAndNamesAreEditedInPlace)
{
    WriteMacros(Section("Macro_0", "DelayTimeSelStatus=1\r\n", {"A   Dn", "120 ms", "A   Up"}) +
                Section("Macro_1", "", {"B   Dn"}));
    CMacroProgramDialog dialog(Context());
    ASSERT_TRUE(dialog.Create());
    ::ShowWindow(dialog.Hwnd(), SW_SHOW);
    const HWND macros = Item(dialog, kMacroListId);
    const HWND events = Item(dialog, kEventListId);

    Notice(dialog.Hwnd(), events, 1, LBN_SELCHANGE);
    Notice(dialog.Hwnd(), events, 1, LBN_DBLCLK);
    EditAndPress(events, L"2500 ms", VK_RETURN);
    EXPECT_EQ(ListLines(events), (Lines{"A   Dn", "2500 ms", "A   Up"}));
    EXPECT_EQ(ReadMacro(m_store, m_path, "Macro_0").items, (Lines{"A   Dn", "2500 ms", "A   Up"}));
    Notice(dialog.Hwnd(), events, 1, LBN_DBLCLK);
    Notice(dialog.Hwnd(), events, 1, LBN_DBLCLK);
    EditAndPress(events, L"25x0 ms", VK_TAB);  // not a number: the line stays
    EXPECT_EQ(ListLine(events, 1), L"2500 ms");

    Notice(dialog.Hwnd(), macros, 0, LBN_DBLCLK);
    Notice(dialog.Hwnd(), macros, 0, LBN_DBLCLK);  // the second double click edits
    EditAndPress(macros, L"  Jump ", VK_RETURN);
    EXPECT_EQ(ReadMacroNames(m_store, m_path), (Lines{"Jump", "Macro_1"}));
    EXPECT_EQ(ListLines(macros), (Lines{"Jump", "Macro_1"}));

    // Escape, and a click on another macro, keep the name.
    Notice(dialog.Hwnd(), macros, 0, LBN_DBLCLK);
    Notice(dialog.Hwnd(), macros, 0, LBN_DBLCLK);
    EditAndPress(macros, L"Hop", VK_ESCAPE);
    EXPECT_TRUE(::IsWindow(dialog.Hwnd()));
    Notice(dialog.Hwnd(), macros, 0, LBN_DBLCLK);
    Notice(dialog.Hwnd(), macros, 0, LBN_DBLCLK);
    ::SetWindowTextW(::GetDlgItem(macros, static_cast<int>(ui::win::CLBEditorWnd::kEditorId)), L"Hop");
    MouseClick(dialog.Hwnd(), {kMacroList.left + 20, kMacroList.top + kManagerListItemHeight + 8});
    EXPECT_EQ(ReadMacroNames(m_store, m_path), (Lines{"Jump", "Macro_1"}));
    EXPECT_EQ(::SendMessageW(macros, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(ListLines(events), (Lines{"B   Dn"}));
    EXPECT_EQ(::GetDlgItem(macros, static_cast<int>(ui::win::CLBEditorWnd::kEditorId)), nullptr);
}

TEST_F(MacroProgramDialogTest, RecordsThroughTheKeyboardHookAndCtrlBreakStops)
{
    WriteMacros(Section("Macro_0", "DelayTimeSelStatus=0\r\nLoopTimeSelStatus=0\r\nMacroLoopTimes=1\r\n", {}));
    CMacroProgramDialog dialog(Context());
    ASSERT_TRUE(dialog.Create());
    ::ShowWindow(dialog.Hwnd(), SW_SHOW);
    ::SetForegroundWindow(dialog.Hwnd());
    MSG enter{dialog.Hwnd(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(dialog.PreTranslateMessage(enter));  // swallowed: nothing recorded yet

    Click(dialog.Hwnd(), kRecordButton);
    EXPECT_EQ(WindowText(dialog.Hwnd()), L"Press Ctrl+Break key to stop recording");
    Key('A', false);
    Key('A', false);  // held: one press
    Key('A', true);
    Key(VK_CONTROL, false);
    Key(VK_CANCEL, false);
    Key(VK_CANCEL, true);
    Key(VK_CONTROL, true);
    EXPECT_EQ(WindowText(dialog.Hwnd()), L"Macro Manager");
    EXPECT_EQ(ListLines(Item(dialog, kEventListId)), (Lines{"A   Dn", "A   Up"}));
    EXPECT_EQ(ReadMacro(m_store, m_path, "Macro_0").items, (Lines{"A   Dn", "A   Up"}));
    Key('B', false);  // the hook is gone
    EXPECT_EQ(ListLines(Item(dialog, kEventListId)).size(), 2u);

    // Once a recording has stopped, Enter is OK.
    EXPECT_TRUE(dialog.PreTranslateMessage(enter));
    const std::optional<MacroManagerOutcome> outcome = dialog.TakeOutcome();
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->ok);
    EXPECT_EQ(outcome->encoding.area[2], 0x05);  // "A" pressed, 50 ms on
    EXPECT_EQ(outcome->encoding.area[3], 0x04);
}

TEST_F(MacroProgramDialogTest, OkNamesTheMacrosCutToFitInOneBox)
{
    WriteMacros(Section("Short", "", {"A   Dn", "A   Up"}) + Section("Long", "DelayTimeSelStatus=1\r\n", LongMacro()));
    const wintest::MessageBoxWatcher boxes;
    CMacroProgramDialog dialog(Context());
    ASSERT_TRUE(dialog.Create());
    Click(dialog.Hwnd(), kMacroOk);
    EXPECT_EQ(dialog.Hwnd(), nullptr);
    const auto seen = boxes.Boxes();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"Warning");
    bool named = false;
    for (const std::wstring& text : seen[0].texts) {
        named = named || text.find(L"\"Long\": ") != std::wstring::npos;
    }
    EXPECT_TRUE(named);
    const std::optional<MacroManagerOutcome> outcome = dialog.TakeOutcome();
    ASSERT_TRUE(outcome && outcome->ok);
    ASSERT_EQ(outcome->encoding.cuts.size(), 1u);
    EXPECT_EQ(outcome->encoding.cuts[0].name, "Long");
    EXPECT_EQ(ReadMacro(m_store, m_path, "Long").items.size(), LongMacro().size());  // the file keeps every line
}

TEST_F(MacroProgramDialogTest, CancelHandsBackThePositionsAndNoEncoding)
{
    WriteMacros(Section("One", "", {"A   Dn"}) + Section("Two", "", {"B   Dn"}));
    CMacroProgramDialog dialog(Context());
    ASSERT_TRUE(dialog.Create());
    Click(dialog.Hwnd(), kMacroDelete);  // "One"
    Click(dialog.Hwnd(), kMacroCancel);
    EXPECT_EQ(dialog.Hwnd(), nullptr);
    const std::optional<MacroManagerOutcome> outcome = dialog.TakeOutcome();
    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->ok);
    EXPECT_EQ(outcome->positions.newPosition, (std::vector<std::optional<std::size_t>>{std::nullopt, 0}));
}

TEST_F(MacroProgramDialogTest, WithoutItsBackgroundItSaysSoAndOpensNoMacros)
{
    std::filesystem::remove(m_folder.Path() + L"/skin/MacroManagement/MacroManagement.png");
    WriteMacros(Section("One", "", {"A   Dn"}));
    const wintest::MessageBoxWatcher boxes;
    CMacroProgramDialog dialog(Context());
    ASSERT_TRUE(dialog.Create());
    const auto seen = boxes.Boxes();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"Macro Manager Dialog Load background image failed!!!");
    EXPECT_EQ(Item(dialog, kMacroListId), nullptr);
    ::SendMessageW(dialog.Hwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(dialog.TakeOutcome());
}

}  // namespace
}  // namespace zalvane::assign::win
