#include "host/app/fatal_report.h"

#include <SDL.h>
#include <sys/uio.h>
#include <unistd.h>

#include <array>
#include <string>

#include "host/core/say.h"

namespace bumblorbs {
namespace {

constexpr std::string_view Fatal = "fatal error: ";

}  // namespace

void ReportFatal(std::string_view what, SDL_Window* window) {
    const std::string message = std::string(Fatal) + std::string(what);
    Say(message);
    if (window != nullptr) {
        const std::string line = std::string(MessagePrefix) + message;
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Bumblorbs", line.c_str(), window);
    }
}

void ExitAtOnce(std::string_view what) {
    // writev takes non-const buffers but does not write to them.
    std::array<iovec, 4> parts{{
        {const_cast<char*>(MessagePrefix.data()), MessagePrefix.size()},
        {const_cast<char*>(Fatal.data()), Fatal.size()},
        {const_cast<char*>(what.data()), what.size()},
        {const_cast<char*>("\n"), 1},
    }};
    const ssize_t written = writev(STDERR_FILENO, parts.data(), static_cast<int>(parts.size()));
    static_cast<void>(written);
    _exit(1);
}

}  // namespace bumblorbs
