#pragma once

#include <SDL_audio.h>

#include <atomic>
#include <string>
#include <vector>

namespace bumblorbs {

// Plays the alert sound through SDL audio. Audio is a comfort, not a need:
// SDL's audio, and the sound libraries it loads, start only at the first
// beep; when no device opens then, the toy says so in one line, lets the
// libraries go and goes on silently. The device is closed while nothing
// plays: SDL's audio thread would otherwise wake a hundred times a second
// to play silence, paused or not. A beep opens it again, which takes a few
// milliseconds. A device that goes away (a sound server that ends) is
// looked for again every few seconds while beeps are asked for, and the
// beep returns with it.
class Beeper {
public:
    Beeper();
    ~Beeper();
    Beeper(const Beeper&) = delete;
    Beeper& operator=(const Beeper&) = delete;

    // Starts the sound from its beginning, cutting off one still playing, so
    // that beeps never queue up. Returns at once.
    void Beep();
    // Closes the device once the last sound has played out. Called from the
    // thread that beeps, now and then (the toy does so every tick).
    void RestWhenSilent();
    // False once the first beep found no sound device.
    bool Working() const { return problem_.empty(); }
    const std::string& Problem() const { return problem_; }

private:
    // Starts SDL's audio and opens the device for the first beep; where
    // that fails, says so and stops SDL's audio for good.
    bool Start();
    bool Open();
    // Opens the device for a beep; a lost one is looked for again now and
    // then, and is said to be back when it opens.
    bool OpenForBeep();
    // With the sound libraries' own complaints muted.
    bool OpenQuietly();
    bool RestartAudio();
    // Says once that the device is gone, and waits a while to look again.
    void Lose();
    static void Fill(void* self, Uint8* stream, int length);
    void Mix(float* out, int count);

    std::vector<float> ding_;
    SDL_AudioDeviceID device_ = 0;
    std::string problem_;
    bool audio_ = false;  // SDL's audio subsystem is up
    bool lost_ = false;   // the device went away or would not open again
    Uint64 nextTry_ = 0;  // when to look for a lost device again, in SDL ticks
    std::atomic<bool> restart_{false};
    // Owned by the audio thread, read under the device's lock.
    std::size_t position_ = 0;
    std::size_t fadingPosition_ = 0;
    int fadeLeft_ = 0;
    int fadeLength_ = 0;
};

}  // namespace bumblorbs
