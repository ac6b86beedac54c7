#pragma once

#include <cstdint>
#include <vector>

namespace bumblorbs {

// The alert sound: the user's own "Default Beep" from their sound scheme,
// else the toy's ding from memory. Each beep starts at once and cuts off the
// one still playing, so beeps never queue; with no sound device it is
// silent.
class SystemBeep {
public:
    SystemBeep();
    ~SystemBeep();
    SystemBeep(const SystemBeep&) = delete;
    SystemBeep& operator=(const SystemBeep&) = delete;

    void Beep();

private:
    // Whether the scheme names a sound file for the default beep.
    bool schemeHasBeep_;
    // Kept for as long as Windows may be playing it.
    std::vector<std::uint8_t> ding_;
};

}  // namespace bumblorbs
