// clang-format off
// GoogleTest comes first: Xlib's macros (None, Bool) clash with its names.
#include <gtest/gtest.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
// clang-format on

#include "host/x11/x11_errors.h"

#include <chrono>
#include <thread>

#include "host/core/exit_at_once.h"

namespace bumblorbs {
namespace {

int earlierCalls = 0;
int EarlierHandler(Display* /*display*/, XErrorEvent* /*error*/) {
    ++earlierCalls;
    return 0;
}

// Runs the error handler now installed on an error of the given kind.
void Raise(unsigned char code, unsigned char request) {
    const XErrorHandler installed = XSetErrorHandler(nullptr);
    XSetErrorHandler(installed);
    XErrorEvent error{};
    error.type = 0;
    error.error_code = code;
    error.request_code = request;
    installed(nullptr, &error);
}

TEST(X11ErrorsTest, IgnoresAWakeUpSentToAClosedWindowAndPassesOnTheRest) {
    XSetErrorHandler(&EarlierHandler);
    HandleX11Errors(&ExitAtOnce);
    earlierCalls = 0;
    Raise(BadWindow, X_SendEvent);
    EXPECT_EQ(earlierCalls, 0);
    Raise(BadValue, X_SendEvent);
    Raise(BadAtom, X_GetProperty);
    EXPECT_EQ(earlierCalls, 2);
    XSetErrorHandler(nullptr);
}

// A window that vanishes while the server stays was closed by another
// program; a server going away closes the connection within that time,
// which the end-to-end tests show.
TEST(X11ErrorsDeathTest, AWindowThatVanishesWhileTheServerStaysWasClosed) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    HandleX11Errors(&ExitAtOnce);
    const auto vanishes = [](unsigned char code, unsigned char request) {
        Raise(code, request);
        Raise(code, request);  // one line, however many errors follow
        std::this_thread::sleep_for(std::chrono::seconds(5));
    };
    // As the server answers an input request and a put of pixels.
    constexpr unsigned char XInputMajor = 131;
    EXPECT_EXIT(vanishes(BadWindow, XInputMajor), ::testing::ExitedWithCode(1),
                "^Bumblorbs: fatal error: the window was closed by another program\n$");
    EXPECT_EXIT(vanishes(BadDrawable, X_PutImage), ::testing::ExitedWithCode(1),
                "the window was closed by another program");
    XSetErrorHandler(nullptr);
}

}  // namespace
}  // namespace bumblorbs
