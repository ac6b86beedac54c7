#include "host/sdl/start_up_environment.h"

#include <cstdlib>

namespace bumblorbs {
namespace {

std::optional<std::string> ValueOf(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace

StartUpEnvironment::StartUpEnvironment()
    : saved_{{{"DBUS_SESSION_BUS_ADDRESS", ValueOf("DBUS_SESSION_BUS_ADDRESS")},
              {"XCOMPOSEFILE", ValueOf("XCOMPOSEFILE")}}} {
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    setenv("XCOMPOSEFILE", "/dev/null", 1);
}

StartUpEnvironment::~StartUpEnvironment() {
    for (const Saved& saved : saved_) {
        if (saved.Value) {
            setenv(saved.Name, saved.Value->c_str(), 1);
        } else {
            unsetenv(saved.Name);
        }
    }
}

}  // namespace bumblorbs
