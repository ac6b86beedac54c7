// A stand-in for the screen-saver settings' little preview screen: a plain
// grey window at a given place and size whose handle it prints, in decimal,
// as Windows hands it to a saver's /p. It closes once the file named on its
// command line exists, as the settings close.
//   preview_host X Y WIDTH HEIGHT CLOSE_FILE
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr UINT_PTR WatchTimer = 1;
const wchar_t* closeFile = nullptr;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_TIMER && GetFileAttributesW(closeFile) != INVALID_FILE_ATTRIBUTES) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace

int main() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count != 6) {
        std::fputs("usage: preview_host X Y WIDTH HEIGHT CLOSE_FILE\n", stderr);
        return 2;
    }
    closeFile = args[5];
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = L"PreviewHost";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"PreviewHost", L"Preview host", WS_POPUP | WS_VISIBLE,
                                  _wtoi(args[1]), _wtoi(args[2]), _wtoi(args[3]), _wtoi(args[4]),
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
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
