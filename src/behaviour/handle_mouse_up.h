#pragma once

#include <cstdint>

#include "behaviour/host_services.h"
#include "scene/scene.h"

namespace bumblorbs {

// Button bits as the host reports a release.
inline constexpr std::int16_t LeftButton = 1;
inline constexpr std::int16_t RightButton = 2;
inline constexpr std::int16_t MiddleButton = 4;

// Key bits of the shift argument: the keys held at the release.
inline constexpr std::int16_t ShiftKey = 1;
inline constexpr std::int16_t CtrlKey = 2;
inline constexpr std::int16_t AltKey = 4;

// A mouse button released over the interior: left repaints the background in
// a random colour, right ends the program, middle does nothing. Shift and the
// position are part of the event but play no part in it.
void HandleMouseUp(Scene& scene, HostServices& host, std::int16_t button, std::int16_t shift,
                   Twips x, Twips y);

}  // namespace bumblorbs
