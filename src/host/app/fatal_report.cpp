#include "host/app/fatal_report.h"

#include <string>

#include "host/app/stop_signals.h"
#include "host/core/exit_at_once.h"
#include "host/core/say.h"

namespace bumblorbs {

void ReportFatal(std::string_view what, HostWindow* window) {
    Say(std::string(FatalPrefix) + std::string(what));
    // The user already knows why; the message must not keep them from ending it.
    EndAtOnceOnStop();
    if (window != nullptr) {
        window->ShowFatal(what);
    }
}

}  // namespace bumblorbs
