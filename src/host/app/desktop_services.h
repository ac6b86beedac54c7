#pragma once

#include <string>

#include "host/app/stop_signals.h"
#include "host/core/random_generator.h"
#include "host/loop/loop_services.h"

namespace bumblorbs {

class Beeper;

// The services the program's rules get on the desktop: the local clock, the
// program's generator, the user's digit grouping and the alert sound.
class DesktopServices final : public LoopServices {
public:
    explicit DesktopServices(Beeper* beeper);

    float SecondsSinceMidnight() override;
    void SeedRandom(float seed) override { generator_.Seed(seed); }
    float NextRandom() override { return generator_.Next(); }
    std::string FormatNumber(std::int64_t value, std::string_view pattern) override;
    void SoundBeep() override;
    void UnloadWindow() override { unloaded_ = true; }

    // SIGTERM and SIGINT close the window as the window system's close
    // request does.
    bool Unloaded() const override { return unloaded_ || StopRequested(); }
    // Lets the sound device rest once the last beep has played out.
    void Ticked() override;
    const std::string& GroupSeparator() const override { return separator_; }

private:
    Beeper* beeper_;
    RandomGenerator generator_;
    std::string separator_;
    bool unloaded_ = false;
};

}  // namespace bumblorbs
