#include "assign/win/combo_dialog.h"

#include <string>
#include <vector>

#include "assign/key_codes.h"
#include "assign/key_dialog_layout.h"
#include "assign/win/control_rect.h"
#include "platform/win/wide_text.h"

namespace zalvane::assign::win {
namespace {

void SetText(const ui::win::CControl& control, std::string_view text)
{
    ::SetWindowTextW(control.Hwnd(), platform::win::Widen(text).c_str());
}

std::vector<std::string> ModifierNames()
{
    std::vector<std::string> names;
    for (const ModifierRow& row : ModifierTable()) {
        names.emplace_back(row.name);
    }
    return names;
}

}  // namespace

CComboDialog::CComboDialog(const KeyDialogContext& context)
    : CKeyDialogBase(IDD_COMBO_KEY_DIALOG, KeyDialog::kComboKey, context)
{
}

// Key 1, the first tab stop, has the focus at first, so that the first key pressed
// lands somewhere (Tab itself never moves the focus: it is a key to capture).
void CComboDialog::InitContent()
{
    const HWND window = Hwnd();
    const auto font = reinterpret_cast<WPARAM>(Font());
    m_modifierDisplay.Create(L"Static", {.parent = window,
                                         .id = kComboModifierDisplayId,
                                         .rect = ToRect(kComboModifierDisplay),
                                         .style = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX});
    // Read-only: a key is what the hook captured, never a character typed into the field.
    const DWORD fieldStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_CENTER | ES_READONLY | ES_AUTOHSCROLL;
    m_key1Field.Create(
        L"Edit", {.parent = window, .id = kComboKey1FieldId, .rect = ToRect(kComboKey1Field), .style = fieldStyle});
    m_key2Field.Create(
        L"Edit", {.parent = window, .id = kComboKey2FieldId, .rect = ToRect(kComboKey2Field), .style = fieldStyle});
    for (const ui::win::CControl* control : {&m_modifierDisplay, &m_key1Field, &m_key2Field}) {
        ::SendMessageW(control->Hwnd(), WM_SETFONT, font, FALSE);
    }
    CaptureKeys();
}

DialogEnd CComboDialog::Click(ui::Point point)
{
    const DialogEnd end = m_state.Click(point);
    OpenOrCloseList();
    return end;
}

bool CComboDialog::HasAreaAt(ui::Point point) const { return kComboModifierArea.Contains(point); }

// The modifier list exists while the state has it open; the key fields cannot take keys
// meanwhile.
void CComboDialog::OpenOrCloseList()
{
    const bool shown = m_list && !m_listHidden;
    if (m_state.ModifierListOpen() == shown) {
        return;
    }
    m_list.reset();
    m_listHidden = false;
    if (!m_state.ModifierListOpen()) {
        EnableKeyFields(true);
        return;
    }
    m_focusBeforeList = FocusedField();
    EnableKeyFields(false);
    ::SetFocus(Hwnd());
    const std::vector<std::string> names = ModifierNames();
    m_list.emplace();
    if (!m_list->Create({.parent = Hwnd(), .id = kComboModifierListId, .rect = ToRect(kComboModifierList)}, names,
                        Font())) {
        m_list.reset();
        return;
    }
    m_list->OnNotification(LBN_SELCHANGE, [this] { OnListNotice(); });
    m_list->OnNotification(LBN_DBLCLK, [this] { OnListNotice(); });
}

// Inside the list's own notification the list is only hidden; a posted message destroys it.
void CComboDialog::OnListNotice()
{
    if (!m_list || m_listHidden) {
        return;
    }
    m_state.ChooseModifier(m_list->Selection());
    SetText(m_modifierDisplay, m_state.ModifierName());
    if (m_state.ModifierListOpen()) {
        return;
    }
    ::ShowWindow(m_list->Hwnd(), SW_HIDE);
    m_listHidden = true;
    EnableKeyFields(true);
    PostDestroyHiddenList();
}

void CComboDialog::DestroyHiddenList()
{
    if (m_listHidden) {
        m_list.reset();
        m_listHidden = false;
    }
}

bool CComboDialog::PreTranslateMessage(MSG& message)
{
    if (message.message == WM_MOUSEMOVE && m_list && !m_listHidden && message.hwnd == m_list->Hwnd()) {
        m_list->SelectUnderCursor();
    }
    return CKeyDialogBase::PreTranslateMessage(message);
}

void CComboDialog::KeyCaptured(const CapturedKey& key)
{
    m_state.OnKeyDown(FocusedField(), key);
    SetText(m_key1Field, m_state.Key1().name);
    SetText(m_key2Field, m_state.Key2().name);
}

ComboKeyState::Field CComboDialog::FocusedField() const noexcept
{
    const HWND focus = ::GetFocus();
    if (focus && focus == m_key1Field.Hwnd()) {
        return ComboKeyState::Field::kKey1;
    }
    if (focus && focus == m_key2Field.Hwnd()) {
        return ComboKeyState::Field::kKey2;
    }
    return ComboKeyState::Field::kNone;
}

// Once the list has gone, the key field that had the focus before takes it again.
void CComboDialog::EnableKeyFields(bool enabled) noexcept
{
    ::EnableWindow(m_key1Field.Hwnd(), enabled ? TRUE : FALSE);
    ::EnableWindow(m_key2Field.Hwnd(), enabled ? TRUE : FALSE);
    if (!enabled) {
        return;
    }
    if (m_focusBeforeList == ComboKeyState::Field::kKey1) {
        ::SetFocus(m_key1Field.Hwnd());
    } else if (m_focusBeforeList == ComboKeyState::Field::kKey2) {
        ::SetFocus(m_key2Field.Hwnd());
    }
    m_focusBeforeList = ComboKeyState::Field::kNone;
}

}  // namespace zalvane::assign::win
