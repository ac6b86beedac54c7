#include "behaviour/handle_mouse_up.h"

#include "behaviour/random_draws.h"

namespace bumblorbs {

void HandleMouseUp(Scene& scene, HostServices& host, std::int16_t button,
                   [[maybe_unused]] std::int16_t shift, [[maybe_unused]] Twips x,
                   [[maybe_unused]] Twips y) {
    if ((button & LeftButton) != 0) {
        host.SeedRandom(host.SecondsSinceMidnight());
        // Every component is at least 1: a left click never gives back the
        // designed black.
        scene.SetBackColor(RandomColour(host, 1));
    } else if ((button & RightButton) != 0) {
        host.UnloadWindow();
    }
}

}  // namespace bumblorbs
