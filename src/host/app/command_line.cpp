#include "host/app/command_line.h"

#include <iostream>

#include "host/core/output_check.h"

namespace bumblorbs {

CommandLine ParseCommandLine(std::span<const std::string_view> args) {
    // The first word decides; anything after it is as wrong as an unknown word.
    if (args.empty()) {
        return {};
    }
    if (args.size() == 1 && args[0] == "--help") {
        return {CommandLine::Action::Help, {}};
    }
    if (args.size() == 1 && args[0] == "--version") {
        return {CommandLine::Action::Version, {}};
    }
    const std::string_view wrong =
        args[0] == "--help" || args[0] == "--version" ? args[1] : args[0];
    return {CommandLine::Action::Refuse, "unknown argument '" + std::string(wrong) + "'"};
}

std::string UsageText() {
    return "usage: bumblorbs [--help | --version]\n"
           "Sixty coloured balls bounce about a full-screen window.\n"
           "Left-click paints the background in a random colour; right-click ends the toy.\n"
           "  --help     show this help and exit\n"
           "  --version  show the version and exit\n"
           "The window goes on the Wayland compositor WAYLAND_DISPLAY names, else on the\n"
           "X display DISPLAY names; SDL_VIDEODRIVER=x11 or wayland decides instead.\n";
}

std::string VersionText() { return "Bumblorbs " BUMBLORBS_VERSION "\n"; }

int PrintAnswer(std::string_view text) {
    std::cout << text;
    return StandardOutputWritten("bumblorbs") ? 0 : 1;
}

}  // namespace bumblorbs
