#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace bumblorbs {

// What the toy is asked to do: run in a window of its own, run as a screen
// saver in a window it is given, or only show its help or version.
struct CommandLine {
    enum class Action { Run, Help, Version, Refuse };
    // Where the scene is drawn: a full-screen window of the toy's own, the
    // X screen's root window, or the window WindowId names.
    enum class Target { OwnWindow, Root, GivenWindow };
    Action What = Action::Run;
    Target Where = Target::OwnWindow;
    unsigned long WindowId = 0;
    // For Refuse: what was wrong, for the user, and whether a pointer to
    // --help helps: not for a window ID that is only mistyped.
    std::string Problem;
    bool PointAtHelp = false;
};

// `saverWindow` is XSCREENSAVER_WINDOW, empty where it is unset: with no
// option, XScreenSaver hands its hacks their window there.
CommandLine ParseCommandLine(std::span<const std::string_view> args,
                             std::string_view saverWindow = {});

// An X window ID as the user or XScreenSaver writes it: decimal, or hex
// after 0x. Nothing else is taken: no sign, no spaces, no zero, nothing
// beyond the 29 bits the X protocol gives an ID.
std::optional<unsigned long> ParseWindowId(std::string_view text);

std::string UsageText();
std::string VersionText();

// Writes an answer to standard output: the status to end with, 0 where it
// arrived, else 1 after one line on stderr.
int PrintAnswer(std::string_view text);

}  // namespace bumblorbs
