// The Wayland window's buffers, without a compositor: buffers that take
// turns, each painted only with what it missed and the frame's own damage,
// must each hold exactly the picture a whole repaint gives.

#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>

#include "host/app/video_session.h"
#include "host/core/pixel_mapping.h"
#include "host/paint/scene_painter.h"
#include "host/paint/tile_composer.h"
#include "host/sdl/sdl_handles.h"
#include "host/sdl/surface_view.h"
#include "host/text/label_text.h"
#include "host/ttf/ttf_glyph_source.h"
#include "host/wayland/buffer_damage.h"
#include "host/wayland/buffer_sink.h"

namespace bumblorbs {
namespace {

constexpr int Width = 900;
constexpr int Height = 640;

SurfaceHandle NewBuffer() {
    SurfaceHandle buffer(
        SDL_CreateRGBSurfaceWithFormat(0, Width, Height, 32, SDL_PIXELFORMAT_XRGB8888));
    EXPECT_TRUE(buffer);
    return buffer;
}

class WaylandBuffersTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        video.emplace();
    }
    static void TearDownTestSuite() { video.reset(); }

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

    // Draws the frame into buffer `index` as the window does, and tells
    // the others what they missed.
    void Draw(std::size_t index) {
        const PaintPlan plan = painter.Plan(scene, behind[index].Take(pending), Width, Height);
        sink.Into(ViewOf(buffers[index].get()));
        ComposeTiles(painter, scene, plan, sink);
        for (std::size_t other = 0; other < buffers.size(); ++other) {
            if (other != index) {
                behind[other].Miss(pending);
            }
        }
        pending = Damage{};
    }

    // Pixels of the buffer that differ from a whole repaint of the scene.
    int Differing(std::size_t index) {
        Damage everything;
        everything.Everything = true;
        painter.Paint(ViewOf(whole.get()), scene, everything);
        int differing = 0;
        for (int y = 0; y < Height; ++y) {
            for (int x = 0; x < Width; ++x) {
                differing += ((ViewOf(whole.get()).WordRow(y)[x] ^
                               ViewOf(buffers[index].get()).WordRow(y)[x]) &
                              0xFFFFFFU) != 0
                                 ? 1
                                 : 0;
            }
        }
        return differing;
    }

    static inline std::optional<VideoSession> video;
    TtfGlyphSources fonts;
    Scene scene{DesignedLayout};
    PixelMapping mapping{TwipsPerPixelAt(DefaultDpi)};
    LabelText labels{scene, mapping, ",", fonts};
    ScenePainter painter{mapping, labels};
    std::array<SurfaceHandle, 3> buffers{NewBuffer(), NewBuffer(), NewBuffer()};
    std::array<BufferDamage, 3> behind;
    BufferSink sink;
    SurfaceHandle whole = NewBuffer();
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
        Draw(index);
        EXPECT_EQ(Differing(index), 0) << "buffer " << index << " at tick " << tick;
    }
}

}  // namespace
}  // namespace bumblorbs
