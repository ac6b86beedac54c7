#include "host/sdl/unread_events.h"

#include <SDL.h>
#include <SDL_syswm.h>

namespace bumblorbs {
namespace {

bool IsX11Input(const SDL_SysWMmsg& message) {
    if (message.subsystem != SDL_SYSWM_X11) {
        return false;
    }
    switch (message.msg.x11.event.type) {
        case KeyPress:
        case KeyRelease:
        case ButtonPress:
        case ButtonRelease:
        case MotionNotify:
        case EnterNotify:
        case LeaveNotify: return true;
        default: return false;
    }
}

int KeepRead(void* /*unused*/, SDL_Event* event) {
    switch (event->type) {
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEWHEEL:
        case SDL_KEYDOWN:
        case SDL_KEYUP:
        case SDL_TEXTEDITING:
        case SDL_TEXTINPUT:
        case SDL_FINGERDOWN:
        case SDL_FINGERUP:
        case SDL_FINGERMOTION: return 0;
        case SDL_SYSWMEVENT: return IsX11Input(*event->syswm.msg) ? 0 : 1;
        default: return 1;
    }
}

}  // namespace

void DropUnreadEvents() {
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    SDL_SetEventFilter(&KeepRead, nullptr);
}

}  // namespace bumblorbs
