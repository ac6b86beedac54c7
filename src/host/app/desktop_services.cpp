#include "host/app/desktop_services.h"

#include "host/audio/beeper.h"
#include "host/core/locale_separator.h"
#include "host/core/number_format.h"

namespace bumblorbs {

DesktopServices::DesktopServices(Beeper* beeper)
    : LocalServices(LocaleGroupSeparator()), beeper_(beeper) {}

std::string DesktopServices::FormatNumber(std::int64_t value, std::string_view pattern) {
    return FormatByPattern(value, pattern, GroupSeparator());
}

void DesktopServices::SoundBeep() {
    if (beeper_ != nullptr) {
        beeper_->Beep();
    }
}

void DesktopServices::Ticked() {
    if (beeper_ != nullptr) {
        beeper_->RestWhenSilent();
    }
}

}  // namespace bumblorbs
