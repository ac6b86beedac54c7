#include "host/core/wrap_lines.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace bumblorbs {
namespace {

// The box's text is broken into short lines so that the box fits a small
// screen; nothing of the message is lost.
TEST(WrapLinesTest, BoxTextIsBrokenIntoShortLinesLosingNothing) {
    EXPECT_EQ(WrapLines("short", 10), "short");
    EXPECT_EQ(WrapLines("one two three four", 9), "one two\nthree\nfour");
    EXPECT_EQ(WrapLines("see /a/very/long/path/name now", 8),
              "see\n/a/very/\nlong/pat\nh/name\nnow");

    const std::string message =
        "SDL_CreateWindowFrom: the window system refused the window because its "
        "size 16384x16384 is larger than it can hold";
    std::istringstream lines(WrapLines(message, 48));
    std::string line;
    std::string joined;
    while (std::getline(lines, line)) {
        EXPECT_LE(line.size(), 48U) << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, message);
}

}  // namespace
}  // namespace bumblorbs
