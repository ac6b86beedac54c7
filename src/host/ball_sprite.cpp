#include "host/ball_sprite.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "host/host_fault.h"

namespace bumblorbs {
namespace {

float Coverage(float edge) { return std::clamp(edge + 0.5F, 0.0F, 1.0F); }

std::uint32_t Channel(float fill, float border, float fillShare, float borderShare,
                      float alpha) {
    return static_cast<std::uint32_t>(
        std::lround((fill * fillShare + border * borderShare) / alpha));
}

}  // namespace

SurfaceHandle DrawBallSprite(int diameter, Colour fill, Colour border) {
    SurfaceHandle sprite(
        SDL_CreateRGBSurfaceWithFormat(0, diameter, diameter, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!sprite) {
        ThrowSdlFault("SDL_CreateRGBSurfaceWithFormat");
    }
    SDL_SetSurfaceBlendMode(sprite.get(), SDL_BLENDMODE_BLEND);
    const float radius = static_cast<float>(diameter) / 2;
    for (int y = 0; y < diameter; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(sprite->pixels) +
                                                     y * sprite->pitch);
        for (int x = 0; x < diameter; ++x) {
            // Coverage of the pixel by the whole disc and by the disc inside
            // the outline; the ring between them is the outline.
            const float distance =
                std::hypot(static_cast<float>(x) + 0.5F - radius, static_cast<float>(y) + 0.5F - radius);
            const float disc = Coverage(radius - distance);
            const float inner = Coverage(radius - 1 - distance);
            if (disc <= 0) {
                row[x] = 0;
                continue;
            }
            const float ring = disc - inner;
            const std::uint32_t red = Channel(RedOf(fill), RedOf(border), inner, ring, disc);
            const std::uint32_t green = Channel(GreenOf(fill), GreenOf(border), inner, ring, disc);
            const std::uint32_t blue = Channel(BlueOf(fill), BlueOf(border), inner, ring, disc);
            const auto alpha = static_cast<std::uint32_t>(std::lround(disc * 255));
            row[x] = (alpha << 24U) | (red << 16U) | (green << 8U) | blue;
        }
    }
    return sprite;
}

}  // namespace bumblorbs
