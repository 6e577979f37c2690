// CVornicDlg's page: drawing on the kept background, the click dispatcher's answers carried
// out, the page's child controls and the features that live in dialogs of their own.

#include <type_traits>
#include <variant>

#include "app/cancel_flow.h"
#include "app/reset_flow.h"
#include "app/save_flow.h"
#include "app/win/vornic_dlg.h"
#include "pages/pointer_panel_geometry.h"
#include "platform/win/gdi_guards.h"
#include "platform/win/wide_text.h"
#include "ui/skin_state.h"
#include "ui/win/gdi_canvas.h"
#include "ui/win/gdip_button.h"
#include "ui/win/mem_dc.h"
#include "ui/win/skin_image.h"

namespace zalvane::app::win {

using platform::win::Widen;

void CVornicDlg::MakePageFeatures()
{
    m_controls.SetParent(Hwnd(), m_mainFont.get());
    m_controls.OnTextChanged([this](int id, std::string_view text) {
        if (id == pages::kScrollLinesBoxId) {
            m_page.ScrollLinesEdited(text);
        }
    });
    m_controls.OnThumbMoved(ui::win::PostThumbMoved(Hwnd()));

    const FeatureContext context{*this, m_state, m_ports, m_page, m_skin, m_mainFont.get(), m_valueFont.get()};
    m_assignment = MakeAssignmentFeature(context);
    m_page.SetAssignmentRows(m_assignment.get());
    m_macroManager = MakeMacroManagerFeature(context);
    m_help = MakeHelpFeature(context);
    m_config = MakeConfigFeature(context);
}

// --- drawing -----------------------------------------------------------------------------

void CVornicDlg::DrawPage(const std::function<void(ui::Canvas&)>& draw, std::string_view kind,
                          const DrawStopwatch& since)
{
    const HWND window = Hwnd();
    {
        const platform::win::WindowDc target(window);
        RECT client{};
        ::GetClientRect(window, &client);
        // Everything lands on the kept background first; its destructor copies the whole
        // client area to the window at once.
        const ui::win::CMemDC surface(target.get(), &client, m_background.get());
        ui::win::GdiCanvas canvas(surface.get(), m_mainFont.get(), m_valueFont.get(), &m_skinImages);
        canvas.SetTextStyle(ui::FontRole::kMain, m_skin.textColour);
        draw(canvas);
    }
    ::GdiFlush();
    if (m_context.drawTiming != nullptr) {
        m_context.drawTiming->Write(kind, since);
    }
}

void CVornicDlg::ShowMainPage()
{
    if (m_page.HasDrawn()) {
        DrawPage([this](ui::Canvas& canvas) { m_page.Refresh(canvas); }, "refresh");
        return;
    }
    WriteFirstRunCaptions(m_state, m_ini);
    DrawPage([this](ui::Canvas& canvas) { m_page.FirstDraw(canvas); }, "first");
}

void CVornicDlg::DrawOnPage(const std::function<void(ui::Canvas&)>& draw) { DrawPage(draw, "feature"); }

void CVornicDlg::RefreshPage()
{
    m_page.CloseTransientControls();
    DrawPage([this](ui::Canvas& canvas) { m_page.Refresh(canvas); }, "refresh");
}

void CVornicDlg::RefreshMainPage()
{
    DrawPage([this](ui::Canvas& canvas) { m_page.ResetLayout(canvas); }, "reset");
}

// The picture lives in the kept background; erasing puts it on the screen.
bool CVornicDlg::OnEraseBackground(HDC dc)
{
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    const ui::win::CMemDC surface(dc, &client, m_background.get());
    const platform::win::SelectGuard font(surface.get(), m_mainFont.get());
    return true;
}

// Minimised, the window shows its icon in the middle; otherwise erasing drew it all.
void CVornicDlg::OnPaint()
{
    if (!::IsIconic(Hwnd())) {
        ContinueDefault();
        return;
    }
    const platform::win::PaintGuard paint(Hwnd());
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(paint.get(), x, y, m_icon);
}

// The window takes the image's size; without the image it has no size at all. A window
// that cannot be seen would leave the user guessing, so the first missing image is named
// once, with where the program looked for it.
void CVornicDlg::LoadWindowBackground(std::string_view imageName)
{
    const std::string path = m_skin.ImagePath(imageName);
    m_background = ui::win::LoadBackground(Hwnd(), Widen(path));
    if (m_background) {
        return;
    }
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_toldMissingSkin) {
        return;
    }
    m_toldMissingSkin = true;
    if (m_context.trace != nullptr) {
        m_context.trace->Write("message", "missing skin image", path, 0);
    }
    platform::win::ShowMessage(Hwnd(), Widen(ui::MissingSkinImageText(path)));
}

// --- clicks ------------------------------------------------------------------------------

// The page decides; the window carries out what needs it, then starts a window drag from
// the point when no element of the page ended the click (before the splash ends, always).
void CVornicDlg::OnLeftButtonDown(UINT, POINT point)
{
    const DrawStopwatch since;
    pages::ClickOutcome outcome;
    DrawPage([&](ui::Canvas& canvas) { outcome = m_page.Click({point.x, point.y}, canvas); }, "click", since);
    m_pressEnded = false;
    for (const pages::WindowAction& action : outcome.actions) {
        CarryOut(action);
        if (!Hwnd()) {
            return;  // "Close" ended the window
        }
    }
    if (!outcome.dragWindow || m_pressEnded) {
        return;
    }
    ::ClientToScreen(Hwnd(), &point);
    ::PostMessageW(Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

void CVornicDlg::CarryOut(const pages::WindowAction& action)
{
    std::visit(
        [this](const auto& a) {
            using A = std::decay_t<decltype(a)>;
            if constexpr (std::is_same_v<A, pages::RunReset>) {
                static_cast<void>(RunResetFlow(m_state, m_ports, m_context.link.Link()));
            } else if constexpr (std::is_same_v<A, pages::RunCancel>) {
                RunCancelFlow(m_state, *this);
            } else if constexpr (std::is_same_v<A, pages::RunSave>) {
                RunSave();
            } else if constexpr (std::is_same_v<A, pages::OpenHelp>) {
                if (!m_help || !m_help->Open()) {
                    m_page.HelpClosed();
                }
            } else if constexpr (std::is_same_v<A, pages::CloseHelp>) {
                if (m_help) {
                    m_help->Close();
                }
            } else if constexpr (std::is_same_v<A, pages::Minimise>) {
                HideMainWindow();
            } else if constexpr (std::is_same_v<A, pages::CloseProgram>) {
                OnExit();
            } else if constexpr (std::is_same_v<A, pages::OpenConfig>) {
                if (!m_config || !m_config->Open()) {
                    m_page.ConfigClosed();
                }
            } else if constexpr (std::is_same_v<A, pages::OpenMacroManager>) {
                if (m_macroManager) {
                    m_macroManager->Open();
                }
            } else if constexpr (std::is_same_v<A, pages::CloseRowLists>) {
                if (m_assignment) {
                    m_assignment->CloseRowLists(a.row);
                }
            } else if constexpr (std::is_same_v<A, pages::OpenRowList>) {
                if (m_assignment) {
                    m_assignment->OpenRowList(a.row, a.view);
                }
            } else if constexpr (std::is_same_v<A, pages::ChooseStageColour>) {
                ChooseStageColour(a.stage);
            }
        },
        action);
}

// The page has set its busy flag; timer 1 clears it. Without a mouse nothing is written,
// and the user is told so rather than left believing the changes were saved.
void CVornicDlg::RunSave()
{
    const SaveResult result = RunSaveFlow(m_state, m_ports, m_context.link.Link());
    if (result.outcome == SaveOutcome::kNotConnected) {
        SendNotice(notice::kMouseNotFound, 0);
    }
    ::SetTimer(Hwnd(), kSaveBusyTimer, kSaveBusyMs, nullptr);
}

// The colour dialog is modal: the press that opened it is over when it closes, so no window
// drag follows it.
void CVornicDlg::ChooseStageColour(int stage)
{
    m_pressEnded = true;
    if (const std::optional<ui::SkinColour> colour = m_colourDialog.Choose(Hwnd())) {
        m_page.StageColourChosen(stage, *colour);
    }
}

LRESULT CVornicDlg::OnThumbMoved(WPARAM top, LPARAM lParam)
{
    const DrawStopwatch since;
    const std::optional<int> thumbTop =
        pages::ThumbTopFromMessage(static_cast<std::uint64_t>(top), static_cast<std::int64_t>(lParam));
    if (thumbTop) {
        DrawPage([&](ui::Canvas& canvas) { m_page.ThumbMoved(*thumbTop, canvas); }, "thumb", since);
    }
    return 0;
}

// --- control colours ---------------------------------------------------------------------

HBRUSH CVornicDlg::OnCtlColorStatic(HDC dc, HWND control) { return ColourControl(ControlKind::kStatic, dc, control); }
HBRUSH CVornicDlg::OnCtlColorButton(HDC dc, HWND control) { return ColourControl(ControlKind::kButton, dc, control); }
HBRUSH CVornicDlg::OnCtlColorEdit(HDC dc, HWND control) { return ColourControl(ControlKind::kEdit, dc, control); }
HBRUSH CVornicDlg::OnCtlColorListBox(HDC dc, HWND control) { return ColourControl(ControlKind::kListBox, dc, control); }

HBRUSH CVornicDlg::ColourControl(ControlKind kind, HDC dc, HWND control)
{
    const ControlColours colours = ControlColoursFor(kind, ::GetDlgCtrlID(control), m_state.record, m_skin.textColour);
    if (colours.text) {
        ::SetTextColor(dc, *colours.text);
    }
    if (colours.transparent) {
        ::SetBkMode(dc, TRANSPARENT);
    }
    if (colours.background) {
        ::SetBkColor(dc, *colours.background);
    }
    if (colours.selectMainFont && m_mainFont) {
        ::SelectObject(dc, m_mainFont.get());
    }
    if (!colours.brush) {
        ContinueDefault();
        return nullptr;
    }
    // The brush handed out last time has been used by now.
    m_controlBrush.reset(::CreateSolidBrush(*colours.brush));
    return m_controlBrush.get();
}

}  // namespace zalvane::app::win
