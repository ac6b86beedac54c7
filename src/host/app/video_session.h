#pragma once

namespace bumblorbs {

// SDL's video and SDL_ttf for the lifetime of the object. Refuses a video
// driver that shows nothing (SDL falls back to one when there is no display)
// unless SDL_VIDEODRIVER asks for it by name.
class VideoSession {
public:
    VideoSession();
    ~VideoSession();
    VideoSession(const VideoSession&) = delete;
    VideoSession& operator=(const VideoSession&) = delete;
};

}  // namespace bumblorbs
