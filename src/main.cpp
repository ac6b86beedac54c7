#include <SDL_main.h>

#include <iostream>
#include <string_view>
#include <vector>

#include "host/app/command_line.h"
#include "host/app/desktop_program.h"
#include "host/app/standard_descriptors.h"
#include "host/app/stop_signals.h"
#include "host/core/say.h"

int main(int argc, char* argv[]) {
    bumblorbs::OpenClosedStandardDescriptors();
    bumblorbs::HearStopSignals();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const bumblorbs::CommandLine line = bumblorbs::ParseCommandLine(args);
    switch (line.What) {
        case bumblorbs::CommandLine::Action::Help:
            return bumblorbs::PrintAnswer(bumblorbs::UsageText());
        case bumblorbs::CommandLine::Action::Version:
            return bumblorbs::PrintAnswer(bumblorbs::VersionText());
        case bumblorbs::CommandLine::Action::Refuse:
            bumblorbs::Say(line.Problem);
            std::cerr << bumblorbs::UsageText();
            return 2;
        case bumblorbs::CommandLine::Action::Run: break;
    }
    return bumblorbs::RunBumblorbs();
}
