#include "host/wayland/surface_scale.h"

#include <algorithm>
#include <cstdint>

namespace bumblorbs {

int ScaledLength(int logical, int scale120) {
    const std::int64_t scaled = std::int64_t{logical} * scale120;
    return static_cast<int>((scaled + ScaleDenominator / 2) / ScaleDenominator);
}

SurfaceGeometry GeometryFor(PixelSize logical, std::optional<int> fractional120, bool canViewport,
                            int integerScale) {
    SurfaceGeometry geometry;
    geometry.Logical = logical;
    if (fractional120 && *fractional120 > 0 && canViewport) {
        geometry.Scale120 = *fractional120;
        geometry.Viewport = true;
        geometry.Buffer = {ScaledLength(logical.Width, geometry.Scale120),
                           ScaledLength(logical.Height, geometry.Scale120)};
    } else {
        geometry.BufferScale = std::max(1, integerScale);
        geometry.Scale120 = geometry.BufferScale * ScaleDenominator;
        geometry.Buffer = {logical.Width * geometry.BufferScale,
                           logical.Height * geometry.BufferScale};
    }
    return geometry;
}

int IntegerScale(std::span<const int> outputScales) {
    int scale = 1;
    for (const int output : outputScales) {
        scale = std::max(scale, output);
    }
    return scale;
}

float DpiAt(const SurfaceGeometry& geometry) {
    return 96.0F * static_cast<float>(geometry.Scale120) / static_cast<float>(ScaleDenominator);
}

}  // namespace bumblorbs
