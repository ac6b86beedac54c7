#pragma once

#include <string>

#include "host/app/stop_signals.h"
#include "host/loop/local_services.h"

namespace bumblorbs {

class Beeper;

// The services the program's rules get on the desktop: the local clock, the
// program's generator, the user's digit grouping and the alert sound.
class DesktopServices final : public LocalServices {
public:
    explicit DesktopServices(Beeper* beeper);

    std::string FormatNumber(std::int64_t value, std::string_view pattern) override;
    void SoundBeep() override;

    // SIGTERM and SIGINT close the window as the window system's close
    // request does.
    bool Unloaded() const override { return LocalServices::Unloaded() || StopRequested(); }
    // Lets the sound device rest once the last beep has played out.
    void Ticked() override;

private:
    Beeper* beeper_;
};

}  // namespace bumblorbs
