#pragma once

#include <string>

#include "host/loop/local_services.h"

namespace bumblorbs {

class SystemBeep;

// The services the program's rules get on Windows: the local clock, the
// program's generator, Windows' own number formatting in the user's locale,
// and the system's beep.
class Win32Services final : public LocalServices {
public:
    // `beep` may be null: the toy then runs silently, as a saver does.
    explicit Win32Services(SystemBeep* beep);

    std::string FormatNumber(std::int64_t value, std::string_view pattern) override;
    void SoundBeep() override;

    // The system's beep needs no rest.
    void Ticked() override {}

private:
    SystemBeep* beep_;
};

}  // namespace bumblorbs
