#include <SDL_main.h>

#include <exception>
#include <iostream>
#include <new>
#include <string_view>
#include <vector>

#include "host/app/command_line.h"
#include "host/app/desktop_program.h"
#include "host/app/saver_program.h"
#include "host/app/standard_descriptors.h"
#include "host/app/stop_signals.h"
#include "host/core/environment.h"
#include "host/core/exit_at_once.h"
#include "host/core/say.h"

namespace {

// Runs the toy where the command line asks for it; nothing else needs a
// thread or a display.
int Run(const bumblorbs::CommandLine& line) {
    bumblorbs::OpenClosedStandardDescriptors();
    bumblorbs::HearStopSignals();
    switch (line.Where) {
        case bumblorbs::CommandLine::Target::Root: return bumblorbs::RunSaver(std::nullopt);
        case bumblorbs::CommandLine::Target::GivenWindow: return bumblorbs::RunSaver(line.WindowId);
        case bumblorbs::CommandLine::Target::OwnWindow: break;
    }
    return bumblorbs::RunBumblorbs();
}

}  // namespace

int main(int argc, char* argv[]) {
    // Out of memory, or out of threads, is one line and status 1, not a core.
    try {
        const std::vector<std::string_view> args(argv + 1, argv + argc);
        const bumblorbs::CommandLine line =
            bumblorbs::ParseCommandLine(args, bumblorbs::Environment("XSCREENSAVER_WINDOW"));
        // Answered before a closed stdout is given /dev/null, so that an
        // answer with nowhere to go is an error.
        switch (line.What) {
            case bumblorbs::CommandLine::Action::Help:
                return bumblorbs::PrintAnswer(bumblorbs::UsageText());
            case bumblorbs::CommandLine::Action::Version:
                return bumblorbs::PrintAnswer(bumblorbs::VersionText());
            case bumblorbs::CommandLine::Action::Refuse:
                bumblorbs::Say(line.Problem);
                if (line.PointAtHelp) {
                    std::cerr << "Try 'bumblorbs --help' for more information.\n";
                }
                return 2;
            case bumblorbs::CommandLine::Action::Run: break;
        }
        return Run(line);
    } catch (const std::bad_alloc&) {
        // Without allocating: there may be no memory for a message either.
        bumblorbs::ExitAtOnce("out of memory");
    } catch (const std::exception& fault) {
        bumblorbs::ExitAtOnce(fault.what());
    }
}
