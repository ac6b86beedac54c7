#pragma once

#include <SDL_pixels.h>

#include "scene/units.h"

namespace bumblorbs {

// A scene colour (0x00BBGGRR) as SDL takes it, opaque.
constexpr SDL_Color SdlColour(Colour colour) {
    return {static_cast<Uint8>(RedOf(colour)), static_cast<Uint8>(GreenOf(colour)),
            static_cast<Uint8>(BlueOf(colour)), SDL_ALPHA_OPAQUE};
}

// A scene colour as a pixel of the format.
inline Uint32 PixelOf(Colour colour, const SDL_PixelFormat* format) {
    const SDL_Color rgb = SdlColour(colour);
    return SDL_MapRGB(format, rgb.r, rgb.g, rgb.b);
}

}  // namespace bumblorbs
