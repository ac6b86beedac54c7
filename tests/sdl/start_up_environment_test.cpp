#include "host/sdl/start_up_environment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace bumblorbs {
namespace {

std::string ValueOf(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "(unset)";
}

// SDL sees no session bus and no compose table while it starts; afterwards
// the environment is as it was, whether a variable was set or not.
TEST(StartUpEnvironmentTest, HidesTheBusAndComposeTableOnlyWhileItLives) {
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/run/user/1000/bus", 1);
    unsetenv("XCOMPOSEFILE");
    {
        const StartUpEnvironment quiet;
        EXPECT_EQ(ValueOf("DBUS_SESSION_BUS_ADDRESS"), "disabled:");
        EXPECT_EQ(ValueOf("XCOMPOSEFILE"), "/dev/null");
    }
    EXPECT_EQ(ValueOf("DBUS_SESSION_BUS_ADDRESS"), "unix:path=/run/user/1000/bus");
    EXPECT_EQ(ValueOf("XCOMPOSEFILE"), "(unset)");
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

}  // namespace
}  // namespace bumblorbs
