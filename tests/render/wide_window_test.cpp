// Windows wider than a tile holds, as on an ultrawide output at scale 2:
// a full repaint must keep every tile within the room its sink has, and
// still give exactly the picture of a whole repaint.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "host/core/pixel_mapping.h"
#include "host/paint/pixel_view.h"
#include "host/paint/scene_painter.h"
#include "host/paint/tile_composer.h"
#include "host/text/label_text.h"
#include "host/ttf/ttf_glyph_source.h"
#include "host/wayland/buffer_sink.h"

namespace bumblorbs {
namespace {

constexpr int Height = 200;

// Whole-window pixels, as a frame buffer holds them.
struct Picture {
    explicit Picture(int width)
        : Pixels(static_cast<std::size_t>(width) * Height),
          View(PackedWords(Pixels.data(), width, Height)) {}
    std::vector<std::uint32_t> Pixels;
    PixelView View;
};

// Takes tiles into a picture, from a room exactly as large as it says a
// tile may be, and notes the largest tile asked for.
class SmallRoomSink final : public TileSink {
public:
    explicit SmallRoomSink(const PixelView& target) : target_(target), room_(MaxTilePixels()) {}

    std::size_t MaxTilePixels() const override { return 4096; }
    std::uint32_t* Room(std::size_t pixels) override {
        largest = std::max(largest, pixels);
        return room_.data();
    }
    void Send(const Tile& tile) override {
        for (int row = 0; row < tile.Area.h; ++row) {
            std::copy_n(tile.Pixels + static_cast<std::ptrdiff_t>(row) * tile.Area.w, tile.Area.w,
                        target_.WordRow(tile.Area.y + row) + tile.Area.x);
        }
    }
    void EndFrame() override {}

    std::size_t largest = 0;

private:
    PixelView target_;
    std::vector<std::uint32_t> room_;
};

class WideWindowTest : public ::testing::Test {
protected:
    // Composes a full repaint of `target` through `sink`.
    void ComposeEverything(const PixelView& target, TileSink& sink) {
        Damage everything;
        everything.Everything = true;
        const PaintPlan plan = painter.Plan(scene, everything, target.Width, target.Height);
        ComposeTiles(painter, scene, plan, sink);
    }

    // Pixels of `tiled` that differ from a whole repaint of the scene.
    int DifferingFromWhole(const PixelView& tiled) {
        const Picture whole(tiled.Width);
        Damage everything;
        everything.Everything = true;
        painter.Paint(whole.View, scene, everything);
        int differing = 0;
        for (int y = 0; y < Height; ++y) {
            const std::uint32_t* ours = tiled.WordRow(y);
            const std::uint32_t* theirs = whole.View.WordRow(y);
            for (int x = 0; x < tiled.Width; ++x) {
                differing += ((ours[x] ^ theirs[x]) & 0xFFFFFFU) != 0 ? 1 : 0;
            }
        }
        return differing;
    }

    TtfGlyphSources fonts;
    Scene scene{DesignedLayout};
    PixelMapping mapping{TwipsPerPixelAt(DefaultDpi)};
    LabelText labels{scene, mapping, ",", fonts};
    ScenePainter painter{mapping, labels};
};

TEST_F(WideWindowTest, ARowWiderThanATileIsComposedInTilesThatFit) {
    const Picture target(5000);
    SmallRoomSink sink(target.View);
    ComposeEverything(target.View, sink);
    EXPECT_LE(sink.largest, sink.MaxTilePixels());
    EXPECT_EQ(DifferingFromWhole(target.View), 0);
}

TEST_F(WideWindowTest, TheSharedMemorySinkFillsAWindowSixteenThousandPixelsWide) {
    for (const int width : {8500, 16384}) {
        const Picture target(width);
        BufferSink sink;
        sink.Into(target.View);
        ComposeEverything(target.View, sink);
        EXPECT_EQ(DifferingFromWhole(target.View), 0) << width << " pixels wide";
    }
}

}  // namespace
}  // namespace bumblorbs
