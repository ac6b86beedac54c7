#pragma once

#include <windows.h>

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string_view>

#include "host/win32/dib_canvas.h"
#include "host/win32/input_rules.h"
#include "host/win32/tick_timer.h"
#include "host/window/host_window.h"

namespace bumblorbs {

// How the window stands on the desktop.
enum class WindowRole {
    // The toy's own popup over the monitor under the pointer, on the taskbar.
    Program,
    // The screen saver over every monitor, topmost, without a cursor; any
    // input ends it.
    Saver,
    // Drawn inside another program's window (the settings' little screen),
    // at its size, taking no input; it ends when that window goes.
    Preview,
};

// The program's one window on Win32, painted from a DIB section.
class Win32Window final : public HostWindow {
public:
    // `parent` is the window a preview is drawn in; none otherwise.
    Win32Window(WindowRole role, HWND parent);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    void Show() override;
    PixelSize SizeInPixels() const override { return size_; }
    float Dpi() const override;
    void Wait(std::optional<std::int64_t> deadlineNs, WindowEvents& events) override;
    WindowCanvas& Canvas() override { return canvas_; }
    void ShowFatal(std::string_view message) override;

    HWND Handle() const { return destroyed_ ? nullptr : window_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    // Hands every message already queued to the window; says whether
    // there was one.
    static bool DispatchWaiting();
    // Throws the fault a message's handling kept, if any.
    void ThrowKeptFault();
    LRESULT Handle(UINT message, WPARAM w, LPARAM l);
    bool HandleInput(UINT message, WPARAM w, LPARAM l);
    void Resized(WPARAM kind);
    void CoverOutput();
    void PaintFromCanvas();

    WindowRole role_;
    HWND parent_;
    HWND window_ = nullptr;
    PixelSize size_;
    DibCanvas canvas_;
    TickTimer timer_;
    SaverInputRule saverInput_;
    WindowEvents* events_ = nullptr;
    bool minimised_ = false;
    bool destroyed_ = false;
    std::exception_ptr fault_;
};

}  // namespace bumblorbs
