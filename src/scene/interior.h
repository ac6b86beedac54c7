#pragma once

#include "scene/units.h"

namespace bumblorbs {

// The window's interior as the window system reports it. The scene asks on
// every read, so a resize is seen at the next read.
class Interior {
public:
    virtual ~Interior() = default;
    virtual TwipSize Size() const = 0;
};

}  // namespace bumblorbs
