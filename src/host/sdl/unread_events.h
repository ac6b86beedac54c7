#pragma once

namespace bumblorbs {

// Keeps the events the toy never reads out of SDL's queue: pointer motion,
// presses, keys, and the window system's wrapped copies of its input events.
// SDL keeps for reuse every queue entry it has ever needed at once, each as
// large as a wrapped X event, so a flood of clicks that came during one slow
// paint would leave megabytes behind for good. Also spares the pointer
// grab SDL makes on every press, a round trip to the server the toy does not
// need, which slowed the draining of such a flood. Call once SDL's video is up.
void DropUnreadEvents();

}  // namespace bumblorbs
