// clang-format off
// GoogleTest comes first: Xlib's macros (None, Bool) clash with its names.
#include <gtest/gtest.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
// clang-format on

#include "host/app/fatal_report.h"
#include "host/x11/x11_errors.h"

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

TEST(X11ErrorsDeathTest, AWindowThatVanishesMeansTheServerIsGoing) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    HandleX11Errors(&ExitAtOnce);
    // As a shutting-down XWayland answers an input request and a put of pixels.
    constexpr unsigned char XInputMajor = 131;
    EXPECT_EXIT(Raise(BadWindow, XInputMajor), ::testing::ExitedWithCode(1),
                "^Bumblorbs: fatal error: lost the connection to the X server\n$");
    EXPECT_EXIT(Raise(BadDrawable, X_PutImage), ::testing::ExitedWithCode(1),
                "lost the connection to the X server");
    XSetErrorHandler(nullptr);
}

}  // namespace
}  // namespace bumblorbs
