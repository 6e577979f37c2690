// The e2e tests' hands inside Wine:
//   e2e_helper post CLASS MESSAGE WPARAM LPARAM   posts a message to the top-level window of
//                                                 that class (numbers: decimal or 0x hex; a
//                                                 MESSAGE that is no number is a registered
//                                                 message's name); status 1 when there is no
//                                                 such window
//   e2e_helper workarea                           prints the work area: LEFT TOP RIGHT BOTTOM
//   e2e_helper pointer                            prints the system's pointer settings: SPEED
//                                                 WHEEL-LINES DOUBLE-CLICK-MS (wheel lines
//                                                 4294967295: one screen)
//   e2e_helper text CLASS ID                      prints the text of control ID of the
//                                                 top-level window of that class
//   e2e_helper rect CLASS ID                      prints the rectangle of the shown control ID
//                                                 of that window in its client pixels: LEFT
//                                                 TOP RIGHT BOTTOM; status 1 when it is not
//                                                 there or hidden
//   e2e_helper                                    (no arguments: a stand-in program) writes
//                                                 its own path into "<its path>.ran"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

bool ParseNumber(const wchar_t* text, unsigned long long& value)
{
    wchar_t* end = nullptr;
    value = std::wcstoull(text, &end, 0);
    return end != text && *end == L'\0';
}

int Post(int argc, wchar_t** argv)
{
    unsigned long long message = 0, wParam = 0, lParam = 0;
    if (argc != 6 || !ParseNumber(argv[4], wParam) || !ParseNumber(argv[5], lParam)) {
        std::fputs("usage: e2e_helper post CLASS MESSAGE WPARAM LPARAM\n", stderr);
        return 2;
    }
    if (!ParseNumber(argv[3], message))
        message = ::RegisterWindowMessageW(argv[3]);
    const HWND window = ::FindWindowW(argv[2], nullptr);
    if (!window) {
        std::fputs("e2e_helper: no window of that class\n", stderr);
        return 1;
    }
    return ::PostMessageW(window, static_cast<UINT>(message), static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam))
               ? 0
               : 1;
}

int WorkArea()
{
    RECT area{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        return 1;
    std::printf("%ld %ld %ld %ld\n", area.left, area.top, area.right, area.bottom);
    return 0;
}

int Pointer()
{
    UINT speed = 0, lines = 0;
    if (!::SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0) ||
        !::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) {
        return 1;
    }
    std::printf("%u %u %u\n", speed, lines, ::GetDoubleClickTime());
    return 0;
}

HWND Control(const wchar_t* windowClass, const wchar_t* idText)
{
    unsigned long long id = 0;
    if (!ParseNumber(idText, id)) {
        return nullptr;
    }
    const HWND window = ::FindWindowW(windowClass, nullptr);
    return window ? ::GetDlgItem(window, static_cast<int>(id)) : nullptr;
}

int ControlText(const wchar_t* windowClass, const wchar_t* idText)
{
    const HWND control = Control(windowClass, idText);
    if (!control) {
        return 1;
    }
    wchar_t text[256] = {};
    // Asked of the control itself: GetWindowTextW does not ask a window of another process.
    const auto length = static_cast<int>(::SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text)));
    char utf8[1024] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, text, length, utf8, sizeof utf8 - 1, nullptr, nullptr);
    std::printf("%s\n", utf8);
    return 0;
}

int ControlRect(const wchar_t* windowClass, const wchar_t* idText)
{
    const HWND control = Control(windowClass, idText);
    if (!control || !::IsWindowVisible(control)) {
        return 1;
    }
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return 0;
}

int StandIn()
{
    wchar_t path[4096];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, 4096);
    if (length == 0 || length >= 4096)
        return 1;
    const std::wstring marker = std::wstring(path, length) + L".ran";
    FILE* file = _wfopen(marker.c_str(), L"wb");
    if (!file)
        return 1;
    std::fputws(path, file);
    std::fclose(file);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 1)
        return StandIn();
    if (std::wcscmp(argv[1], L"post") == 0)
        return Post(argc, argv);
    if (argc == 2 && std::wcscmp(argv[1], L"workarea") == 0)
        return WorkArea();
    if (argc == 2 && std::wcscmp(argv[1], L"pointer") == 0) {
        return Pointer();
    }
    if (argc == 4 && std::wcscmp(argv[1], L"text") == 0) {
        return ControlText(argv[2], argv[3]);
    }
    if (argc == 4 && std::wcscmp(argv[1], L"rect") == 0) {
        return ControlRect(argv[2], argv[3]);
    }
    std::fputs(
        "usage: e2e_helper [post CLASS MESSAGE WPARAM LPARAM | workarea | pointer | text CLASS ID | rect CLASS ID]\n",
        stderr);
    return 2;
}
