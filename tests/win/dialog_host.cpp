#include "win/dialog_host.h"

#include <filesystem>

#include "platform/win/wide_text.h"
#include "ui/win/private_messages.h"

namespace zalvane::wintest {

MainHost::MainHost()
{
    WNDCLASSEXW windowClass{};
    windowClass.lpszClassName = L"Zalvane.DialogTestMain";
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    RegisterWindowClass(windowClass);
    CreateEx(L"Zalvane.DialogTestMain",
             {.rect = {0, 0, 1000, 644}, .style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, .text = L"Dialog host"});
}

std::span<const ui::win::MessageEntry> MainHost::Messages() const
{
    static constexpr ui::win::MessageEntry kTable[] = {
        ui::win::OnRawMessage<ui::win::kConfigDialogMessage, &MainHost::OnProfileDialog>(),
    };
    return kTable;
}

LRESULT MainHost::OnProfileDialog(WPARAM wParam, LPARAM lParam)
{
    posted.push_back({ui::win::kConfigDialogMessage, wParam, lParam});
    return 0;
}

void Pump()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ui::win::PumpMessage(message);
    }
}

SkinFolder::SkinFolder() { m_skin.root = platform::win::Narrow(m_folder.File(L"Skins\\Default")); }

void SkinFolder::Image(const std::string& name, int width, int height, TestPixel colour)
{
    const std::filesystem::path path = std::filesystem::path(platform::win::Widen(m_skin.ImagePath(name)));
    std::filesystem::create_directories(path.parent_path());
    const std::vector<TestPixel> pixels(static_cast<std::size_t>(width) * height, colour);
    EXPECT_TRUE(WritePng(path.wstring(), width, height, pixels, false));
}

void Click(HWND window, int x, int y)
{
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

RECT RectInParent(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace zalvane::wintest
