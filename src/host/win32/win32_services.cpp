#include "host/win32/win32_services.h"

#include "host/win32/system_beep.h"
#include "host/win32/user_number_format.h"

namespace bumblorbs {

Win32Services::Win32Services(SystemBeep* beep) : LocalServices(UserGroupSeparator()), beep_(beep) {}

std::string Win32Services::FormatNumber(std::int64_t value, std::string_view pattern) {
    return FormatUserNumber(value, pattern);
}

void Win32Services::SoundBeep() {
    if (beep_ != nullptr) {
        beep_->Beep();
    }
}

}  // namespace bumblorbs
