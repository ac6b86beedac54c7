#pragma once

#include <string>

#include "behaviour/host_services.h"

namespace bumblorbs {

// What the program loop needs of its platform besides the rules' services.
class LoopServices : public HostServices {
public:
    // Whether the window was unloaded, or the program was asked to stop.
    virtual bool Unloaded() const = 0;
    // After each tick's step: lets a sound device rest once the last beep
    // has played out.
    virtual void Ticked() = 0;
    // The user's digit group separator, which the labels' text is cached for.
    virtual const std::string& GroupSeparator() const = 0;
};

}  // namespace bumblorbs
