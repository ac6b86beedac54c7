#pragma once

#include <stdexcept>

namespace bumblorbs {

// Raised for a misuse of the scene, such as a ball index outside 0..59.
// The host turns it into the program's fatal-error report.
class SceneFault : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

}  // namespace bumblorbs
