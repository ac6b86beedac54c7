#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "host/wayland/buffer_damage.h"

namespace bumblorbs {

// The buffers a window takes turns drawing in, and which one the next frame
// goes to. A buffer the compositor holds, from the commit that hands it over
// until the compositor releases it, is left alone. One buffer serves where
// the compositor releases each before the next frame is due, as those that
// copy a buffer at commit do; a second is made only where the first is still
// held then, and a third while the compositor lags. A buffer not drawn for
// SpareFrames frames goes again. Each buffer keeps what the frames drawn in
// the others changed, to paint it anew when it is drawn again. `Buffer` is
// whatever holds the pixels; the ring knows nothing of how they are shown.
template <typename Buffer>
class BufferRing {
public:
    static constexpr std::size_t MostBuffers = 3;
    static constexpr std::uint64_t SpareFrames = 64;

    struct Slot {
        std::unique_ptr<Buffer> Pixels;
        // From the commit that hands it over until the compositor's release.
        bool Held = false;
        BufferDamage Behind;
        std::uint64_t DrawnInFrame = 0;
    };

    // The slot the next frame goes into: a free one, else a new one whose
    // buffer `make(held)` returns (`held` being the flag its release is to
    // clear) while fewer than the most are made; null where all are held.
    template <typename Make>
    Slot* Next(Make&& make) {
        DropSpares();
        for (const std::unique_ptr<Slot>& slot : slots_) {
            if (!slot->Held) {
                return slot.get();
            }
        }
        if (slots_.size() == MostBuffers) {
            return nullptr;
        }
        auto slot = std::make_unique<Slot>();
        slot->Pixels = make(slot->Held);
        slots_.push_back(std::move(slot));
        return slots_.back().get();
    }

    // What drawing `slot` must paint, `frame` being what changed since the
    // latest frame; the other buffers count that frame as missed.
    Damage Draw(Slot& slot, const Damage& frame) {
        const Damage own = slot.Behind.Take(frame);
        for (const std::unique_ptr<Slot>& other : slots_) {
            if (other.get() != &slot) {
                other->Behind.Miss(frame);
            }
        }
        slot.DrawnInFrame = ++frame_;
        latest_ = &slot;
        return own;
    }

    // Whether a buffer holds the latest picture.
    bool HasPicture() const { return latest_ != nullptr; }
    std::size_t Count() const { return slots_.size(); }
    // Lets every buffer go, as for a new size.
    void Clear() {
        slots_.clear();
        latest_ = nullptr;
    }

private:
    void DropSpares() {
        std::erase_if(slots_, [this](const std::unique_ptr<Slot>& slot) {
            return !slot->Held && slot.get() != latest_ &&
                   slot->DrawnInFrame + SpareFrames < frame_;
        });
    }

    std::vector<std::unique_ptr<Slot>> slots_;
    const Slot* latest_ = nullptr;
    // Frames drawn so far.
    std::uint64_t frame_ = 0;
};

}  // namespace bumblorbs
