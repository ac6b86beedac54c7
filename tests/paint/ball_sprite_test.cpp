// A ball's pixels are part of the scene's design: whichever way a sprite is
// drawn (blended over a picture, over a plain background, into rows of
// memory, clipped or whole), it must give exactly the same pixels, and
// those pixels must not change when the sprite's workings do. Each case is
// summed into one checksum, recorded from the sprite as designed.

#include "host/paint/ball_sprite.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/sdl_core/sdl_handles.h"
#include "host/sdl_core/surface_view.h"

namespace bumblorbs {
namespace {

// FNV-1a over the pixels' words.
std::uint64_t Checksum(const std::vector<std::uint32_t>& pixels) {
    std::uint64_t sum = 0xCBF29CE484222325ULL;
    for (const std::uint32_t pixel : pixels) {
        sum = (sum ^ pixel) * 0x100000001B3ULL;
    }
    return sum;
}

struct Picture {
    static constexpr int Side = 80;
    SurfaceHandle Surface{
        SDL_CreateRGBSurfaceWithFormat(0, Side, Side, 32, SDL_PIXELFORMAT_ARGB8888)};

    // A background that differs from pixel to pixel, so that every blend shows.
    void Pattern() {
        for (int y = 0; y < Side; ++y) {
            for (int x = 0; x < Side; ++x) {
                ViewOf(Surface.get()).WordRow(y)[x] =
                    0xFF000000U | static_cast<std::uint32_t>((x * 3) << 16U | (y * 3) << 8U |
                                                             ((x + y) * 2 & 0xFF));
            }
        }
    }
    std::vector<std::uint32_t> Pixels() const {
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < Side; ++y) {
            const std::uint32_t* row = ViewOf(Surface.get()).WordRow(y);
            pixels.insert(pixels.end(), row, row + Side);
        }
        return pixels;
    }
};

// Every way of drawing the sprite, into one list of pixels.
std::vector<std::uint32_t> AllDrawings(const BallSprite& sprite, std::uint32_t background) {
    std::vector<std::uint32_t> all;
    const auto keep = [&](const std::vector<std::uint32_t>& pixels) {
        all.insert(all.end(), pixels.begin(), pixels.end());
    };
    for (const PixelRect& clip : {PixelRect{0, 0, Picture::Side, Picture::Side},
                                  PixelRect{20, 13, 17, 40}, PixelRect{31, 0, 49, 29}}) {
        Picture over;
        over.Pattern();
        sprite.Draw(ViewOf(over.Surface.get()), clip, 9, 11);
        keep(over.Pixels());

        Picture plain;
        plain.Pattern();
        sprite.DrawOver(ViewOf(plain.Surface.get()), clip, 14, 7, background);
        keep(plain.Pixels());
    }
    // Pixels of another format take the sprite blended as SDL blends.
    const SurfaceHandle narrow(SDL_CreateRGBSurfaceWithFormat(0, Picture::Side, Picture::Side, 16,
                                                              SDL_PIXELFORMAT_RGB565));
    SDL_FillRect(narrow.get(), nullptr, 0x7BEF);
    sprite.Draw(ViewOf(narrow.get()), {0, 0, Picture::Side, Picture::Side}, 3, 5);
    for (int y = 0; y < Picture::Side; ++y) {
        const auto* row = static_cast<const std::uint16_t*>(narrow->pixels) +
                          static_cast<std::ptrdiff_t>(y) * narrow->pitch / 2;
        all.insert(all.end(), row, row + Picture::Side);
    }
    const auto side = static_cast<std::size_t>(sprite.Diameter());
    const std::size_t stride = side + 5;
    std::vector<std::uint32_t> rows(stride * side, background);
    sprite.DrawOverRows(rows.data(), stride);
    keep(rows);
    return all;
}

TEST(BallSpriteTest, EveryWayOfDrawingGivesTheDesignedPixels) {
    struct Case {
        int Diameter;
        Colour Fill;
        Colour Border;
        std::uint32_t Background;
        std::uint64_t Expected;
    };
    // Ball 0's colours (red, blue outline), a pale fill on a dark outline,
    // at 96 and 192 dpi and at a small and an even size.
    const Case cases[] = {
        {33, 0x0000FF, 0xFF0000, 0xFF000000U, 0x1a3b4edd3cc45e17ULL},
        {64, 0x0000FF, 0xFF0000, 0xFF000000U, 0x83fc078e922d56eeULL},
        {33, 0xE0F0C0, 0x102030, 0xFF8040A0U, 0x3214f791ab4fd7ceULL},
        {12, 0x80FF40, 0x000080, 0xFFFFFFFFU, 0xf2c5c70f767d407fULL},
    };
    for (const Case& c : cases) {
        const DiscShape shape(c.Diameter);
        const BallSprite sprite(shape, c.Fill, c.Border);
        const std::vector<std::uint32_t> drawn = AllDrawings(sprite, c.Background);
        EXPECT_EQ(Checksum(drawn), c.Expected) << "diameter " << c.Diameter << std::hex << ", fill "
                                               << c.Fill << ": 0x" << Checksum(drawn);
    }
}

}  // namespace
}  // namespace bumblorbs
