#include "host/audio/beeper.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

#include "host/core/ding.h"

namespace bumblorbs {
namespace {

constexpr int SampleRate = 48000;
// Samples SDL asks for at a time: about 11 ms, so a beep starts soon after
// its bounce.
constexpr Uint16 BufferSamples = 512;

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

Beeper::Beeper() : ding_(SynthesiseDing(SampleRate)) {
    QuietStderr quiet;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        problem_ = SDL_GetError();
        return;
    }
    audio_ = true;
    fadeLength_ = SampleRate / 250;  // 4 ms
    // Opened once now to learn whether there is sound at all; the first
    // RestWhenSilent closes it again until the first beep.
    if (!Open()) {
        problem_ = SDL_GetError();
        if (problem_.empty()) {
            problem_ = "no audio device could be opened";
        }
    }
}

Beeper::~Beeper() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
    }
    if (audio_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
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
    if (device_ == 0) {
        if (!Working() || lost_) {
            return;
        }
        // The ding starts at silence, so a device opened for it makes no
        // click. One that has gone away since is not asked for again.
        const QuietStderr quiet;
        lost_ = !Open();
        if (lost_) {
            return;
        }
    }
    restart_.store(true, std::memory_order_release);
}

void Beeper::RestWhenSilent() {
    if (device_ == 0) {
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
