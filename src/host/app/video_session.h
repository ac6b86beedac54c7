#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bumblorbs {

// A video driver to try, and what to tell the user when it cannot start.
struct VideoDriverChoice {
    std::string Driver;
    std::string WhenUnreachable;
};

// The drivers worth trying for these environment values, best first: the
// one SDL_VIDEODRIVER names, else X11 where DISPLAY is set and Wayland where
// WAYLAND_DISPLAY is. Probing a driver with nothing to reach only earns its
// library's complaints on stderr. Empty when there is no display at all.
std::vector<VideoDriverChoice> VideoDriversToTry(std::string_view sdlVideoDriver,
                                                 std::string_view display,
                                                 std::string_view waylandDisplay);

// SDL's video and SDL_ttf for the lifetime of the object. SDL is never left
// to pick a driver itself: with no display it would settle on one that shows
// nothing, and the toy would run invisibly.
class VideoSession {
public:
    VideoSession();
    ~VideoSession();
    VideoSession(const VideoSession&) = delete;
    VideoSession& operator=(const VideoSession&) = delete;
};

}  // namespace bumblorbs
