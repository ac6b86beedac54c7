#include "host/sdl_core/sdl_fault.h"

#include <SDL.h>

namespace bumblorbs {

void ThrowSdlFault(const std::string& call) {
    const std::string reason = SDL_GetError();
    throw HostFault(call + ": " + (reason.empty() ? "it failed and SDL gave no reason" : reason));
}

}  // namespace bumblorbs
