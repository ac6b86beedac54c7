#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace bumblorbs {

// What the program or its screen-saver copy is asked to do. Windows starts
// a saver with /s to run it, /p HWND to preview it in the settings' little
// screen, and /c (or nothing) to configure it; the program takes the same
// switches, and runs in its own window with none.
struct ProgramArguments {
    enum class Action { Run, FullScreenSaver, Preview, Configure, Help, Version, Refuse };
    Action What = Action::Run;
    // For Preview: the window to draw into, as Windows' handle value.
    std::uintptr_t ParentWindow = 0;
    // For Refuse: what was wrong, for the user.
    std::string Problem;
};

// `args` are the words after the program's name, in UTF-8; `asSaver` says
// the program was started under a saver's name (.scr), where no word at all
// asks for the settings.
ProgramArguments ParseProgramArguments(std::span<const std::string> args, bool asSaver);

std::string UsageText();
std::string VersionText();

}  // namespace bumblorbs
