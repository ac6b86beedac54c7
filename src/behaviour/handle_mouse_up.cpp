#include "behaviour/handle_mouse_up.h"

namespace bumblorbs {
namespace {

// 1..255: a left click never gives back the designed black.
int RandomBackgroundComponent(HostServices& host) {
    return static_cast<int>(host.Floor(static_cast<double>(host.NextRandom()) * 255) + 1);
}

}  // namespace

void HandleMouseUp(Scene& scene, HostServices& host, std::int16_t button,
                   [[maybe_unused]] std::int16_t shift, [[maybe_unused]] Twips x,
                   [[maybe_unused]] Twips y) {
    if ((button & LeftButton) != 0) {
        host.SeedRandom(host.SecondsSinceMidnight());
        const int red = RandomBackgroundComponent(host);
        const int green = RandomBackgroundComponent(host);
        const int blue = RandomBackgroundComponent(host);
        scene.SetBackColor(host.MakeColour(red, green, blue));
    } else if ((button & RightButton) != 0) {
        host.UnloadWindow();
    }
}

}  // namespace bumblorbs
