#pragma once

namespace bumblorbs {

// Keeps the window full screen where the compositor lets it go: after an
// output is unplugged a compositor may configure the window without the
// state, and after a mode change of its output one may only say the new
// mode. Each such change gets one request for full screen again, so that a
// compositor that will not grant it is never asked in a loop.
class FullscreenKeeper {
public:
    // A configure came, with or without the fullscreen state: whether to
    // ask for it again.
    bool AskAfterConfigure(bool fullscreen) {
        if (fullscreen) {
            answered_ = true;
            return false;
        }
        const bool ask = answered_;
        answered_ = false;
        return ask;
    }

    // An output the window is on changed its mode: whether to ask for full
    // screen again, so that the compositor fits the window to the new mode.
    bool AskAfterModeChange() {
        answered_ = false;
        return true;
    }

private:
    // Whether the last request was granted; the first goes with the
    // window's opening, so until a configure grants it there is no other.
    bool answered_ = false;
};

}  // namespace bumblorbs
