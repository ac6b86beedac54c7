#pragma once

#include <cstdint>

namespace bumblorbs {

// The mouse buttons the program tells apart, whichever window system reports
// them; other buttons are never handed on.
enum class MouseButton : std::uint8_t { Left, Right, Middle };

// The shift keys held at a mouse release.
struct ShiftKeys {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
    bool operator==(const ShiftKeys&) const = default;
};

}  // namespace bumblorbs
