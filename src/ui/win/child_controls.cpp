#include "ui/win/child_controls.h"

#include "platform/win/wide_text.h"
#include "resource_ids.h"
#include "ui/win/gdip_button.h"

namespace zalvane::ui::win {
namespace {

RECT ToRect(const ui::Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

WinChildControls::~WinChildControls()
{
    // The controls go before the callbacks they might call while being destroyed.
    m_controls.clear();
}

bool WinChildControls::Create(const ChildControlArgs& args)
{
    Destroy(args.id);
    std::unique_ptr<CControl> control = Make(args);
    if (!control) {
        return false;
    }
    m_controls.emplace(args.id, std::move(control));
    return true;
}

std::unique_ptr<CControl> WinChildControls::Make(const ChildControlArgs& args)
{
    CreateArgs create{.parent = m_parent, .id = static_cast<UINT>(args.id), .rect = ToRect(args.rect)};
    switch (args.kind) {
        case ChildKind::kColourSwatch: {
            // Without SS_NOTIFY a static lets clicks through to the page below it.
            auto swatch = std::make_unique<CControl>();
            create.style = WS_CHILD | WS_VISIBLE | SS_CENTER;
            return swatch->Create(L"Static", create) ? std::move(swatch) : nullptr;
        }
        case ChildKind::kNumberBox: {
            auto box = std::make_unique<CControl>();
            const std::wstring text = platform::win::Widen(args.text);
            create.style = WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER | ES_AUTOHSCROLL;
            if (!args.enabled) {
                create.style |= WS_DISABLED;
            }
            create.text = text.c_str();
            if (!box->Create(L"Edit", create)) {
                return nullptr;
            }
            if (m_font) {
                ::SendMessageW(box->Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
            }
            if (args.maxChars > 0) {
                ::SendMessageW(box->Hwnd(), EM_LIMITTEXT, static_cast<WPARAM>(args.maxChars), 0);
            }
            // Set once the first text is in: from here on every change is told.
            box->OnNotification(EN_CHANGE, [this, id = args.id, window = box.get()] {
                if (m_textChanged) {
                    m_textChanged(id, platform::win::Narrow(window->Text()));
                }
            });
            return box;
        }
        case ChildKind::kScrollThumb: {
            auto thumb = std::make_unique<CGdipButton>();
            create.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_LEFTTEXT;
            if (!thumb->Create(create)) {
                return nullptr;
            }
            m_thumbId = args.id;
            m_thumbTop = args.rect.top;
            // A thumb without its image still drags; it shows what lay behind it.
            static_cast<void>(thumb->LoadStdImage(IDR_THUMB_PNG, L"PNG"));
            static_cast<void>(thumb->LoadAltImage(IDR_THUMB_PNG, L"PNG"));
            thumb->OnThumbMoved([this](int top) {
                m_thumbTop = top;
                if (m_thumbMoved) {
                    m_thumbMoved(top);
                }
            });
            return thumb;
        }
    }
    return nullptr;
}

void WinChildControls::Destroy(int id) { m_controls.erase(id); }

HWND WinChildControls::Window(int id) const noexcept
{
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second->Hwnd();
}

void WinChildControls::Move(int id, const ui::Rect& rect)
{
    const HWND window = Window(id);
    if (!window) {
        return;
    }
    ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (id == m_thumbId) {
        m_thumbTop = rect.top;
    }
}

void WinChildControls::Enable(int id, bool enabled)
{
    if (const HWND window = Window(id)) {
        ::EnableWindow(window, enabled ? TRUE : FALSE);
    }
}

void WinChildControls::SetText(int id, std::string_view text)
{
    if (const HWND window = Window(id)) {
        ::SetWindowTextW(window, platform::win::Widen(text).c_str());
    }
}

void WinChildControls::Repaint(int id)
{
    if (const HWND window = Window(id)) {
        ::InvalidateRect(window, nullptr, TRUE);
    }
}

}  // namespace zalvane::ui::win
