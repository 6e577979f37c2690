#include "dialogs/win/help_dialog.h"

#include <shellapi.h>

#include <utility>

#include "dialogs/dialog_texts.h"
#include "dialogs/help_dialog_layout.h"
#include "pages/main_window_geometry.h"
#include "pages/skin_catalogue.h"
#include "platform/win/gdi_guards.h"
#include "platform/win/wide_text.h"
#include "resource_ids.h"
#include "ui/font_choice.h"
#include "ui/win/fonts.h"
#include "ui/win/gdi_canvas.h"
#include "ui/win/skin_image.h"

namespace zalvane::dialogs::win {
namespace {

using platform::win::Widen;
using ui::win::OnMessage;

constexpr ui::SkinColour kLineColour{0, 0, 0};

}  // namespace

CHelpDialog::CHelpDialog(const app::AppState& state, const ui::SkinState& skin)
    : CDialog(IDD_HELP_DIALOG), m_state(state), m_skin(skin)
{
}

CHelpDialog::~CHelpDialog() = default;

std::span<const ui::win::MessageEntry> CHelpDialog::Messages() const
{
    static constexpr ui::win::MessageEntry kTable[] = {
        OnMessage<WM_ERASEBKGND, &CHelpDialog::OnEraseBackground>(),
        OnMessage<WM_LBUTTONDOWN, &CHelpDialog::OnLeftButtonDown>(),
        OnMessage<WM_MOUSEMOVE, &CHelpDialog::OnMouseMove>(),
        OnMessage<WM_MOUSEHOVER, &CHelpDialog::OnMouseHover>(),
    };
    return kTable;
}

bool CHelpDialog::Open(HWND mainWindow, std::function<void()> ended)
{
    m_ended = std::move(ended);
    if (!Create(mainWindow)) {
        return false;
    }
    ::ShowWindow(Hwnd(), SW_SHOW);
    return true;
}

// The panel takes its place first, so that it is there with or without its background.
BOOL CHelpDialog::OnInitDialog()
{
    const HWND window = Hwnd();
    ::SetWindowTextW(window, Widen(kHelpPanelTitle).c_str());
    ::SetWindowPos(window, HWND_TOP, pages::kHelpPanelOrigin.x, pages::kHelpPanelOrigin.y, kHelpLines.Width(),
                   kHelpLines.Height(), SWP_NOACTIVATE | SWP_NOREDRAW);
    m_background = ui::win::LoadDialogBackground(window, Widen(m_skin.ImagePath(pages::kHelpBackground)),
                                                 Widen(kHelpBackgroundErrorCaption).c_str());
    if (!m_background) {
        return TRUE;
    }
    m_font = ui::win::CreateSkinFont(
        ui::ChooseFont(ui::FontUse::kDialog, m_state.language, ui::win::CurrentWindowsVersion()));
    ComposePicture();
    return TRUE;
}

void CHelpDialog::ComposePicture()
{
    const platform::win::WindowDc screen(Hwnd());
    if (!screen || !m_picture.Compose(m_background.get(), screen.get())) {
        return;
    }
    ui::win::GdiCanvas canvas(m_picture.Dc(), m_font.get(), m_font.get());
    canvas.SetTextStyle(ui::FontRole::kMain, kLineColour);
    canvas.DrawText(SiteAddress(), kHelpAddressLine, ui::TextAlignment::kCentre);
    canvas.DrawText(kHelpUpdateText, kHelpUpdateLine, ui::TextAlignment::kCentre);
    canvas.DrawText(kHelpVersionText, kHelpVersionLine, ui::TextAlignment::kCentre);
}

bool CHelpDialog::OnEraseBackground(HDC dc)
{
    if (!m_picture) {
        ContinueDefault();
        return false;
    }
    m_picture.CopyTo(dc);
    return true;
}

void CHelpDialog::OnLeftButtonDown(UINT, POINT point)
{
    const HelpClick click = HelpClickAt({point.x, point.y});
    if (HelpClickEndsPanel(click)) {
        End();
        return;
    }
    if (click == HelpClick::kAddress) {
        // A missing browser is not told: the shell's answer is not read.
        ::ShellExecuteW(Hwnd(), L"open", Widen(SiteAddress()).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return;
    }
    ContinueDefault();
}

void CHelpDialog::OnMouseMove(UINT, POINT point)
{
    const HelpHoverOutcome outcome = m_hover.PointerMoved({point.x, point.y});
    if (outcome.armTracking) {
        TRACKMOUSEEVENT track{sizeof track, TME_HOVER, Hwnd(), ui::kHoverTimeMs};
        ::TrackMouseEvent(&track);
    }
    PaintHover(outcome.steps);
}

void CHelpDialog::OnMouseHover(UINT, POINT point) { PaintHover(m_hover.Hovered({point.x, point.y}).steps); }

void CHelpDialog::PaintHover(std::span<const HelpHoverStep> steps)
{
    if (steps.empty() || !m_picture) {
        return;
    }
    {
        ui::win::GdiCanvas canvas(m_picture.Dc(), m_font.get(), m_font.get());
        PaintHelpHover(canvas, m_skin, m_state.language, steps);
    }
    const platform::win::WindowDc screen(Hwnd());
    if (screen) {
        m_picture.CopyTo(screen.get());
    }
}

// Every way the panel ends clears the main window's flag, OK included.
void CHelpDialog::End()
{
    if (!Hwnd()) {
        return;
    }
    const std::function<void()> ended = std::exchange(m_ended, {});
    EndDialog(IDCANCEL);
    if (ended) {
        ended();
    }
}

}  // namespace zalvane::dialogs::win
