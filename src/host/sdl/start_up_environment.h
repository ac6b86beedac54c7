#pragma once

#include <array>
#include <optional>
#include <string>

namespace bumblorbs {

// For as long as it lives, SDL starts without what the toy, which takes no
// text and talks to no other program, never uses: no session bus (where
// none runs, D-Bus would launch one for it, some 20 ms) and no compose table
// for its input method (half a megabyte). The process's own environment is
// changed only meanwhile, and put back as it was; nothing is started while
// it is changed.
class StartUpEnvironment {
public:
    StartUpEnvironment();
    ~StartUpEnvironment();
    StartUpEnvironment(const StartUpEnvironment&) = delete;
    StartUpEnvironment& operator=(const StartUpEnvironment&) = delete;

private:
    struct Saved {
        const char* Name;
        std::optional<std::string> Value;
    };
    std::array<Saved, 2> saved_;
};

}  // namespace bumblorbs
