// The main window's function lists and second lists as real list boxes in a window of
// the main window's size: where they open, the second list following the pointer, a
// choice carried out from the posted message, and the left-click warning.

#include "assign/win/assignment_list_boxes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "pages/main_window_geometry.h"
#include "platform/portable_ini_store.h"
#include "platform/win/wide_text.h"
#include "ui/win/private_messages.h"
#include "ui/win/window.h"
#include "win/win_test_support.h"

namespace zalvane::assign::win {
namespace {

using namespace std::chrono_literals;
using settings::ProfileRecord;

constexpr std::size_t kButtonS3 = 9;
constexpr std::size_t kButtonS8 = 14;

// Records what the lists draw on the window (images without the skin root, texts).
class RecordingHost final : public AssignmentHost, public ui::TextMeasure {
public:
    void DrawOnWindow(const std::function<void(ui::Canvas&, ui::TextMeasure&)>& draw) override
    {
        draw(m_canvas, *this);
    }
    ui::TextMeasure& CaptionMeasure() override { return *this; }
    void RowChosen(int row) override { chosenRows.push_back(row); }
    HFONT ListFont() const override { return nullptr; }
    int TextWidth(std::string_view text, ui::FontRole) override { return 7 * static_cast<int>(text.size()); }

    const std::vector<std::string>& Drawn() const { return m_canvas.drawn; }
    void Forget() { m_canvas.drawn.clear(); }

    std::vector<int> chosenRows;

private:
    struct Canvas final : ui::Canvas {
        bool DrawImage(const std::string& path, int x, int y) override
        {
            drawn.push_back(path.substr(1) + " " + std::to_string(x) + "," + std::to_string(y));
            return true;
        }
        void DrawText(std::string_view text, const ui::Rect&, ui::TextAlignment) override
        {
            drawn.push_back("text " + std::string(text));
        }
        void SetTextStyle(ui::FontRole, ui::SkinColour) override {}
        void Fill(const ui::Rect&, ui::SkinColour) override {}
        std::vector<std::string> drawn;
    } m_canvas;
};

// The main window's part: the lists' parent. The lists follow the pointer and take their
// posted choices by themselves.
class MainWindowStandIn final : public ui::win::CWindow {
public:
    MainWindowStandIn()
    {
        WNDCLASSEXW windowClass{};
        windowClass.lpszClassName = L"Zalvane.TestMainWindow";
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH));
        RegisterWindowClass(windowClass);
        CreateEx(L"Zalvane.TestMainWindow", {.rect = {0, 0, 1000, 640}, .style = WS_POPUP | WS_VISIBLE});
        ::SetForegroundWindow(Hwnd());
        ::UpdateWindow(Hwnd());
    }
};

// Runs the thread's messages through the program's own loop for a while.
void Pump(std::chrono::milliseconds duration = 150ms)
{
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ui::win::PumpMessage(message);
        }
        std::this_thread::sleep_for(10ms);
    }
}

void MoveTo(HWND window, POINT client)
{
    ::ClientToScreen(window, &client);
    ::SetCursorPos(client.x, client.y);
    Pump(30ms);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;  // a move of 0: the messages of a pointer at rest there
    ::SendInput(1, &input, sizeof input);
    Pump();
}

void ClickAt(HWND window, POINT client)
{
    MoveTo(window, client);
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, input, sizeof(INPUT));
}

RECT WindowRectIn(HWND parent, HWND child)
{
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The centre of entry `index` of the list box `list`, in the parent's client pixels.
POINT EntryCentre(HWND parent, HWND list, int index)
{
    RECT item{};
    ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    ::MapWindowPoints(list, parent, reinterpret_cast<POINT*>(&item), 2);
    return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
}

std::wstring EntryText(HWND list, int index)
{
    wchar_t text[64] = {};
    ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

class AssignmentListBoxesTest : public ::testing::Test {
protected:
    AssignmentListBoxesTest()
    {
        m_skin.root = "S";
        m_state.text.captions.fill("Click");
    }

    HWND Window() const { return m_window.Hwnd(); }
    HWND Child(int id) const { return ::GetDlgItem(Window(), id); }

    app::AppState m_state;
    ui::SkinState m_skin;
    platform::PortableIniStore m_ini;
    RecordingHost m_host;
    MainWindowStandIn m_window;
    AssignmentListBoxes m_lists{m_window.Hwnd(), m_host, m_state, m_skin, m_ini};
};

TEST_F(AssignmentListBoxesTest, AFunctionListOpensAtItsRowWithItsSpotLitAndClosesOnASecondClick)
{
    m_lists.OpenRowList(3, MouseView::kSide);
    const HWND list = Child(FunctionListId(kButtonS3));
    ASSERT_NE(list, nullptr);
    const RECT rect = WindowRectIn(Window(), list);
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}),
              (std::vector<LONG>{262, 169, 365, 429}));
    EXPECT_EQ(::SendMessageW(list, LB_GETCOUNT, 0, 0), 16);
    EXPECT_EQ(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 16);
    EXPECT_EQ(EntryText(list, 7), L"Multimedia");
    EXPECT_TRUE(m_lists.OpenFlags()[kButtonS3]);
    const auto& drawn = m_host.Drawn();
    EXPECT_NE(std::ranges::find(drawn, "/Mouse/Side/S-3-over.png 523,105"), drawn.end());
    EXPECT_NE(std::ranges::find(drawn, "/Mouse/Side/S-12-normal.png 559,274"), drawn.end());
    EXPECT_EQ(drawn.size(), 12u);

    m_lists.OpenRowList(3, MouseView::kSide);
    EXPECT_EQ(Child(FunctionListId(kButtonS3)), nullptr);
    EXPECT_FALSE(m_lists.OpenFlags()[kButtonS3]);
}

TEST_F(AssignmentListBoxesTest, RestingOnMultimediaOpensItsListAndAChoiceThereIsStoredAfterTheNotice)
{
    m_lists.OpenRowList(3, MouseView::kSide);
    const HWND functions = Child(FunctionListId(kButtonS3));
    ASSERT_NE(functions, nullptr);
    MoveTo(Window(), EntryCentre(Window(), functions, 7));
    EXPECT_EQ(::SendMessageW(functions, LB_GETCURSEL, 0, 0), 7);
    const HWND multimedia = Child(7);
    ASSERT_NE(multimedia, nullptr);
    const RECT rect = WindowRectIn(Window(), multimedia);
    const POINT entry = EntryCentre(Window(), functions, 7);
    EXPECT_EQ(rect.left, 365);
    EXPECT_EQ(rect.right - rect.left, 90);
    EXPECT_EQ(rect.bottom - rect.top, 130);
    EXPECT_NEAR(rect.bottom, entry.y + 8, 1);  // level with the entry's bottom
    EXPECT_EQ(EntryText(multimedia, 6), L"Volume Up");

    // Resting on another entry takes the list away; on "Multimedia" again brings it back.
    MoveTo(Window(), EntryCentre(Window(), functions, 4));
    EXPECT_EQ(Child(7), nullptr);
    MoveTo(Window(), EntryCentre(Window(), functions, 7));
    ASSERT_NE(Child(7), nullptr);

    m_host.Forget();
    ClickAt(Window(), EntryCentre(Window(), Child(7), 6));
    Pump(300ms);
    EXPECT_EQ(Child(7), nullptr);
    EXPECT_EQ(Child(FunctionListId(kButtonS3)), nullptr);
    EXPECT_EQ(m_state.record[ProfileRecord::kActionType + kButtonS3], 7);
    EXPECT_EQ(m_state.record[ProfileRecord::kConsumerCode + kButtonS3], 0xE9);
    EXPECT_EQ(m_state.text.captions[kButtonS3], "Volume Up");
    EXPECT_EQ(m_host.Drawn(),
              (std::vector<std::string>{"/ButtonAssignment/DropdownBox-normal.png 120,169", "text Volume Up"}));
    EXPECT_EQ(m_host.chosenRows, std::vector<int>{3});
}

TEST_F(AssignmentListBoxesTest, AChoiceInTheFunctionListItselfLeavesTheChosenLook)
{
    m_lists.OpenRowList(2, MouseView::kFront);
    const HWND functions = Child(FunctionListId(1));
    ASSERT_NE(functions, nullptr);
    m_host.Forget();
    ClickAt(Window(), EntryCentre(Window(), functions, 5));  // "Double Click"
    Pump(300ms);
    EXPECT_EQ(m_state.record[ProfileRecord::kActionType + 1], 5);
    EXPECT_EQ(m_state.text.captions[1], "Double Click");
    EXPECT_EQ(m_host.Drawn(),
              (std::vector<std::string>{"/ButtonAssignment/DropdownBox-leave.png 120,149", "text Double Click"}));
}

TEST_F(AssignmentListBoxesTest, ClosingTheListsBeforeTheChoiceIsCarriedOutDropsIt)
{
    m_lists.OpenRowList(1, MouseView::kSide);
    const HWND functions = Child(FunctionListId(7));
    ASSERT_NE(functions, nullptr);
    ::SendMessageW(functions, LB_SETCURSEL, 13, 0);  // "Button Off"
    ::SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(FunctionListId(7), LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(functions));
    EXPECT_FALSE(::IsWindowVisible(functions));  // hidden inside its notice, still there
    EXPECT_TRUE(::IsWindow(functions));
    // A second notice of the same list is ignored.
    ::SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(FunctionListId(7), LBN_DBLCLK),
                   reinterpret_cast<LPARAM>(functions));
    m_lists.CloseAllLists();  // say, the mouse view changed
    Pump();
    EXPECT_FALSE(::IsWindow(functions));
    EXPECT_EQ(m_state.record[ProfileRecord::kActionType + 7], 0);
    EXPECT_EQ(m_state.text.captions[7], "Click");
}

TEST_F(AssignmentListBoxesTest, TheLastLeftClickIsNotGivenAwayNotEvenByS8)
{
    for (std::size_t button = 0; button < settings::kButtonCount; ++button) {
        m_state.record[ProfileRecord::kActionType + button] = button == kButtonS8 ? 0 : 13;
    }
    std::vector<wintest::MessageBoxWatcher::Seen> boxes;
    {
        const wintest::MessageBoxWatcher watcher;
        m_lists.OpenRowList(8, MouseView::kSide);
        boxes = watcher.Boxes();
    }
    EXPECT_EQ(Child(FunctionListId(kButtonS8)), nullptr);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"Warning");
    EXPECT_NE(std::ranges::find(boxes[0].texts, L"Left key must be selected!"), boxes[0].texts.end());
    m_lists.OpenRowList(9, MouseView::kSide);  // any other button opens
    EXPECT_NE(Child(FunctionListId(kButtonS8 + 1)), nullptr);
}

}  // namespace
}  // namespace zalvane::assign::win
