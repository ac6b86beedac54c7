// The window's buffers driven as compositors hand them back: how many are
// made, which one each frame goes to, and what each must paint anew.

#include "host/wayland/buffer_ring.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <vector>

namespace bumblorbs {
namespace {

// A buffer that only says which one it is.
struct Numbered {
    std::size_t Number;
};
using Ring = BufferRing<Numbered>;

class BufferRingTest : public ::testing::Test {
protected:
    // The next frame as the canvas draws it: into the slot the ring gives,
    // which the compositor then holds. Null where all are held.
    Ring::Slot* Frame(const Damage& damage = {}) {
        Ring::Slot* slot = ring.Next([this](bool& held) {
            releases.push_back(&held);
            return std::make_unique<Numbered>(Numbered{made++});
        });
        if (slot != nullptr) {
            lastDrawn = ring.Draw(*slot, damage);
            slot->Held = true;
        }
        return slot;
    }
    // The compositor lets buffer `number` go.
    void Release(std::size_t number) { *releases[number] = false; }

    static Damage BallMoved(std::size_t ball) {
        Damage damage;
        damage.Balls[ball] = true;
        return damage;
    }

    Ring ring;
    std::size_t made = 0;
    std::vector<bool*> releases;
    Damage lastDrawn;
};

TEST_F(BufferRingTest, OneBufferServesACompositorThatReleasesAtOnce) {
    for (int frame = 0; frame < 200; ++frame) {
        ASSERT_EQ(Frame()->Pixels->Number, 0U);
        Release(0);
    }
    EXPECT_EQ(ring.Count(), 1U);
}

TEST_F(BufferRingTest, TwoTakeTurnsWhereTheShownBufferIsHeldUntilReplaced) {
    ASSERT_EQ(Frame()->Pixels->Number, 0U);
    for (int frame = 1; frame < 200; ++frame) {
        const std::size_t expected = static_cast<std::size_t>(frame % 2);
        ASSERT_EQ(Frame()->Pixels->Number, expected) << "frame " << frame;
        Release(1 - expected);
    }
    EXPECT_EQ(ring.Count(), 2U);
}

TEST_F(BufferRingTest, AtMostThreeAndThenTheFrameWaits) {
    ASSERT_NE(Frame(), nullptr);
    ASSERT_NE(Frame(), nullptr);
    ASSERT_NE(Frame(), nullptr);
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_EQ(ring.Count(), 3U);
    Release(1);
    EXPECT_EQ(Frame()->Pixels->Number, 1U);
}

TEST_F(BufferRingTest, BuffersMadeWhileTheCompositorLaggedGoOnceSpare) {
    // A lag: three are held at once.
    Frame();
    Frame();
    Frame();
    Release(0);
    Release(1);
    Release(2);
    // Then the compositor releases each at once: the first serves alone,
    // and the others go once they have not been drawn for a while.
    for (std::uint64_t frame = 0; frame <= Ring::SpareFrames + 1; ++frame) {
        ASSERT_EQ(Frame()->Pixels->Number, 0U);
        Release(0);
    }
    EXPECT_EQ(ring.Count(), 1U);
}

TEST_F(BufferRingTest, ABufferDrawnAgainPaintsWhatTheOthersDrew) {
    Frame(BallMoved(1));
    EXPECT_TRUE(lastDrawn.Everything) << "a new buffer holds no picture yet";
    Release(0);
    Frame(BallMoved(2));
    EXPECT_FALSE(lastDrawn.Everything);
    EXPECT_TRUE(lastDrawn.Balls[2]);
    // Buffer 0 is held: buffer 1 is made, and then buffer 0 drawn again
    // must paint what buffer 1's frame changed as well as its own.
    ASSERT_EQ(Frame(BallMoved(3))->Pixels->Number, 1U);
    Release(0);
    ASSERT_EQ(Frame(BallMoved(4))->Pixels->Number, 0U);
    EXPECT_FALSE(lastDrawn.Everything);
    EXPECT_TRUE(lastDrawn.Balls[3]);
    EXPECT_TRUE(lastDrawn.Balls[4]);
    EXPECT_FALSE(lastDrawn.Balls[2]);
}

TEST_F(BufferRingTest, ClearingLeavesNoPicture) {
    Frame();
    EXPECT_TRUE(ring.HasPicture());
    ring.Clear();
    EXPECT_FALSE(ring.HasPicture());
    EXPECT_EQ(ring.Count(), 0U);
}

}  // namespace
}  // namespace bumblorbs
