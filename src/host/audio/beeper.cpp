#include "host/audio/beeper.h"

#include <SDL.h>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <thread>

#include "host/core/ding.h"
#include "host/core/say.h"

namespace bumblorbs {
namespace {

constexpr int SampleRate = 48000;
// Samples SDL asks for at a time: about 11 ms, so a beep starts soon after
// its bounce.
constexpr Uint16 BufferSamples = 512;

// How long a lost device is left before it is looked for again: the search
// starts SDL's audio afresh, which is too slow to do on every beep.
constexpr Uint64 RetryMs = 3000;

// How long the program waits at its end for the device to close.
constexpr std::chrono::milliseconds CloseLimit{500};

// Sound libraries print pages of their own diagnostics when no device
// exists; the toy says what matters in one line instead, so their stderr is
// muted while the device is opened.
class QuietStderr {
public:
    QuietStderr() : saved_(dup(STDERR_FILENO)) {
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0) {
            dup2(null, STDERR_FILENO);
        }
        if (null >= 0) {
            close(null);
        }
    }
    ~QuietStderr() {
        if (saved_ >= 0) {
            dup2(saved_, STDERR_FILENO);
            close(saved_);
        }
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int saved_;
};

}  // namespace

Beeper::Beeper() : ding_(SynthesiseDing(SampleRate)), fadeLength_(SampleRate / 250) {}  // 4 ms

Beeper::~Beeper() {
    if (device_ != 0) {
        // Paused, the device calls this object no more, so it can be left
        // to the process's end where closing it does not finish: a sound
        // server that stalls keeps SDL's close waiting on its audio thread
        // for ever. Quitting SDL's audio would wait on that thread too.
        SDL_PauseAudioDevice(device_, 1);
        std::promise<void> closed;
        std::future<void> done = closed.get_future();
        std::thread closer([device = device_, closed = std::move(closed)]() mutable {
            SDL_CloseAudioDevice(device);
            closed.set_value();
        });
        if (done.wait_for(CloseLimit) != std::future_status::ready) {
            closer.detach();
            return;
        }
        closer.join();
    }
    if (audio_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool Beeper::Start() {
    {
        const QuietStderr quiet;
        audio_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (audio_ && Open()) {
            return true;
        }
        problem_ = SDL_GetError();
        if (problem_.empty()) {
            problem_ = "no audio device could be opened";
        }
        if (audio_) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            audio_ = false;
        }
        // The sound libraries' probing leaves freed memory behind.
        malloc_trim(0);
    }
    Say("no sound (" + problem_ + "); carrying on silently");
    return false;
}

bool Beeper::Open() {
    SDL_AudioSpec wanted{};
    wanted.freq = SampleRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 1;
    wanted.samples = BufferSamples;
    wanted.callback = &Beeper::Fill;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    position_ = ding_.size();
    fadeLeft_ = 0;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ != 0) {
        SDL_PauseAudioDevice(device_, 0);
    }
    return device_ != 0;
}

void Beeper::Beep() {
    if (device_ == 0 && !OpenForBeep()) {
        return;
    }
    restart_.store(true, std::memory_order_release);
}

bool Beeper::OpenForBeep() {
    if (!Working()) {
        return false;
    }
    if (!audio_ && !lost_) {
        return Start();
    }
    // The ding starts at silence, so a device opened for it makes no click.
    if (!lost_) {
        if (!OpenQuietly()) {
            Lose();
            return false;
        }
        return true;
    }
    const Uint64 now = SDL_GetTicks64();
    if (now < nextTry_) {
        return false;
    }
    nextTry_ = now + RetryMs;
    // A sound server's connection dies with the server, and only a fresh
    // start of SDL's audio makes a new one.
    if (!RestartAudio()) {
        return false;
    }
    lost_ = false;
    Say("the sound device is back");
    return true;
}

bool Beeper::OpenQuietly() {
    const QuietStderr quiet;
    return Open();
}

bool Beeper::RestartAudio() {
    const QuietStderr quiet;
    if (audio_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    audio_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    return audio_ && Open();
}

void Beeper::Lose() {
    lost_ = true;
    nextTry_ = SDL_GetTicks64() + RetryMs;
    Say("lost the sound device; the beep comes back with it");
}

void Beeper::RestWhenSilent() {
    if (device_ == 0) {
        return;
    }
    if (SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED) {
        // The device went away while open: it plays nothing any more.
        SDL_CloseAudioDevice(device_);
        device_ = 0;
        Lose();
        return;
    }
    SDL_LockAudioDevice(device_);
    const bool silent = !restart_.load(std::memory_order_acquire) && position_ >= ding_.size() &&
                        (fadeLeft_ == 0 || fadingPosition_ >= ding_.size());
    SDL_UnlockAudioDevice(device_);
    if (silent) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
}

void Beeper::Fill(void* self, Uint8* stream, int length) {
    static_cast<Beeper*>(self)->Mix(reinterpret_cast<float*>(stream),
                                    length / static_cast<int>(sizeof(float)));
}

void Beeper::Mix(float* out, int count) {
    if (restart_.exchange(false, std::memory_order_acq_rel)) {
        // The sound being cut off fades out over a few milliseconds under the
        // new one, so a restart never clicks.
        fadingPosition_ = position_;
        fadeLeft_ = position_ < ding_.size() ? fadeLength_ : 0;
        position_ = 0;
    }
    for (int n = 0; n < count; ++n) {
        float sample = 0;
        if (position_ < ding_.size()) {
            sample += ding_[position_++];
        }
        if (fadeLeft_ > 0 && fadingPosition_ < ding_.size()) {
            sample += ding_[fadingPosition_++] * static_cast<float>(fadeLeft_) /
                      static_cast<float>(fadeLength_);
            --fadeLeft_;
        }
        out[n] = std::clamp(sample, -1.0F, 1.0F);
    }
}

}  // namespace bumblorbs
