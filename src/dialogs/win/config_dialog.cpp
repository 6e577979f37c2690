#include "dialogs/win/config_dialog.h"

#include <array>

#include "dialogs/config_dialog_layout.h"
#include "dialogs/dialog_texts.h"
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
using ui::win::OnCommand;
using ui::win::OnMessage;

constexpr COLORREF kListText = RGB(250, 250, 250);
constexpr COLORREF kListBackground = RGB(40, 40, 40);

struct MenuText {
    UINT command;
    DialogText text;
};
constexpr std::array<MenuText, 5> kMenuTexts{{
    {ID_PROFILE_DELETE, DialogText::kDelete},
    {ID_PROFILE_EDIT, DialogText::kEdit},
    {ID_PROFILE_COPY, DialogText::kCopy},
    {ID_PROFILE_LOAD, DialogText::kLoad},
    {ID_PROFILE_SAVE, DialogText::kSave},
}};

}  // namespace

CConfigDialog::CConfigDialog(app::AppState& state, platform::IniStore& ini, const ui::SkinState& skin)
    : CDialog(IDD_CONFIG_DIALOG), m_state(state), m_ini(ini), m_skin(skin)
{
}

CConfigDialog::~CConfigDialog() = default;

std::span<const ui::win::MessageEntry> CConfigDialog::Messages() const
{
    static constexpr ui::win::MessageEntry kTable[] = {
        OnMessage<WM_ERASEBKGND, &CConfigDialog::OnEraseBackground>(),
        OnMessage<WM_LBUTTONDOWN, &CConfigDialog::OnLeftButtonDown>(),
        // The dialog class asks for double clicks: the second of two quick presses on New
        // adds a name too.
        OnMessage<WM_LBUTTONDBLCLK, &CConfigDialog::OnLeftButtonDown>(),
        OnMessage<WM_CTLCOLORLISTBOX, &CConfigDialog::OnCtlColorListBox>(),
        OnCommand<ID_PROFILE_DELETE, &CConfigDialog::OnDelete>(),
        OnCommand<ID_PROFILE_EDIT, &CConfigDialog::OnEdit>(),
        OnCommand<ID_PROFILE_COPY, &CConfigDialog::OnCopy>(),
        OnCommand<ID_PROFILE_LOAD, &CConfigDialog::OnLoad>(),
        OnCommand<ID_PROFILE_SAVE, &CConfigDialog::OnSave>(),
    };
    return kTable;
}

bool CConfigDialog::Open(HWND mainWindow)
{
    if (!Create(mainWindow)) {
        return false;
    }
    ::SetWindowPos(Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    ::ShowWindow(Hwnd(), SW_SHOW);
    return true;
}

HWND CConfigDialog::MainWindow() const { return ::GetParent(Hwnd()); }

// Without its background the dialog keeps its place and size, says so, and shows no
// list: nothing the user cannot see is read or written.
BOOL CConfigDialog::OnInitDialog()
{
    const HWND window = Hwnd();
    m_messages.SetOwner(window);
    // No caption is drawn from it; the title names the dialog for the system and for tests.
    ::SetWindowTextW(window, Widen(DialogTextIn(DialogText::kConfigTitle, m_state.language)).c_str());
    ::SetWindowPos(window, nullptr, 0, 0, kConfigTitleStrip.Width(), kConfigNewStrip.bottom,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    MakeTranslucent();
    m_background = ui::win::LoadDialogBackground(window, Widen(m_skin.ImagePath(pages::kConfigBackground)),
                                                 Widen(kConfigBackgroundErrorCaption).c_str());
    if (!m_background) {
        return TRUE;
    }
    m_font = ui::win::CreateSkinFont(
        ui::ChooseFont(ui::FontUse::kDialog, m_state.language, ui::win::CurrentWindowsVersion()));
    m_listBrush.reset(::CreateSolidBrush(kListBackground));
    const RECT listRect{kConfigList.left, kConfigList.top, kConfigList.right, kConfigList.bottom};
    if (m_list.Create(L"ListBox", {.parent = window,
                                   .id = kProfileListId,
                                   .rect = listRect,
                                   .style = WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT})) {
        // The font first: setting it measures the items again.
        ::SendMessageW(m_list.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
        ::SendMessageW(m_list.Hwnd(), LB_SETITEMHEIGHT, 0, kProfileItemHeight);
        m_list.OnNotification(LBN_SELCHANGE, [this] { OnItemClicked(); });
        m_list.OnNotification(LBN_DBLCLK, [this] { OnItemClicked(); });
        m_model = ProfileListDialog::Open(m_ini, m_state.files.paths.listFile);
        FillList();
    }
    ComposePicture();
    return TRUE;
}

// About 70 % opaque where the system lets a child window be translucent; opaque where it
// does not (a layered child that cannot be given its alpha would not show at all).
void CConfigDialog::MakeTranslucent()
{
    const HWND window = Hwnd();
    const LONG_PTR exStyle = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
    ::SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    if (!::SetLayeredWindowAttributes(window, 0, kConfigDialogAlpha, LWA_ALPHA)) {
        ::SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle);
    }
}

void CConfigDialog::ComposePicture()
{
    const platform::win::WindowDc screen(Hwnd());
    if (!screen || !m_picture.Compose(m_background.get(), screen.get())) {
        return;
    }
    const HDC dc = m_picture.Dc();
    ui::win::LoadPng(Hwnd(), dc, Widen(m_skin.ImagePath(pages::kCloseNormalImage)), kConfigClose.left,
                     kConfigClose.top);
    ui::win::LoadPng(Hwnd(), dc, Widen(m_skin.ImagePath(pages::kConfigNewImage)), kConfigNewImage.x, kConfigNewImage.y);
    ui::win::GdiCanvas canvas(dc, m_font.get(), m_font.get());
    canvas.SetTextStyle(ui::FontRole::kMain, m_skin.textColour);
    canvas.DrawText(DialogTextIn(DialogText::kConfigTitle, m_state.language), kConfigTitleText,
                    ui::TextAlignment::kLeft);
    canvas.DrawText(DialogTextIn(DialogText::kNew, m_state.language), kConfigNewText, ui::TextAlignment::kLeft);
}

void CConfigDialog::FillList()
{
    const HWND list = m_list.Hwnd();
    if (!m_model || !list) {
        return;
    }
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const ProfileItem& item : m_model->Items()) {
        const std::wstring name = Widen(item.name);
        ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    const auto selected = m_model->Selected();
    ::SendMessageW(list, LB_SETCURSEL, selected ? static_cast<WPARAM>(*selected) : static_cast<WPARAM>(-1), 0);
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
}

bool CConfigDialog::OnEraseBackground(HDC dc)
{
    if (!m_picture) {
        ContinueDefault();
        return false;
    }
    m_picture.CopyTo(dc);
    return true;
}

HBRUSH CConfigDialog::OnCtlColorListBox(HDC dc, HWND)
{
    ::SetTextColor(dc, kListText);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetBkColor(dc, kListBackground);  // the list fills its lines with it
    if (m_font) {
        ::SelectObject(dc, m_font.get());
    }
    return m_listBrush.get();
}

void CConfigDialog::OnLeftButtonDown(UINT, POINT point)
{
    switch (ConfigClickAt({point.x, point.y})) {
        case ConfigClick::kClose:
            Close();
            return;
        case ConfigClick::kNew:
            OnNew();
            return;
        case ConfigClick::kNone:
            break;
    }
    ContinueDefault();
}

// Enter does nothing here; a right press on the list opens its menu.
bool CConfigDialog::PreTranslateMessage(MSG& message)
{
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        return true;
    }
    if (message.message == WM_RBUTTONDOWN && m_list.Hwnd()) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        if (::WindowFromPoint(cursor) == m_list.Hwnd()) {
            ShowMenu(cursor);
            return true;
        }
    }
    return false;
}

void CConfigDialog::ShowMenu(POINT screen)
{
    const platform::win::UniqueHMenu menu(
        ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_PROFILE_LIST_MENU)));
    const HMENU popup = menu ? ::GetSubMenu(menu.get(), 0) : nullptr;
    if (!popup) {
        return;
    }
    for (const MenuText& item : kMenuTexts) {
        const std::wstring text = Widen(DialogTextIn(item.text, m_state.language));
        ::ModifyMenuW(popup, item.command, MF_BYCOMMAND | MF_STRING, item.command, text.c_str());
    }
    // The choice comes back as a WM_COMMAND of the dialog.
    ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, screen.x, screen.y, 0, Hwnd(), nullptr);
}

// A selection change or a double click: the second click on the selected name renames it.
void CConfigDialog::OnItemClicked()
{
    if (!m_model) {
        return;
    }
    const LRESULT selected = ::SendMessageW(m_list.Hwnd(), LB_GETCURSEL, 0, 0);
    m_model->Select(selected == LB_ERR ? std::nullopt : std::optional(static_cast<std::size_t>(selected)));
    if (const auto position = m_model->ClickSelected()) {
        StartRename(*position);
    }
}

void CConfigDialog::StartRename(std::size_t position)
{
    m_editor.Start(
        m_list.Hwnd(), static_cast<int>(position),
        {.commit = [this](int item, const std::wstring& text) { OnRenameCommitted(item, text); }, .cancel = {}});
}

// A name another profile has, or one that cannot be a name, leaves the old one.
void CConfigDialog::OnRenameCommitted(int position, const std::wstring& text)
{
    if (!m_model || position < 0) {
        return;
    }
    static_cast<void>(m_model->Rename(static_cast<std::size_t>(position), platform::win::Narrow(text)));
    FillList();
}

void CConfigDialog::OnNew()
{
    if (!m_model) {
        return;
    }
    if (m_model->New() == NewOutcome::kLimitReached) {
        m_messages.Show({.text = DialogTextIn(DialogText::kProfileLimit, m_state.language),
                         .caption = DialogTextIn(DialogText::kWarning, m_state.language)});
        return;
    }
    FillList();
}

void CConfigDialog::OnDelete()
{
    if (m_model && m_model->Delete()) {
        FillList();
    }
}

void CConfigDialog::OnEdit()
{
    if (!m_model) {
        return;
    }
    if (const auto position = m_model->Edit()) {
        StartRename(*position);
    }
}

void CConfigDialog::OnCopy()
{
    if (m_model && m_model->Copy(DialogTextIn(DialogText::kCopy, m_state.language))) {
        FillList();
    }
}

// The main window loads or saves the profile; the files of moved names are rearranged
// first, so that it finds each name's own.
void CConfigDialog::RequestTransfer(app::ProfileDialogRequest request)
{
    if (!m_model) {
        return;
    }
    const TransferRequest transfer = m_model->RequestTransfer(m_ini, m_state.files);
    if (transfer.failure) {
        ShowFileFailure(m_messages, *transfer.failure);
        return;
    }
    if (transfer.profile) {
        ::PostMessageW(MainWindow(), app::kProfileDialogMessage, static_cast<WPARAM>(request),
                       static_cast<LPARAM>(*transfer.profile));
    }
}

void CConfigDialog::Close()
{
    if (m_editor.Editing()) {
        m_editor.Commit();
    }
    CloseOutcome outcome;
    if (m_model) {
        outcome = m_model->Close(m_ini, m_state.files);
    }
    if (outcome.failure) {
        ShowFileFailure(m_messages, *outcome.failure);
    }
    ::PostMessageW(MainWindow(), app::kProfileDialogMessage, static_cast<WPARAM>(app::ProfileDialogRequest::kClosed),
                   outcome.reloadProfile ? static_cast<LPARAM>(app::kClosedWithNewProfile) : 0);
    EndDialog(IDOK);
}

}  // namespace zalvane::dialogs::win
