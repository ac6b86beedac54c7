#pragma once

#include <SDL_audio.h>

#include <atomic>
#include <string>
#include <vector>

namespace bumblorbs {

// Plays the alert sound through SDL audio. Audio is a comfort, not a need:
// when no device opens, the toy goes on silently and Problem() says why.
class Beeper {
public:
    Beeper();
    ~Beeper();
    Beeper(const Beeper&) = delete;
    Beeper& operator=(const Beeper&) = delete;

    // Starts the sound from its beginning, cutting off one still playing, so
    // that beeps never queue up. Returns at once.
    void Beep();
    bool Working() const { return device_ != 0; }
    const std::string& Problem() const { return problem_; }

private:
    static void Fill(void* self, Uint8* stream, int length);
    void Mix(float* out, int count);

    std::vector<float> ding_;
    SDL_AudioDeviceID device_ = 0;
    std::string problem_;
    std::atomic<bool> restart_{false};
    // Owned by the audio thread.
    std::size_t position_ = 0;
    std::size_t fadingPosition_ = 0;
    int fadeLeft_ = 0;
    int fadeLength_ = 0;
};

}  // namespace bumblorbs
