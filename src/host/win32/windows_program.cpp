#include "host/win32/windows_program.h"

// <windows.h> first: the other Windows headers build on it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "host/core/say.h"
#include "host/loop/program_loop.h"
#include "host/win32/gdi_glyph_source.h"
#include "host/win32/program_arguments.h"
#include "host/win32/system_beep.h"
#include "host/win32/user_messages.h"
#include "host/win32/wide_text.h"
#include "host/win32/win32_services.h"
#include "host/win32/win32_window.h"

namespace bumblorbs {
namespace {

// The words after the program's name, in UTF-8.
std::vector<std::string> ArgumentWords() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; words != nullptr && i < count; ++i) {
        args.push_back(Narrow(words[i]));
    }
    LocalFree(static_cast<HLOCAL>(words));
    return args;
}

// Whether the program runs under a screen saver's name.
bool StartedAsSaver() {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return path.size() >= 4 &&
           CompareStringOrdinal(path.c_str() + path.size() - 4, 4, L".scr", 4, TRUE) == CSTR_EQUAL;
}

// Ctrl+C, Ctrl+Break and the console closing, where the program was started
// from one, close the window as its own close does.
HWND windowToClose = nullptr;

BOOL WINAPI HearConsoleStop(DWORD /*event*/) {
    if (windowToClose != nullptr) {
        PostMessageW(windowToClose, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

// Runs the window form1 until it is unloaded. `beep` may be null: the toy
// then runs silently.
void RunForm1(HostWindow& window, SystemBeep* beep) {
    Win32Services services(beep);
    GdiGlyphSources fonts;
    ProgramLoop form1(window, services, fonts);
    if (!form1.AllTextCovered()) {
        Say("no installed font can draw all of the window's text; Windows links what it has");
    }
    form1.Run();
}

int RunWindow(WindowRole role, HWND parent) {
    std::unique_ptr<Win32Window> window;
    try {
        window = std::make_unique<Win32Window>(role, parent);
        windowToClose = window->Handle();
        SetConsoleCtrlHandler(&HearConsoleStop, TRUE);
        // Only the toy's own window beeps: a screen saver is silent.
        std::unique_ptr<SystemBeep> beep;
        if (role == WindowRole::Program) {
            beep = std::make_unique<SystemBeep>();
        }
        RunForm1(*window, beep.get());
    } catch (const std::exception& fault) {
        UserMessages::Fatal(fault.what(), window ? window->Handle() : nullptr);
        return 1;
    }
    return 0;
}

}  // namespace

int RunWindowsProgram() {
    UserMessages::FindConsole();
    const std::vector<std::string> args = ArgumentWords();
    const ProgramArguments asked = ParseProgramArguments(args, StartedAsSaver());
    using enum ProgramArguments::Action;
    switch (asked.What) {
        case Help: return UserMessages::Answer(UsageText());
        case Version: return UserMessages::Answer(VersionText());
        case Refuse: UserMessages::Refuse(asked.Problem); return 2;
        case Configure:
            UserMessages::Inform(
                "Bumblorbs has nothing to set: its balls, colours and speed are "
                "as they were designed.");
            return 0;
        case FullScreenSaver: return RunWindow(WindowRole::Saver, nullptr);
        case Preview: {
            // A handle, as Windows wrote it on the command line.
            const auto parent =
                reinterpret_cast<HWND>(asked.ParentWindow);  // NOLINT(performance-no-int-to-ptr)
            if (IsWindow(parent) == FALSE) {
                UserMessages::Refuse("no window " + std::to_string(asked.ParentWindow) +
                                     " to draw the preview in");
                return 2;
            }
            return RunWindow(WindowRole::Preview, parent);
        }
        case Run: break;
    }
    return RunWindow(WindowRole::Program, nullptr);
}

}  // namespace bumblorbs
