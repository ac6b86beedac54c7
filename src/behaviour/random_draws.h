#pragma once

#include "behaviour/host_services.h"

namespace bumblorbs {

// A whole number from `lowest` to `highest` from the host's generator. The
// product is taken in double so that no draw rounds up past `highest`.
inline double RandomWhole(HostServices& host, int lowest, int highest) {
    return host.Floor(static_cast<double>(host.NextRandom()) * (highest - lowest + 1)) + lowest;
}

// Red, then green, then blue, each from `lowestComponent` to 255.
inline Colour RandomColour(HostServices& host, int lowestComponent) {
    const auto component = [&] {
        return static_cast<int>(RandomWhole(host, lowestComponent, 255));
    };
    const int red = component();
    const int green = component();
    const int blue = component();
    return host.MakeColour(red, green, blue);
}

}  // namespace bumblorbs
