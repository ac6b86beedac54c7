// Windows wider than a tile holds, as on an ultrawide output at scale 2:
// a full repaint must keep every tile within the room its sink has, and
// still give exactly the picture of a whole repaint.

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "host/app/video_session.h"
#include "host/paint/scene_painter.h"
#include "host/paint/tile_composer.h"
#include "host/sdl/pixel_mapping.h"
#include "host/sdl/pixel_rows.h"
#include "host/text/label_text.h"
#include "host/wayland/buffer_sink.h"

namespace bumblorbs {
namespace {

constexpr int Height = 200;

// Takes tiles into a surface, from a room exactly as large as it says a
// tile may be, and notes the largest tile asked for.
class SmallRoomSink final : public TileSink {
public:
    explicit SmallRoomSink(SDL_Surface* target) : target_(target), room_(MaxTilePixels()) {}

    std::size_t MaxTilePixels() const override { return 4096; }
    std::uint32_t* Room(std::size_t pixels) override {
        largest = std::max(largest, pixels);
        return room_.data();
    }
    void Send(const Tile& tile) override {
        for (int row = 0; row < tile.Area.h; ++row) {
            std::copy_n(tile.Pixels + static_cast<std::ptrdiff_t>(row) * tile.Area.w, tile.Area.w,
                        PixelRow(target_, tile.Area.y + row) + tile.Area.x);
        }
    }
    void EndFrame() override {}

    std::size_t largest = 0;

private:
    SDL_Surface* target_;
    std::vector<std::uint32_t> room_;
};

class WideWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        video.emplace();
    }
    static void TearDownTestSuite() { video.reset(); }

    static SurfaceHandle NewSurface(int width) {
        SurfaceHandle surface(
            SDL_CreateRGBSurfaceWithFormat(0, width, Height, 32, SDL_PIXELFORMAT_XRGB8888));
        EXPECT_TRUE(surface);
        return surface;
    }

    // Composes a full repaint of `target` through `sink`.
    void ComposeEverything(SDL_Surface* target, TileSink& sink) {
        Damage everything;
        everything.Everything = true;
        const PaintPlan plan = painter.Plan(scene, everything, target->w, target->h);
        ComposeTiles(painter, scene, plan, sink);
    }

    // Pixels of `tiled` that differ from a whole repaint of the scene.
    int DifferingFromWhole(SDL_Surface* tiled) {
        const SurfaceHandle whole = NewSurface(tiled->w);
        Damage everything;
        everything.Everything = true;
        painter.Paint(whole.get(), scene, everything);
        int differing = 0;
        for (int y = 0; y < Height; ++y) {
            const std::uint32_t* ours = PixelRow(tiled, y);
            const std::uint32_t* theirs = PixelRow(whole.get(), y);
            for (int x = 0; x < tiled->w; ++x) {
                differing += ((ours[x] ^ theirs[x]) & 0xFFFFFFU) != 0 ? 1 : 0;
            }
        }
        return differing;
    }

    static inline std::optional<VideoSession> video;
    Scene scene{DesignedLayout};
    PixelMapping mapping{TwipsPerPixelAt(DefaultDpi)};
    LabelText labels{scene, mapping, ","};
    ScenePainter painter{mapping, labels};
};

TEST_F(WideWindowTest, ARowWiderThanATileIsComposedInTilesThatFit) {
    const SurfaceHandle target = NewSurface(5000);
    SmallRoomSink sink(target.get());
    ComposeEverything(target.get(), sink);
    EXPECT_LE(sink.largest, sink.MaxTilePixels());
    EXPECT_EQ(DifferingFromWhole(target.get()), 0);
}

TEST_F(WideWindowTest, TheSharedMemorySinkFillsAWindowSixteenThousandPixelsWide) {
    for (const int width : {8500, 16384}) {
        const SurfaceHandle target = NewSurface(width);
        BufferSink sink;
        sink.Into(target.get());
        ComposeEverything(target.get(), sink);
        EXPECT_EQ(DifferingFromWhole(target.get()), 0) << width << " pixels wide";
    }
}

}  // namespace
}  // namespace bumblorbs
