// The painter's own rectangles, fills and blends stand in for SDL's: what
// they give must be what SDL gives, pixel for pixel, in every format the
// painter draws in, or the labels and edges would shift a shade from one
// build to the next. SDL serves here only as the reference.

#include "host/paint/pixel_ops.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "host/sdl_core/sdl_handles.h"
#include "host/sdl_core/surface_view.h"

namespace bumblorbs {
namespace {

SDL_Rect Sdl(const PixelRect& rect) { return {rect.x, rect.y, rect.w, rect.h}; }

PixelRect RandomRect(std::mt19937& random) {
    std::uniform_int_distribution<int> place(-20, 40);
    std::uniform_int_distribution<int> size(-3, 30);
    return {place(random), place(random), size(random), size(random)};
}

TEST(PixelRectTest, IntersectionAndUnionAgreeWithSdlEvenForEmptyRectangles) {
    std::mt19937 random(11);
    for (int round = 0; round < 20000; ++round) {
        const PixelRect a = RandomRect(random);
        const PixelRect b = RandomRect(random);
        const SDL_Rect sa = Sdl(a);
        const SDL_Rect sb = Sdl(b);
        SDL_Rect theirs{};
        const bool theyShare = SDL_IntersectRect(&sa, &sb, &theirs) == SDL_TRUE;
        PixelRect ours;
        ASSERT_EQ(Intersect(a, b, ours), theyShare) << "round " << round;
        if (theyShare) {
            ASSERT_EQ(ours, (PixelRect{theirs.x, theirs.y, theirs.w, theirs.h}));
        }
        SDL_UnionRect(&sa, &sb, &theirs);
        ASSERT_EQ(Union(a, b), (PixelRect{theirs.x, theirs.y, theirs.w, theirs.h}))
            << "round " << round;
    }
}

// A picture in each format the painter draws in, filled with noise.
struct Picture {
    static constexpr int Side = 48;
    SurfaceHandle Surface;

    Picture(Uint32 format, std::mt19937& random)
        : Surface(SDL_CreateRGBSurfaceWithFormat(0, Side, Side, SDL_BITSPERPIXEL(format), format)) {
        auto* bytes = static_cast<std::uint8_t*>(Surface->pixels);
        for (int i = 0; i < Surface->pitch * Side; ++i) {
            bytes[i] = static_cast<std::uint8_t>(random());
        }
    }
    // The same pixels as `other`.
    void Copy(const Picture& other) {
        std::copy_n(static_cast<const std::uint8_t*>(other.Surface->pixels), Surface->pitch * Side,
                    static_cast<std::uint8_t*>(Surface->pixels));
    }
    std::vector<std::uint8_t> Bytes() const {
        const auto* bytes = static_cast<const std::uint8_t*>(Surface->pixels);
        return {bytes, bytes + Surface->pitch * Side};
    }
};

constexpr Uint32 Formats[] = {SDL_PIXELFORMAT_XRGB8888, SDL_PIXELFORMAT_ARGB8888,
                              SDL_PIXELFORMAT_RGB565};

TEST(PixelOpsTest, ColoursMapAndFillAsSdlMapsAndFillsThem) {
    std::mt19937 random(5);
    for (const Uint32 format : Formats) {
        Picture ours(format, random);
        Picture theirs(format, random);
        theirs.Copy(ours);
        for (int round = 0; round < 50; ++round) {
            const auto colour = static_cast<Colour>(random() & 0xFFFFFFU);
            const PixelView view = ViewOf(ours.Surface.get());
            const std::uint32_t pixel = PixelOf(colour, view.Format);
            ASSERT_EQ(pixel, SDL_MapRGB(theirs.Surface->format, static_cast<Uint8>(RedOf(colour)),
                                        static_cast<Uint8>(GreenOf(colour)),
                                        static_cast<Uint8>(BlueOf(colour))));
            PixelRect area;
            Intersect(RandomRect(random), view.Bounds(), area);
            FillArea(view, area, pixel);
            const SDL_Rect sdlArea = Sdl(area);
            SDL_FillRect(theirs.Surface.get(), &sdlArea, pixel);
        }
        EXPECT_EQ(ours.Bytes(), theirs.Bytes()) << SDL_GetPixelFormatName(format);
    }
}

// Text and the balls' edges are blended with every alpha, over every
// colour, clipped on every side.
TEST(PixelOpsTest, ImagesBlendAsSdlBlitsThemInEveryFormat) {
    std::mt19937 random(3);
    for (const Uint32 format : Formats) {
        for (int round = 0; round < 40; ++round) {
            Picture image(SDL_PIXELFORMAT_ARGB8888, random);
            SDL_SetSurfaceBlendMode(image.Surface.get(), SDL_BLENDMODE_BLEND);
            Picture ours(format, random);
            Picture theirs(format, random);
            theirs.Copy(ours);
            const PixelView view = ViewOf(ours.Surface.get());
            PixelRect clip;
            Intersect(RandomRect(random), view.Bounds(), clip);
            const PixelRect source = RandomRect(random);
            const PixelPoint at{source.x, source.y};
            const int width = std::max(0, source.w);
            const int height = std::max(0, source.h);
            const auto* pixels = static_cast<const std::uint32_t*>(image.Surface->pixels);
            BlendImage(view, clip, {pixels, Picture::Side, width, height}, at);

            const SDL_Rect sdlClip = Sdl(clip);
            SDL_SetClipRect(theirs.Surface.get(), &sdlClip);
            const SDL_Rect part{0, 0, width, height};
            SDL_Rect where{at.x, at.y, width, height};
            if (width > 0 && height > 0) {
                SDL_BlitSurface(image.Surface.get(), &part, theirs.Surface.get(), &where);
            }
            ASSERT_EQ(ours.Bytes(), theirs.Bytes())
                << SDL_GetPixelFormatName(format) << ", round " << round;
        }
    }
}

}  // namespace
}  // namespace bumblorbs
