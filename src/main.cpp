#include <SDL_main.h>

#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

#include "host/app/command_line.h"
#include "host/app/desktop_program.h"
#include "host/app/saver_program.h"
#include "host/app/standard_descriptors.h"
#include "host/app/stop_signals.h"
#include "host/core/say.h"

int main(int argc, char* argv[]) {
    bumblorbs::OpenClosedStandardDescriptors();
    bumblorbs::HearStopSignals();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const char* saverWindow = std::getenv("XSCREENSAVER_WINDOW");
    const bumblorbs::CommandLine line =
        bumblorbs::ParseCommandLine(args, saverWindow != nullptr ? saverWindow : "");
    switch (line.What) {
        case bumblorbs::CommandLine::Action::Help:
            return bumblorbs::PrintAnswer(bumblorbs::UsageText());
        case bumblorbs::CommandLine::Action::Version:
            return bumblorbs::PrintAnswer(bumblorbs::VersionText());
        case bumblorbs::CommandLine::Action::Refuse:
            bumblorbs::Say(line.Problem);
            if (line.ShowUsage) {
                std::cerr << bumblorbs::UsageText();
            }
            return 2;
        case bumblorbs::CommandLine::Action::Run: break;
    }
    switch (line.Where) {
        case bumblorbs::CommandLine::Target::Root: return bumblorbs::RunSaver(std::nullopt);
        case bumblorbs::CommandLine::Target::GivenWindow: return bumblorbs::RunSaver(line.WindowId);
        case bumblorbs::CommandLine::Target::OwnWindow: break;
    }
    return bumblorbs::RunBumblorbs();
}
