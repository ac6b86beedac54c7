#include "host/app/command_line.h"

#include <charconv>
#include <iostream>

#include "host/core/output_check.h"

namespace bumblorbs {
namespace {

// The X protocol's IDs have their top three bits clear.
constexpr unsigned long LargestWindowId = 0x1FFF'FFFF;

CommandLine Refused(std::string problem, bool pointAtHelp = true) {
    return {CommandLine::Action::Refuse, CommandLine::Target::OwnWindow, 0, std::move(problem),
            pointAtHelp};
}

CommandLine InWindow(std::string_view text, std::string_view from) {
    const std::optional<unsigned long> id = ParseWindowId(text);
    if (!id) {
        return Refused("bad window ID '" + std::string(text) + "' in " + std::string(from) +
                           " (a number, decimal or 0x hex)",
                       false);
    }
    return {CommandLine::Action::Run, CommandLine::Target::GivenWindow, *id, {}};
}

}  // namespace

std::optional<unsigned long> ParseWindowId(std::string_view text) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    // from_chars takes neither a sign nor spaces, but an empty text or
    // trailing junk must be refused here.
    unsigned long id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || id == 0 ||
        id > LargestWindowId) {
        return std::nullopt;
    }
    return id;
}

CommandLine ParseCommandLine(std::span<const std::string_view> args, std::string_view saverWindow) {
    using enum CommandLine::Action;
    // The first word decides; anything after it is as wrong as an unknown
    // word, but for --window-id's own value.
    const std::string_view first = args.empty() ? std::string_view() : args[0];
    const std::size_t words = first == "--window-id" ? 2 : 1;
    if (first == "--window-id" && args.size() < 2) {
        return Refused("--window-id needs a window ID");
    }
    const bool known =
        first == "--help" || first == "--version" || first == "--root" || first == "--window-id";
    if (!args.empty() && !known) {
        return Refused("unknown argument '" + std::string(first) + "'");
    }
    if (args.size() > words) {
        return Refused("unknown argument '" + std::string(args[words]) + "'");
    }
    if (first == "--help") {
        return {Help, {}, 0, {}};
    }
    if (first == "--version") {
        return {Version, {}, 0, {}};
    }
    if (first == "--window-id") {
        return InWindow(args[1], "--window-id");
    }
    // XScreenSaver hands its hacks their window in the environment, with or
    // without --root; the root window itself only without it.
    if (!saverWindow.empty()) {
        return InWindow(saverWindow, "XSCREENSAVER_WINDOW");
    }
    if (first == "--root") {
        return {Run, CommandLine::Target::Root, 0, {}};
    }
    return {};
}

std::string UsageText() {
    return "usage: bumblorbs [--root | --window-id ID | --help | --version]\n"
           "Sixty coloured balls bounce about a full-screen window.\n"
           "Left-click paints the background in a random colour; right-click ends the toy.\n"
           "  --root          draw on the X screen's root window, as a screen saver\n"
           "  --window-id ID  draw into the X window ID (decimal or 0x hex), as a screen saver\n"
           "  --help          show this help and exit\n"
           "  --version       show the version and exit\n"
           "The window goes on the Wayland compositor WAYLAND_DISPLAY names, else on the\n"
           "X display DISPLAY names; SDL_VIDEODRIVER=x11 or wayland decides instead.\n"
           "As a screen saver the toy reads no mouse, stays silent and always draws on the\n"
           "X display DISPLAY names. XScreenSaver names its window in XSCREENSAVER_WINDOW:\n"
           "with no option or with --root, the toy draws into that window where it is set.\n";
}

std::string VersionText() { return "Bumblorbs " BUMBLORBS_VERSION "\n"; }

int PrintAnswer(std::string_view text) {
    std::cout << text;
    return StandardOutputWritten("bumblorbs") ? 0 : 1;
}

}  // namespace bumblorbs
