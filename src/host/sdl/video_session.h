#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bumblorbs {

// Our own Wayland window's name among the video drivers.
inline constexpr std::string_view WaylandDriver = "wayland";

// A window system to try: our own Wayland window (Driver "wayland") or an
// SDL video driver, and the socket or display it reaches.
struct WindowSystemChoice {
    std::string Driver;
    std::string Target;
    bool operator==(const WindowSystemChoice&) const = default;
};

// What to try, best first, or why nothing is.
struct WindowSystemPlan {
    std::vector<WindowSystemChoice> Choices;
    std::string Refusal;
};

// The window systems worth trying for these environment values. The one
// SDL_VIDEODRIVER names decides where it is set and not empty; one that
// cannot show a window is refused. Otherwise Wayland where WAYLAND_DISPLAY
// is set, as current toolkits choose on a Wayland desktop, then X11 where
// DISPLAY is. Probing a system with nothing to reach only earns its
// library's complaints on stderr.
WindowSystemPlan WindowSystemsToTry(std::string_view sdlVideoDriver, std::string_view display,
                                    std::string_view waylandDisplay);

// SDL's events for the lifetime of the object, with SDL's video
// driver `sdlDriver` where one is named (none for our own Wayland window).
// The driver is forced: SDL is never left to pick one itself, as with no
// display it would settle on one that shows nothing.
class VideoSession {
public:
    explicit VideoSession(std::string_view sdlDriver);
    // The driver SDL_VIDEODRIVER names, else X11: for tests and benchmarks.
    VideoSession();
    ~VideoSession();
    VideoSession(const VideoSession&) = delete;
    VideoSession& operator=(const VideoSession&) = delete;

private:
    void QuitVideo() const;

    bool video_;
};

}  // namespace bumblorbs
