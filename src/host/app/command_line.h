#pragma once

#include <span>
#include <string>
#include <string_view>

namespace bumblorbs {

// The toy takes no settings: the command line only asks for help or the
// version, as users of desktop programs expect.
struct CommandLine {
    enum class Action { Run, Help, Version, Refuse };
    Action What = Action::Run;
    // For Refuse: what was wrong, for the user.
    std::string Problem;
};

CommandLine ParseCommandLine(std::span<const std::string_view> args);

std::string UsageText();
std::string VersionText();

// Writes an answer to standard output: the status to end with, 0 where it
// arrived, else 1 after one line on stderr.
int PrintAnswer(std::string_view text);

}  // namespace bumblorbs
