// Paints the scene in-process through SDL's offscreen video driver and reads
// the pixels back: no X server needed.

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <optional>

#include "host/core/pixel_mapping.h"
#include "host/paint/ball_sprite.h"
#include "host/paint/scene_painter.h"
#include "host/paint/tile_composer.h"
#include "host/sdl/video_session.h"
#include "host/sdl_core/sdl_handles.h"
#include "host/sdl_core/surface_view.h"
#include "host/text/label_text.h"
#include "host/ttf/ttf_glyph_source.h"

namespace bumblorbs {
namespace {

// Takes tiles as a window would, into the surface that stands for it. Its
// tiles are small, so that a full repaint goes in many bands.
class SurfaceSink final : public TileSink {
public:
    explicit SurfaceSink(SDL_Surface* target) : target_(target), room_(MaxTilePixels()) {}

    std::size_t MaxTilePixels() const override { return 4096; }
    std::uint32_t* Room(std::size_t pixels) override {
        EXPECT_LE(pixels, MaxTilePixels());
        return room_.data();
    }
    void Send(const Tile& tile) override {
        for (int row = 0; row < tile.Area.h; ++row) {
            std::copy_n(tile.Pixels + static_cast<std::ptrdiff_t>(row) * tile.Area.w, tile.Area.w,
                        ViewOf(target_).WordRow(tile.Area.y + row) + tile.Area.x);
        }
    }
    void EndFrame() override {}

private:
    SDL_Surface* target_;
    std::vector<std::uint32_t> room_;
};

class RenderTest : public ::testing::TestWithParam<float> {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        video.emplace();
        fonts.emplace();
    }
    static void TearDownTestSuite() {
        fonts.reset();
        video.reset();
    }

    RenderTest()
        : mapping(TwipsPerPixelAt(GetParam())),
          window(
              SDL_CreateWindow("render test", 0, 0, Scaled(800), Scaled(600), SDL_WINDOW_HIDDEN)),
          labels(scene, mapping, ",", *fonts),
          painter(mapping, labels) {}

    // Pixels at 96 dpi scaled to this test's dpi.
    int Scaled(int pixels) const {
        return static_cast<int>(static_cast<float>(pixels) * GetParam() / DefaultDpi);
    }

    SDL_Surface* Surface() { return SDL_GetWindowSurface(window.get()); }

    // Paints as the desktop does: the damaged parts, tile by tile.
    PaintRects Paint() {
        SDL_Surface* surface = Surface();
        const PaintPlan plan = painter.Plan(scene, scene.TakeDamage(), surface->w, surface->h);
        SurfaceSink sink(surface);
        ComposeTiles(painter, scene, plan, sink);
        return plan.Rects;
    }

    Colour At(int x, int y) {
        SDL_Surface* surface = Surface();
        Uint32 pixel = 0;
        SDL_memcpy(&pixel, static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * 4, 4);
        Uint8 r = 0;
        Uint8 g = 0;
        Uint8 b = 0;
        SDL_GetRGB(pixel, surface->format, &r, &g, &b);
        return MakeColour(r, g, b);
    }

    // Anti-aliasing lets an edge pixel fall a shade short of its colour.
    bool Near(int x, int y, Colour expected) {
        const Colour got = At(x, y);
        return std::abs(RedOf(got) - RedOf(expected)) <= 8 &&
               std::abs(GreenOf(got) - GreenOf(expected)) <= 8 &&
               std::abs(BlueOf(got) - BlueOf(expected)) <= 8;
    }

    int CountColour(Colour colour, const PixelRect& area) {
        int count = 0;
        for (int y = area.y; y < area.y + area.h; ++y) {
            for (int x = area.x; x < area.x + area.w; ++x) {
                count += At(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }

    // Several balls overlap ball 0 as designed; sends them off the surface.
    void LeaveBallZeroAlone() {
        for (int i = 1; i < BallCount; ++i) {
            scene.Move(i, 100000, 100000);
        }
    }

    static inline std::optional<VideoSession> video;
    static inline std::optional<TtfGlyphSources> fonts;
    Scene scene{DesignedLayout};
    PixelMapping mapping;
    WindowHandle window;
    LabelText labels;
    ScenePainter painter;
};

constexpr Colour Red = 0x000000FF;
constexpr Colour Blue = 0x00FF0000;
constexpr Colour White = 0x00FFFFFF;
constexpr Colour Yellow = 0x0000FFFF;

TEST_P(RenderTest, BallZeroIsARedCircleWithABlueOutlineInsideItsBox) {
    LeaveBallZeroAlone();
    Paint();
    // Box 360,1800 1215x495: circle 33 px across from (48,120) at 96 dpi.
    const int left = Scaled(48);
    const int top = Scaled(120);
    const int diameter = Scaled(33);
    EXPECT_EQ(At(left + diameter / 2, top + diameter / 2), Red);
    EXPECT_TRUE(Near(left, top + diameter / 2, Blue));
    EXPECT_TRUE(Near(left + diameter - 1, top + diameter / 2, Blue));
    EXPECT_TRUE(Near(left + diameter / 2, top, Blue));
    // The box's corners lie outside the circle and show the background.
    EXPECT_EQ(At(Scaled(24), Scaled(120)), 0U);
    EXPECT_EQ(At(left + 1, top + 1), 0U);
    EXPECT_EQ(At(left - 1, top + diameter / 2), 0U);
}

TEST_P(RenderTest, HigherBallsAndLabelsAreDrawnOverLowerOnes) {
    Paint();
    // Ball 49 (yellow) hides ball 0 where they share a box.
    EXPECT_EQ(At(Scaled(64), Scaled(136)), Yellow);
    // Ball 3 sits under Label1's text: some of its circle shows white.
    const PixelRect ball3{Scaled(176), Scaled(16), Scaled(33), Scaled(33)};
    EXPECT_GT(CountColour(White, ball3), 0);
    EXPECT_GT(CountColour(Red, ball3), 0);
}

TEST_P(RenderTest, Label1WritesWhiteOnlyInsideItsBox) {
    Paint();
    const PixelRect box = mapping.ToPixels(scene.Label(LabelId::Label1).Box);
    const int inside = CountColour(White, box);
    EXPECT_GT(inside, Scaled(200));
    EXPECT_EQ(CountColour(White, {0, 0, Scaled(800), Scaled(600)}), inside);
    // The text is drawn at the text's size: its rows span about the font's height.
    int firstRow = -1;
    int lastRow = -1;
    for (int y = box.y; y < box.y + box.h; ++y) {
        if (CountColour(White, {box.x, y, box.w, 1}) > 0) {
            lastRow = y;
            firstRow = firstRow < 0 ? y : firstRow;
        }
    }
    EXPECT_GE(lastRow - firstRow + 1, Scaled(14));
    EXPECT_LE(lastRow - firstRow + 1, Scaled(21));
}

TEST_P(RenderTest, Label2ShowsItsCaptionInRedOverANewBackground) {
    Paint();
    const PixelRect box = mapping.ToPixels(scene.Label(LabelId::Label2).Box);
    EXPECT_EQ(CountColour(Red, box), 0);
    scene.SetCaption(LabelId::Label2, "1,234");
    scene.SetBackColor(0x00406080);
    Paint();
    EXPECT_GT(CountColour(Red, box), Scaled(30));
    EXPECT_GT(CountColour(White, mapping.ToPixels(scene.Label(LabelId::Label1).Box)), 0);
    EXPECT_EQ(At(Scaled(700), Scaled(500)), 0x00406080U);
}

TEST_P(RenderTest, AMoveRepaintsOnlyTheOldAndNewCircles) {
    LeaveBallZeroAlone();
    Paint();
    scene.Move(0, 360 + 150, 1800 + 150);
    const PaintRects painted = Paint();
    ASSERT_EQ(painted.size(), 1U);
    EXPECT_LE(painted[0].w * painted[0].h, Scaled(44) * Scaled(44));
    // The old place shows background, the new one the ball.
    EXPECT_EQ(At(Scaled(49), Scaled(121)), 0U);
    EXPECT_EQ(At(Scaled(58 + 16), Scaled(130 + 16)), Red);
}

TEST_P(RenderTest, TilesOfManyTicksAddUpToAWholeRepaint) {
    Paint();
    for (int tick = 0; tick < 60; ++tick) {
        for (int i = 0; i < BallCount; ++i) {
            const Ball& ball = scene.Shape1(i);
            scene.Move(i, ball.Left + static_cast<float>(7 * (i % 5) - 14),
                       ball.Top + static_cast<float>(5 * (i % 7) - 15));
        }
        scene.SetCaption(LabelId::Label2, std::to_string(tick * 37));
        Paint();
    }
    const SurfaceHandle whole(SDL_CreateRGBSurfaceWithFormat(0, Surface()->w, Surface()->h, 32,
                                                             SDL_PIXELFORMAT_XRGB8888));
    Damage everything;
    everything.Everything = true;
    painter.Paint(ViewOf(whole.get()), scene, everything);
    int differing = 0;
    for (int y = 0; y < whole->h; ++y) {
        for (int x = 0; x < whole->w; ++x) {
            const std::uint32_t painted = ViewOf(Surface()).WordRow(y)[x];
            differing += ((ViewOf(whole.get()).WordRow(y)[x] ^ painted) & 0xFFFFFFU) != 0 ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

// The fonts are closed once the glyph cache draws the count; a text the
// cache cannot draw opens the font again and comes out as the font draws it.
TEST_P(RenderTest, ACountTheCacheCannotDrawOpensTheFontAgain) {
    for (const char* count : {"0", "1,234"}) {
        scene.SetCaption(LabelId::Label2, count);
        ASSERT_TRUE(labels.Rendered(scene, LabelId::Label2));
    }
    scene.SetCaption(LabelId::Label2, "1,234!");
    const TextImage ours = labels.Rendered(scene, LabelId::Label2);
    LabelText fresh(scene, mapping, ",", *fonts);
    const TextImage theirs = fresh.Rendered(scene, LabelId::Label2);
    ASSERT_TRUE(ours);
    ASSERT_TRUE(theirs);
    ASSERT_EQ(ours.Width, theirs.Width);
    ASSERT_EQ(ours.Height, theirs.Height);
    int differing = 0;
    for (int y = 0; y < ours.Height; ++y) {
        for (int x = 0; x < ours.Width; ++x) {
            differing += ours.At(x, y) != theirs.At(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

// A white outline on a black fill over black: every pixel then shows how
// much of it the outline covers. Its weight is the outline's area within a
// sector of the circle, read from the picture, over the sector's arc: one
// pixel wide wherever it is measured.
class OutlineTest : public ::testing::TestWithParam<int> {
protected:
    double WidthAt(SDL_Surface* picture, double degrees) const {
        const int diameter = GetParam();
        const double radius = diameter / 2.0;
        constexpr double HalfSector = 15;
        constexpr int Samples = 8;  // per pixel and axis
        double area = 0;
        for (int y = 0; y < diameter; ++y) {
            for (int x = 0; x < diameter; ++x) {
                const double weight = (ViewOf(picture).WordRow(y)[x] & 0xFFU) / 255.0;
                for (int i = 0; i < Samples * Samples && weight > 0; ++i) {
                    const double sx = x + (i % Samples + 0.5) / Samples - radius;
                    const double sy = y + (i / Samples + 0.5) / Samples - radius;
                    const double off =
                        std::remainder(std::atan2(sy, sx) * 180 / std::numbers::pi - degrees, 360);
                    area += std::fabs(off) < HalfSector ? weight / (Samples * Samples) : 0;
                }
            }
        }
        return area / (2 * HalfSector * std::numbers::pi / 180 * (radius - 0.5));
    }
};

TEST_P(OutlineTest, IsOnePixelWideOnTheAxesAndTheDiagonals) {
    const int diameter = GetParam();
    const BallSprite sprite(DiscShape(diameter), 0x00000000, 0x00FFFFFF);
    const SurfaceHandle picture(
        SDL_CreateRGBSurfaceWithFormat(0, diameter, diameter, 32, SDL_PIXELFORMAT_XRGB8888));
    ASSERT_TRUE(picture);
    SDL_FillRect(picture.get(), nullptr, 0);
    sprite.Draw(ViewOf(picture.get()), {0, 0, diameter, diameter}, 0, 0);
    for (const double degrees : {180.0, -90.0, -135.0, 45.0}) {
        EXPECT_NEAR(WidthAt(picture.get(), degrees), 1.0, 0.01) << degrees << " degrees";
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, OutlineTest, ::testing::Values(33, 66), [](const auto& instance) {
    return std::to_string(instance.param * 96 / 33) + "dpi";
});

INSTANTIATE_TEST_SUITE_P(Dpi, RenderTest, ::testing::Values(96.0F, 192.0F),
                         [](const auto& instance) {
                             return std::to_string(static_cast<int>(instance.param)) + "dpi";
                         });

}  // namespace
}  // namespace bumblorbs
