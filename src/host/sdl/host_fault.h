#pragma once

#include <stdexcept>
#include <string>

namespace bumblorbs {

// A platform call failed; the message says which and why.
class HostFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// There is no display to show the window on.
class NoDisplay : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws HostFault naming the failed call and SDL's reason.
[[noreturn]] void ThrowSdlFault(const std::string& call);

}  // namespace bumblorbs
