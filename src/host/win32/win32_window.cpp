#include "host/win32/win32_window.h"

#include <exception>
#include <string>
#include <utility>

#include "host/core/host_fault.h"
#include "host/core/pixel_mapping.h"
#include "host/win32/user_messages.h"
#include "host/win32/wide_text.h"
#include "scene/designed_layout.h"

namespace bumblorbs {
namespace {

constexpr const wchar_t* ClassName = L"Bumblorbs";
// The icon's resource number in the program's resources.
constexpr WORD IconResource = 1;

HICON ProgramIcon(int systemMetric) {
    const int side = GetSystemMetrics(systemMetric);
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IconResource),
                                         IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
}

void RegisterClassOnce(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), ClassName, &windowClass) != FALSE) {
        return;
    }
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hIcon = ProgramIcon(SM_CXICON);
    windowClass.hIconSm = ProgramIcon(SM_CXSMICON);
    windowClass.lpszClassName = ClassName;
    if (RegisterClassExW(&windowClass) == 0) {
        throw HostFault("RegisterClassEx failed (error " + std::to_string(GetLastError()) + ")");
    }
}

// Where the window goes: the monitor under the pointer, every monitor, or
// the whole interior of the window it is drawn in.
RECT OutputRect(WindowRole role, HWND parent) {
    RECT rect{};
    if (role == WindowRole::Preview) {
        GetClientRect(parent, &rect);
    } else if (role == WindowRole::Saver) {
        rect.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        rect.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        rect.right = rect.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
        rect.bottom = rect.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    } else {
        POINT pointer{};
        GetCursorPos(&pointer);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST), &monitor);
        rect = monitor.rcMonitor;
    }
    return rect;
}

struct WindowStyle {
    DWORD Style;
    DWORD Extended;
};

WindowStyle StyleOf(WindowRole role) {
    switch (role) {
        // The system menu gives Alt+F4 and the taskbar's Close.
        case WindowRole::Program: return {WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_APPWINDOW};
        case WindowRole::Saver: return {WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW};
        case WindowRole::Preview: return {WS_CHILD | WS_DISABLED, 0};
    }
    return {WS_POPUP, 0};
}

}  // namespace

Win32Window::Win32Window(WindowRole role, HWND parent) : role_(role), parent_(parent) {
    RegisterClassOnce(&Win32Window::Procedure);
    const RECT rect = OutputRect(role_, parent_);
    const WindowStyle style = StyleOf(role_);
    const std::wstring caption = Widen(DesignedLayout.Caption);
    window_ = CreateWindowExW(style.Extended, ClassName, caption.c_str(), style.Style, rect.left,
                              rect.top, rect.right - rect.left, rect.bottom - rect.top,
                              role_ == WindowRole::Preview ? parent_ : nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
    if (fault_ && window_ != nullptr) {
        // The destructor will not run: the window goes now.
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    ThrowKeptFault();
    if (window_ == nullptr) {
        throw HostFault("CreateWindowEx failed (error " + std::to_string(GetLastError()) + ")");
    }
    RECT client{};
    GetClientRect(window_, &client);
    size_ = {client.right - client.left, client.bottom - client.top};
    canvas_.Attach(window_, size_.Width, size_.Height);
}

Win32Window::~Win32Window() {
    if (!destroyed_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void Win32Window::Show() {
    ShowWindow(window_, SW_SHOW);
    if (role_ != WindowRole::Preview) {
        SetForegroundWindow(window_);
    }
}

float Win32Window::Dpi() const {
    const UINT dpi = GetDpiForWindow(window_);
    return dpi != 0 ? static_cast<float>(dpi) : DefaultDpi;
}

void Win32Window::Wait(std::optional<std::int64_t> deadlineNs, WindowEvents& events) {
    events_ = &events;
    if (!DispatchWaiting()) {
        timer_.WaitForMessageOr(deadlineNs);
        DispatchWaiting();
    }
    events_ = nullptr;
    ThrowKeptFault();
    // The window a preview is drawn in may go without our own window being
    // told first.
    if (destroyed_ || (role_ == WindowRole::Preview && IsWindow(parent_) == FALSE)) {
        events.CloseRequested();
    }
}

bool Win32Window::DispatchWaiting() {
    bool any = false;
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        any = true;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return any;
}

void Win32Window::ShowFatal(std::string_view message) {
    UserMessages::FatalBox(message, destroyed_ ? nullptr : window_);
}

LRESULT CALLBACK Win32Window::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        // Windows hands a message its pointers, and keeps the window's
        // own, as integers.
        const auto* creation =
            reinterpret_cast<const CREATESTRUCTW*>(l);  // NOLINT(performance-no-int-to-ptr)
        auto* created = static_cast<Win32Window*>(creation->lpCreateParams);
        // The window's first messages come before CreateWindowEx returns it.
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<Win32Window*>(  // NOLINT(performance-no-int-to-ptr)
        GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, w, l);
    }
    // A fault must not unwind through Windows' own frames: it is kept and
    // thrown again once the message has been handed back.
    try {
        return self->Handle(message, w, l);
    } catch (...) {
        self->fault_ = std::current_exception();
        return 0;
    }
}

void Win32Window::ThrowKeptFault() {
    if (fault_) {
        std::rethrow_exception(std::exchange(fault_, nullptr));
    }
}

LRESULT Win32Window::Handle(UINT message, WPARAM w, LPARAM l) {
    if (HandleInput(message, w, l)) {
        return 0;
    }
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: PaintFromCanvas(); return 0;
        case WM_SIZE: Resized(w); return 0;
        case WM_DISPLAYCHANGE:
        case WM_DPICHANGED: CoverOutput(); return 0;
        case WM_CLOSE:
            if (events_ != nullptr) {
                events_->CloseRequested();
            }
            return 0;
        case WM_DESTROY: destroyed_ = true; return 0;
        case WM_SETCURSOR:
            if (role_ == WindowRole::Saver) {
                SetCursor(nullptr);
                return TRUE;
            }
            break;
        default: break;
    }
    return DefWindowProcW(window_, message, w, l);
}

// The toy's own window hands mouse releases to the rules; the saver ends on
// any input; a preview takes none.
bool Win32Window::HandleInput(UINT message, WPARAM w, LPARAM l) {
    const int x = static_cast<short>(LOWORD(l));
    const int y = static_cast<short>(HIWORD(l));
    if (role_ == WindowRole::Program) {
        MouseButton button = MouseButton::Left;
        switch (message) {
            case WM_LBUTTONUP: button = MouseButton::Left; break;
            case WM_RBUTTONUP: button = MouseButton::Right; break;
            case WM_MBUTTONUP: button = MouseButton::Middle; break;
            default: return false;
        }
        if (events_ != nullptr) {
            const ShiftKeys keys{(w & MK_SHIFT) != 0, (w & MK_CONTROL) != 0,
                                 GetKeyState(VK_MENU) < 0};
            events_->Released(button, keys, static_cast<float>(x), static_cast<float>(y));
        }
        return true;
    }
    if (role_ != WindowRole::Saver) {
        return false;
    }
    bool ends = false;
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: ends = true; break;
        case WM_MOUSEMOVE: ends = saverInput_.MovedAway(x, y); break;
        default: return false;
    }
    if (ends && events_ != nullptr) {
        events_->CloseRequested();
    }
    return true;
}

void Win32Window::Resized(WPARAM kind) {
    if (kind == SIZE_MINIMIZED) {
        minimised_ = true;
        if (events_ != nullptr) {
            events_->Hidden();
        }
        return;
    }
    RECT client{};
    GetClientRect(window_, &client);
    const PixelSize size{client.right - client.left, client.bottom - client.top};
    const bool restored = std::exchange(minimised_, false);
    if (size != size_) {
        size_ = size;
        canvas_.Attach(window_, size_.Width, size_.Height);
    }
    if (events_ != nullptr) {
        if (restored) {
            events_->Restored();
        }
        // A new size or a new scale: the scene is laid out and painted anew.
        events_->Reshaped();
    }
}

void Win32Window::CoverOutput() {
    const RECT rect = OutputRect(role_, parent_);
    SetWindowPos(window_, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (events_ != nullptr) {
        events_->Reshaped();
    }
}

void Win32Window::PaintFromCanvas() {
    PAINTSTRUCT paint{};
    HDC target = BeginPaint(window_, &paint);
    canvas_.Blit(target, paint.rcPaint);
    EndPaint(window_, &paint);
}

}  // namespace bumblorbs
