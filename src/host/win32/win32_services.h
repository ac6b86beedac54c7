#pragma once

#include <string>

#include "host/core/random_generator.h"
#include "host/loop/loop_services.h"

namespace bumblorbs {

class SystemBeep;

// The services the program's rules get on Windows: the local clock, the
// program's generator, Windows' own number formatting in the user's locale,
// and the system's beep.
class Win32Services final : public LoopServices {
public:
    // `beep` may be null: the toy then runs silently, as a saver does.
    explicit Win32Services(SystemBeep* beep);

    float SecondsSinceMidnight() override;
    void SeedRandom(float seed) override { generator_.Seed(seed); }
    float NextRandom() override { return generator_.Next(); }
    std::string FormatNumber(std::int64_t value, std::string_view pattern) override;
    void SoundBeep() override;
    void UnloadWindow() override { unloaded_ = true; }

    bool Unloaded() const override { return unloaded_; }
    // The system's beep needs no rest.
    void Ticked() override {}
    const std::string& GroupSeparator() const override { return separator_; }

private:
    SystemBeep* beep_;
    RandomGenerator generator_;
    std::string separator_;
    bool unloaded_ = false;
};

}  // namespace bumblorbs
