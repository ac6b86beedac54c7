#include "host/app/desktop_program.h"

#include <exception>
#include <iostream>
#include <optional>

#include "host/app/desktop_window.h"
#include "host/app/fatal_report.h"
#include "host/app/sdl_window.h"
#include "host/app/video_session.h"
#include "host/audio/beeper.h"
#include "host/sdl/host_fault.h"

namespace bumblorbs {

int RunBumblorbs() {
    std::optional<VideoSession> video;
    std::optional<SdlWindow> window;
    try {
        video.emplace();
        window.emplace();
    } catch (const std::exception& fault) {
        std::cerr << "Bumblorbs: cannot open a window: " << fault.what() << '\n';
        return 1;
    }

    Beeper beeper;
    if (!beeper.Working()) {
        std::cerr << "Bumblorbs: no sound (" << beeper.Problem() << "); carrying on silently\n";
    }
    try {
        DesktopWindow form1(*window, beeper.Working() ? &beeper : nullptr);
        form1.Run();
    } catch (const std::exception& fault) {
        ReportFatal(fault.what(), &*window);
        return 1;
    }
    return 0;
}

}  // namespace bumblorbs
