// The Wayland window's buffers, without a compositor: buffers that take
// turns as their ring gives them out, each painted only with what it missed
// and the frame's own damage, must each hold exactly the picture a whole
// repaint gives.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/core/pixel_mapping.h"
#include "host/paint/pixel_view.h"
#include "host/paint/scene_frame.h"
#include "host/paint/scene_painter.h"
#include "host/paint/tile_composer.h"
#include "host/text/label_text.h"
#include "host/ttf/ttf_glyph_source.h"
#include "host/wayland/buffer_damage.h"
#include "host/wayland/buffer_ring.h"
#include "host/wayland/buffer_sink.h"

namespace bumblorbs {
namespace {

constexpr int Width = 900;
constexpr int Height = 640;

// A whole window's pixels, as a shared-memory buffer holds them.
struct Buffer {
    std::vector<std::uint32_t> Words = std::vector<std::uint32_t>(std::size_t{Width} * Height);
    PixelView Pixels = PackedWords(Words.data(), Width, Height);
};
using Ring = BufferRing<Buffer>;

class WaylandBuffersTest : public ::testing::Test {
protected:
    // One tick: every ball moves several pixels, some of them into and
    // across each other and the labels, and the counter changes.
    void Tick(int tick) {
        for (int i = 0; i < BallCount; ++i) {
            const Ball& ball = scene.Shape1(i);
            scene.Move(i, ball.Left + static_cast<float>(60 * (i % 5) - 120),
                       ball.Top + static_cast<float>(45 * (i % 7) - 135 + (tick % 3) * 20));
        }
        scene.SetCaption(LabelId::Label2, std::to_string(tick * 37));
        if (tick == 17) {
            scene.SetBackColor(0x00336699);
        }
        AddDamage(pending, scene.TakeDamage());
    }

    // Draws the frame as the window does into the buffer the ring gives
    // out, the compositor holding all others, and returns that buffer.
    const PixelView& Draw(std::size_t index) {
        for (std::size_t other = 0; other < slots.size(); ++other) {
            slots[other]->Held = other != index;
        }
        Ring::Slot* slot = ring.Next([](bool& /*held*/) { return std::make_unique<Buffer>(); });
        EXPECT_NE(slot, nullptr);
        if (index == slots.size()) {
            slots.push_back(slot);
        }
        EXPECT_EQ(slot, slots[index]);
        SceneFrame frame(painter, scene, pending);
        const PaintPlan plan = frame.PlanFor(ring.Draw(*slot, pending), Width, Height);
        sink.Into(slot->Pixels->Pixels);
        frame.Compose(plan, sink);
        pending = Damage{};
        return slot->Pixels->Pixels;
    }

    // Pixels of the buffer that differ from a whole repaint of the scene.
    int Differing(const PixelView& buffer) {
        Damage everything;
        everything.Everything = true;
        painter.Paint(whole.Pixels, scene, everything);
        int differing = 0;
        for (int y = 0; y < Height; ++y) {
            for (int x = 0; x < Width; ++x) {
                differing +=
                    ((whole.Pixels.WordRow(y)[x] ^ buffer.WordRow(y)[x]) & 0xFFFFFFU) != 0 ? 1 : 0;
            }
        }
        return differing;
    }

    TtfGlyphSources fonts;
    Scene scene{DesignedLayout};
    PixelMapping mapping{TwipsPerPixelAt(DefaultDpi)};
    LabelText labels{scene, mapping, ",", fonts};
    ScenePainter painter{mapping, labels};
    Ring ring;
    // The ring's slots in the order it made them.
    std::vector<Ring::Slot*> slots;
    BufferSink sink;
    Buffer whole;
    Damage pending;
};

TEST_F(WaylandBuffersTest, EachBufferDrawnAgainShowsTheWholePicture) {
    // Two buffers in turn, now and then a tick with no frame (the
    // compositor lagged), and a third buffer that comes in after a few
    // frames and again after many.
    const std::string turns = "0101-01-2010-1012-0101010101010-2-01";
    int tick = 0;
    for (const char turn : turns) {
        Tick(++tick);
        if (turn == '-') {
            continue;
        }
        const auto index = static_cast<std::size_t>(turn - '0');
        EXPECT_EQ(Differing(Draw(index)), 0) << "buffer " << index << " at tick " << tick;
    }
}

}  // namespace
}  // namespace bumblorbs
