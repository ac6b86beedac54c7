#include "host/core/wrap_lines.h"

namespace bumblorbs {

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

}  // namespace bumblorbs
