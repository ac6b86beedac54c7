#pragma once

#include <cstdint>

#include "scene/damage.h"

namespace bumblorbs {

// Adds what changed since to what is still to be drawn: a ball keeps the
// place it stood when first marked.
void AddDamage(Damage& pending, const Damage& more);

// What one of the buffers that take turns showing the window must paint
// again to show the latest picture: everything while it holds none, else
// what the frames drawn in other buffers since it was last drawn changed.
// Each ball keeps the place it stood in this buffer's own picture, so
// painting that with the frame's damage, from the scene as it is now, brings
// the buffer up to date in one pass over each changed row, with nothing read
// from the other buffers.
class BufferDamage {
public:
    // A frame drawn in another buffer changed `frame`.
    void Miss(const Damage& frame);
    // What drawing this buffer now must paint, `frame` being what changed
    // since the latest frame; from then on it has missed nothing.
    Damage Take(const Damage& frame);

private:
    static Damage Whole() {
        Damage whole;
        whole.Everything = true;
        return whole;
    }

    Damage missed_ = Whole();
    // A buffer left out for long has balls that crossed much of the window
    // since: their old and new places' bounds would cover more than one
    // whole repaint, which it then gets instead.
    std::uint32_t framesMissed_ = 0;
};

}  // namespace bumblorbs
