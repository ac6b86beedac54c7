#include "host/app/saver_program.h"

#include <cstdlib>
#include <exception>
#include <string>

#include "host/app/desktop_window.h"
#include "host/app/fatal_report.h"
#include "host/core/say.h"
#include "host/sdl/display_scale.h"
#include "host/x11/saver_window.h"

namespace bumblorbs {
namespace {

float DpiOf(std::string_view resource) { return SaneDpi(resource).value_or(DefaultDpi); }

}  // namespace

int RunSaver(std::optional<unsigned long> id) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        Say("as a screen saver the toy needs an X display, and DISPLAY is not set");
        return 2;
    }
    try {
        SaverWindow window(display, id, &DpiOf);
        // No beeper: a screen saver is silent, though ball 0's bounces
        // still count.
        RunDesktopWindow(window, nullptr);
    } catch (const NoSuchWindow& fault) {
        Say(fault.what());
        return 2;
    } catch (const std::exception& fault) {
        ReportFatal(fault.what(), nullptr);
        return 1;
    }
    return 0;
}

}  // namespace bumblorbs
