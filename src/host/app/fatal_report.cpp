#include "host/app/fatal_report.h"

#include <sys/uio.h>
#include <unistd.h>

#include <array>
#include <string>

#include "host/app/stop_signals.h"
#include "host/core/say.h"

namespace bumblorbs {
namespace {

constexpr std::string_view Fatal = "fatal error: ";

}  // namespace

std::string WrapLines(std::string_view text, std::size_t length) {
    std::string wrapped;
    std::size_t lineStart = 0;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        const std::size_t lineLength = wrapped.size() - lineStart;
        if (lineLength > 0 && lineLength + 1 + word.size() > length) {
            wrapped += '\n';
            lineStart = wrapped.size();
        } else if (lineLength > 0) {
            wrapped += ' ';
        }
        // A word longer than a line is cut where the line ends.
        for (std::size_t at = 0; at < word.size(); at += length) {
            if (at > 0) {
                wrapped += '\n';
                lineStart = wrapped.size();
            }
            wrapped += word.substr(at, length);
        }
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    }
    return wrapped;
}

void ReportFatal(std::string_view what, HostWindow* window) {
    Say(std::string(Fatal) + std::string(what));
    // The user already knows why; the message must not keep them from ending it.
    EndAtOnceOnStop();
    if (window != nullptr) {
        window->ShowFatal(what);
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
