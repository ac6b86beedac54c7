#pragma once

#include <cstdint>

#include "behaviour/handle_mouse_up.h"
#include "host/window/mouse_input.h"

namespace bumblorbs {

// A released button as the program's rules count it.
constexpr std::int16_t RuleButton(MouseButton button) {
    switch (button) {
        case MouseButton::Left: return LeftButton;
        case MouseButton::Right: return RightButton;
        case MouseButton::Middle: return MiddleButton;
    }
    return 0;
}

// The shift keys held as the program's rules count them.
constexpr std::int16_t RuleShift(ShiftKeys keys) {
    return static_cast<std::int16_t>((keys.Shift ? ShiftKey : 0) | (keys.Ctrl ? CtrlKey : 0) |
                                     (keys.Alt ? AltKey : 0));
}

}  // namespace bumblorbs
