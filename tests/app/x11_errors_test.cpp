// clang-format off
// GoogleTest comes first: Xlib's macros (None, Bool) clash with its names.
#include <gtest/gtest.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
// clang-format on

#include "host/app/x11_errors.h"

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
    HandleX11Errors();
    earlierCalls = 0;
    Raise(BadWindow, X_SendEvent);
    EXPECT_EQ(earlierCalls, 0);
    Raise(BadWindow, X_MapWindow);
    Raise(BadValue, X_SendEvent);
    EXPECT_EQ(earlierCalls, 2);
    XSetErrorHandler(nullptr);
}

}  // namespace
}  // namespace bumblorbs
