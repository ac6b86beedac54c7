#include "host/app/fatal_report.h"

#include <sys/uio.h>
#include <unistd.h>

#include <array>
#include <iostream>
#include <string>

namespace bumblorbs {
namespace {

constexpr std::string_view FatalPrefix = "Bumblorbs: fatal error: ";

}  // namespace

void ReportFatal(std::string_view what, HostWindow* window) {
    const std::string message = std::string(FatalPrefix) + std::string(what);
    std::cerr << message << std::endl;
    if (window != nullptr) {
        window->ShowFatal(message);
    }
}

void ExitAtOnce(std::string_view what) {
    // writev takes non-const buffers but does not write to them.
    std::array<iovec, 3> parts{{
        {const_cast<char*>(FatalPrefix.data()), FatalPrefix.size()},
        {const_cast<char*>(what.data()), what.size()},
        {const_cast<char*>("\n"), 1},
    }};
    const ssize_t written = writev(STDERR_FILENO, parts.data(), static_cast<int>(parts.size()));
    static_cast<void>(written);
    _exit(1);
}

}  // namespace bumblorbs
