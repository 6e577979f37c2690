// The e2e tests' hands inside Wine:
//   e2e_helper post CLASS MESSAGE WPARAM LPARAM   posts a message to the top-level window of
//                                                 that class (numbers: decimal or 0x hex; a
//                                                 MESSAGE that is no number is a registered
//                                                 message's name); status 1 when there is no
//                                                 such window
//   e2e_helper workarea                           prints the work area: LEFT TOP RIGHT BOTTOM
//   e2e_helper window TITLE                       prints the screen rectangle of the visible
//                                                 window (top-level or child) with that exact
//                                                 title: LEFT TOP RIGHT BOTTOM; status 1 when
//                                                 there is none
//   e2e_helper texts TITLE                        prints the texts of that window's controls,
//                                                 one per line (a message box's text)
//   e2e_helper items TITLE ID                     prints the lines of list box ID in that
//                                                 window, one per line, "*" before the selected
//   e2e_helper command TITLE ID                   posts WM_COMMAND ID to that window
//   e2e_helper pointer                            prints the system's pointer settings: SPEED
//                                                 WHEEL-LINES DOUBLE-CLICK-MS (wheel lines
//                                                 4294967295: one screen)
//   e2e_helper text CLASS ID                      prints the text of control ID of the
//                                                 top-level window of that class
//   e2e_helper rect CLASS ID                      prints the rectangle of the shown control ID
//                                                 of that window in its client pixels: LEFT
//                                                 TOP RIGHT BOTTOM; status 1 when it is not
//                                                 there or hidden
//   e2e_helper answers CLASS MS                   sends WM_NULL to the top-level window of that
//                                                 class and prints how many ms it took to
//                                                 answer; status 1 when it did not answer
//                                                 within MS (or there is no such window)
//   e2e_helper                                    (no arguments: a stand-in program) writes
//                                                 its own path into "<its path>.ran"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

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
    if (!ParseNumber(argv[3], message)) {
        message = ::RegisterWindowMessageW(argv[3]);
    }
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
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
        return 1;
    }
    std::printf("%ld %ld %ld %ld\n", area.left, area.top, area.right, area.bottom);
    return 0;
}

struct Search {
    const wchar_t* title;
    HWND found;
};

// Notes the window when it is visible and has the title; false stops the enumeration.
BOOL CALLBACK VisitChild(HWND window, LPARAM state)
{
    auto& search = *reinterpret_cast<Search*>(state);
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    if (::IsWindowVisible(window) && std::wcscmp(text, search.title) == 0) {
        search.found = window;
    }
    return search.found ? FALSE : TRUE;
}

// A top-level window, then all its descendants.
BOOL CALLBACK Visit(HWND window, LPARAM state)
{
    if (VisitChild(window, state) && ::IsWindowVisible(window)) {
        ::EnumChildWindows(window, VisitChild, state);
    }
    return reinterpret_cast<Search*>(state)->found ? FALSE : TRUE;
}

// The visible window with that exact title, top-level windows first, then their children.
HWND FindByTitle(const wchar_t* title)
{
    Search search{title, nullptr};
    ::EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Wine's console gives the text out in UTF-8.
void PrintLine(const std::wstring& text)
{
    const int size =
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

int Window(int argc, wchar_t** argv)
{
    const HWND window = argc == 3 ? FindByTitle(argv[2]) : nullptr;
    if (!window) {
        return 1;
    }
    RECT rect{};
    ::GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return 0;
}

int Texts(int argc, wchar_t** argv)
{
    const HWND window = argc == 3 ? FindByTitle(argv[2]) : nullptr;
    if (!window) {
        return 1;
    }
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t text[1024] = {};
        ::GetWindowTextW(child, text, 1024);
        PrintLine(text);
    }
    return 0;
}

int Items(int argc, wchar_t** argv)
{
    unsigned long long id = 0;
    const HWND window = argc == 4 && ParseNumber(argv[3], id) ? FindByTitle(argv[2]) : nullptr;
    const HWND list = window ? ::GetDlgItem(window, static_cast<int>(id)) : nullptr;
    if (!list) {
        return 1;
    }
    const LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
    const LRESULT selected = ::SendMessageW(list, LB_GETCURSEL, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::vector<wchar_t> text(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        PrintLine((i == selected ? L"*" : L"") + std::wstring(text.data()));
    }
    return 0;
}

int Command(int argc, wchar_t** argv)
{
    unsigned long long id = 0;
    const HWND window = argc == 4 && ParseNumber(argv[3], id) ? FindByTitle(argv[2]) : nullptr;
    if (!window) {
        return 1;
    }
    return ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0) ? 0 : 1;
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

int Answers(const wchar_t* windowClass, const wchar_t* msText)
{
    unsigned long long limitMs = 0;
    if (!ParseNumber(msText, limitMs)) {
        return 2;
    }
    const HWND window = ::FindWindowW(windowClass, nullptr);
    if (!window) {
        return 1;
    }
    const ULONGLONG start = ::GetTickCount64();
    DWORD_PTR ignored = 0;
    if (!::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, static_cast<UINT>(limitMs), &ignored)) {
        return 1;
    }
    std::printf("%llu\n", ::GetTickCount64() - start);
    return 0;
}

int StandIn()
{
    wchar_t path[4096];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, 4096);
    if (length == 0 || length >= 4096) {
        return 1;
    }
    const std::wstring marker = std::wstring(path, length) + L".ran";
    FILE* file = _wfopen(marker.c_str(), L"wb");
    if (!file) {
        return 1;
    }
    std::fputws(path, file);
    std::fclose(file);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 1) {
        return StandIn();
    }
    if (std::wcscmp(argv[1], L"post") == 0) {
        return Post(argc, argv);
    }
    if (argc == 2 && std::wcscmp(argv[1], L"workarea") == 0) {
        return WorkArea();
    }
    if (argc == 2 && std::wcscmp(argv[1], L"pointer") == 0) {
        return Pointer();
    }
    if (argc == 4 && std::wcscmp(argv[1], L"text") == 0) {
        return ControlText(argv[2], argv[3]);
    }
    if (argc == 4 && std::wcscmp(argv[1], L"rect") == 0) {
        return ControlRect(argv[2], argv[3]);
    }
    if (std::wcscmp(argv[1], L"window") == 0) {
        return Window(argc, argv);
    }
    if (std::wcscmp(argv[1], L"texts") == 0) {
        return Texts(argc, argv);
    }
    if (std::wcscmp(argv[1], L"items") == 0) {
        return Items(argc, argv);
    }
    if (std::wcscmp(argv[1], L"command") == 0) {
        return Command(argc, argv);
    }
    if (argc == 4 && std::wcscmp(argv[1], L"answers") == 0) {
        return Answers(argv[2], argv[3]);
    }
    std::fputs(
        "usage: e2e_helper [post CLASS MESSAGE WPARAM LPARAM | workarea | pointer | text CLASS ID | rect CLASS ID | "
        "window TITLE | texts TITLE | items TITLE ID | command TITLE ID | answers CLASS MS]\n",
        stderr);
    return 2;
}
