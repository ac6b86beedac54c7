#include "host/app/desktop_window.h"

#include "host/app/desktop_services.h"
#include "host/core/say.h"
#include "host/loop/program_loop.h"
#include "host/ttf/ttf_glyph_source.h"

namespace bumblorbs {

void RunDesktopWindow(HostWindow& window, Beeper* beeper) {
    DesktopServices services(beeper);
    TtfGlyphSources fonts;
    ProgramLoop form1(window, services, fonts);
    if (!form1.AllTextCovered()) {
        Say("no installed font can draw all of the window's text; install the Debian package "
            "fonts-ipafont-gothic");
    }
    form1.Run();
}

}  // namespace bumblorbs
