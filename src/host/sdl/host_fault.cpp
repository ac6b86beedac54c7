#include "host/sdl/host_fault.h"

#include <SDL.h>

namespace bumblorbs {

void ThrowSdlFault(const std::string& call) { throw HostFault(call + ": " + SDL_GetError()); }

}  // namespace bumblorbs
