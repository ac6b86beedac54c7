#pragma once

#include <stdexcept>

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

}  // namespace bumblorbs
