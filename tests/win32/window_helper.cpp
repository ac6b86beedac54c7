// What the Windows end-to-end tests need of Windows itself, beside the X
// tools:
//   window_helper preview X Y WIDTH HEIGHT CLOSE_FILE
//     a stand-in for the screen-saver settings' little preview screen: a
//     plain grey window whose handle it prints in decimal, as Windows hands
//     it to a saver's /p; it closes once CLOSE_FILE exists, as the settings
//     close. Once a window is put inside it, it prints that window's class
//     and size: "child CLASS WIDTH HEIGHT".
//   window_helper minimise TITLE | restore TITLE
//     minimises or restores the top-level window of that title, as its
//     taskbar button does.
// <windows.h> first: the other Windows headers build on it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <cstdio>
#include <cwchar>

namespace {

constexpr UINT_PTR WatchTimer = 1;
const wchar_t* closeFile = nullptr;
bool childSeen = false;

// The first window put inside `window`, as the preview host sees it.
void ReportChild(HWND window) {
    HWND child = GetWindow(window, GW_CHILD);
    if (childSeen || child == nullptr || IsWindowVisible(child) == FALSE) {
        return;
    }
    childSeen = true;
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    RECT rect{};
    GetClientRect(child, &rect);
    std::printf("child %ls %ld %ld\n", name, rect.right - rect.left, rect.bottom - rect.top);
    std::fflush(stdout);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_TIMER) {
        ReportChild(window);
        if (GetFileAttributesW(closeFile) != INVALID_FILE_ATTRIBUTES) {
            DestroyWindow(window);
        }
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

int Preview(wchar_t** args) {
    closeFile = args[6];
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = L"PreviewHost";
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowExW(0, L"PreviewHost", L"Preview host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                        _wtoi(args[2]), _wtoi(args[3]), _wtoi(args[4]), _wtoi(args[5]), nullptr,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) {
        return 1;
    }
    SetTimer(window, WatchTimer, 50, nullptr);
    std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    std::fflush(stdout);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}

int Show(const wchar_t* title, int how) {
    HWND window = FindWindowW(nullptr, title);
    if (window == nullptr) {
        std::fputs("no window of that title\n", stderr);
        return 1;
    }
    ShowWindow(window, how);
    return 0;
}

}  // namespace

int main() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count == 7 && std::wcscmp(args[1], L"preview") == 0) {
        return Preview(args);
    }
    if (count == 3 && std::wcscmp(args[1], L"minimise") == 0) {
        return Show(args[2], SW_MINIMIZE);
    }
    if (count == 3 && std::wcscmp(args[1], L"restore") == 0) {
        return Show(args[2], SW_RESTORE);
    }
    std::fputs(
        "usage: window_helper preview X Y WIDTH HEIGHT CLOSE_FILE | minimise TITLE | "
        "restore TITLE\n",
        stderr);
    return 2;
}
