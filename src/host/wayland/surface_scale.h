#pragma once

#include <optional>
#include <span>

#include "host/window/host_window.h"

namespace bumblorbs {

// Fractional scales come in 120ths: 180 is 1.5.
inline constexpr int ScaleDenominator = 120;

// How a surface of a logical size is drawn at a scale: the buffer's real
// pixels, and either the integer buffer scale or a viewport that shows the
// buffer at the logical size.
struct SurfaceGeometry {
    PixelSize Logical;
    PixelSize Buffer;
    // The scale in 120ths that the buffer is drawn at.
    int Scale120 = ScaleDenominator;
    // wl_surface.set_buffer_scale's value; 1 where a viewport scales.
    int BufferScale = 1;
    bool Viewport = false;

    bool operator==(const SurfaceGeometry&) const = default;
};

// A logical length at a scale in 120ths, rounded half away from zero as
// fractional-scale-v1 asks.
int ScaledLength(int logical, int scale120);

// The buffer for a surface: at the fractional scale where the compositor
// prefers one and a viewport can show it, else at the integer scale.
SurfaceGeometry GeometryFor(PixelSize logical, std::optional<int> fractional120, bool canViewport,
                            int integerScale);

// The integer scale of a surface on these outputs: the largest, so that it
// is sharp on each; 1 on none.
int IntegerScale(std::span<const int> outputScales);

// Dots per inch of the buffer's pixels.
float DpiAt(const SurfaceGeometry& geometry);

}  // namespace bumblorbs
