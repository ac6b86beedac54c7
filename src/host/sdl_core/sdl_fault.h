#pragma once

#include <string>

#include "host/core/host_fault.h"

namespace bumblorbs {

// Throws HostFault naming the failed call and SDL's reason.
[[noreturn]] void ThrowSdlFault(const std::string& call);

}  // namespace bumblorbs
