#pragma once

#include <cstdlib>
#include <string_view>

namespace bumblorbs {

// The value of an environment variable, empty where it is not set.
inline std::string_view Environment(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr ? value : "";
}

}  // namespace bumblorbs
