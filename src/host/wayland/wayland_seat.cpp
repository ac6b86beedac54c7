#include "host/wayland/wayland_seat.h"

#include <linux/input-event-codes.h>
#include <unistd.h>

#include <optional>
#include <utility>

namespace bumblorbs {
namespace {

std::optional<MouseButton> ButtonOf(std::uint32_t button) {
    switch (button) {
        case BTN_LEFT: return MouseButton::Left;
        case BTN_RIGHT: return MouseButton::Right;
        case BTN_MIDDLE: return MouseButton::Middle;
        default: return std::nullopt;
    }
}

// xkbcommon's keymaps list the real modifiers first: Shift, Lock, Control,
// Mod1 (Alt), so their bits in the modifier masks are fixed.
ShiftKeys KeysOf(std::uint32_t mask) {
    return {(mask & 1U) != 0, (mask & 4U) != 0, (mask & 8U) != 0};
}

}  // namespace

// The C callbacks the seat's events arrive through; `data` is the seat.
struct WaylandSeat::Listeners {
    static WaylandSeat& Seat(void* data) { return *static_cast<WaylandSeat*>(data); }

    static void Capabilities(void* data, wl_seat* /*seat*/, std::uint32_t capabilities) {
        Seat(data).Capabilities(capabilities);
    }
    static void SeatName(void* /*data*/, wl_seat* /*seat*/, const char* /*name*/) {}
    static constexpr wl_seat_listener SeatEvents{&Capabilities, &SeatName};

    static void Enter(void* data, wl_pointer* pointer, std::uint32_t serial,
                      wl_surface* /*surface*/, wl_fixed_t x, wl_fixed_t y) {
        WaylandSeat& seat = Seat(data);
        seat.pointerX_ = wl_fixed_to_double(x);
        seat.pointerY_ = wl_fixed_to_double(y);
        seat.cursor_.Show(pointer, serial, seat.geometry_.Scale120);
    }
    static void Leave(void* /*data*/, wl_pointer* /*pointer*/, std::uint32_t /*serial*/,
                      wl_surface* /*surface*/) {}
    static void Motion(void* data, wl_pointer* /*pointer*/, std::uint32_t /*time*/, wl_fixed_t x,
                       wl_fixed_t y) {
        Seat(data).pointerX_ = wl_fixed_to_double(x);
        Seat(data).pointerY_ = wl_fixed_to_double(y);
    }
    static void Button(void* data, wl_pointer* /*pointer*/, std::uint32_t /*serial*/,
                       std::uint32_t /*time*/, std::uint32_t button, std::uint32_t state) {
        if (state == WL_POINTER_BUTTON_STATE_RELEASED) {
            Seat(data).Released(button);
        }
    }
    static void Axis(void* /*data*/, wl_pointer* /*pointer*/, std::uint32_t /*time*/,
                     std::uint32_t /*axis*/, wl_fixed_t /*value*/) {}
    static void Frame(void* /*data*/, wl_pointer* /*pointer*/) {}
    static void AxisSource(void* /*data*/, wl_pointer* /*pointer*/, std::uint32_t /*source*/) {}
    static void AxisStop(void* /*data*/, wl_pointer* /*pointer*/, std::uint32_t /*time*/,
                         std::uint32_t /*axis*/) {}
    static void AxisSteps(void* /*data*/, wl_pointer* /*pointer*/, std::uint32_t /*axis*/,
                          std::int32_t /*steps*/) {}
    static constexpr wl_pointer_listener Pointer{&Enter,     &Leave,    &Motion,     &Button,
                                                 &Axis,      &Frame,    &AxisSource, &AxisStop,
                                                 &AxisSteps, &AxisSteps};

    static void Keymap(void* /*data*/, wl_keyboard* /*keyboard*/, std::uint32_t /*format*/,
                       std::int32_t fd, std::uint32_t /*size*/) {
        close(fd);
    }
    static void KeyboardEnter(void* /*data*/, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/,
                              wl_surface* /*surface*/, wl_array* /*keys*/) {}
    static void KeyboardLeave(void* data, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/,
                              wl_surface* /*surface*/) {
        Seat(data).shift_ = {};
    }
    static void Key(void* /*data*/, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/,
                    std::uint32_t /*time*/, std::uint32_t /*key*/, std::uint32_t /*state*/) {}
    static void Modifiers(void* data, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/,
                          std::uint32_t depressed, std::uint32_t latched, std::uint32_t /*locked*/,
                          std::uint32_t /*group*/) {
        Seat(data).shift_ = KeysOf(depressed | latched);
    }
    static void RepeatInfo(void* /*data*/, wl_keyboard* /*keyboard*/, std::int32_t /*rate*/,
                           std::int32_t /*delay*/) {}
    static constexpr wl_keyboard_listener Keyboard{&Keymap, &KeyboardEnter, &KeyboardLeave,
                                                   &Key,    &Modifiers,     &RepeatInfo};
};

void WaylandSeat::Listen(wl_seat* seat) {
    seat_ = seat;
    wl_seat_add_listener(seat_, &Listeners::SeatEvents, this);
}

std::vector<PointerRelease> WaylandSeat::TakeReleases() { return std::exchange(releases_, {}); }

void WaylandSeat::Capabilities(std::uint32_t capabilities) {
    const bool pointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
    if (pointer && !pointer_) {
        pointer_.reset(wl_seat_get_pointer(seat_));
        if (pointer_) {
            wl_pointer_add_listener(pointer_.get(), &Listeners::Pointer, this);
        }
    } else if (!pointer) {
        pointer_.reset();
    }
    const bool keyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    if (keyboard && !keyboard_) {
        keyboard_.reset(wl_seat_get_keyboard(seat_));
        if (keyboard_) {
            wl_keyboard_add_listener(keyboard_.get(), &Listeners::Keyboard, this);
        }
    } else if (!keyboard) {
        keyboard_.reset();
        shift_ = {};
    }
}

void WaylandSeat::Released(std::uint32_t button) {
    const std::optional<MouseButton> released = ButtonOf(button);
    const SurfaceGeometry& geometry = geometry_;
    if (!released || geometry.Logical.Width <= 0 || geometry.Logical.Height <= 0) {
        return;
    }
    // Surface coordinates are logical; the scene is drawn in the buffer's
    // pixels.
    const double scaleX = static_cast<double>(geometry.Buffer.Width) / geometry.Logical.Width;
    const double scaleY = static_cast<double>(geometry.Buffer.Height) / geometry.Logical.Height;
    releases_.push_back({*released, shift_, static_cast<float>(pointerX_ * scaleX),
                         static_cast<float>(pointerY_ * scaleY)});
}

}  // namespace bumblorbs
