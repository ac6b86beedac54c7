// The count drawn from cached character images must be the very picture
// SDL_ttf renders for the whole text, for every separator a locale may give
// and at both the usual and a doubled dpi.

#include "host/text/cached_glyphs.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "host/core/number_format.h"
#include "host/sdl/pixel_mapping.h"
#include "host/sdl/pixel_rows.h"
#include "host/text/label_text.h"
#include "scene/scene.h"

namespace bumblorbs {
namespace {

struct Case {
    float Dpi;
    std::string Separator;
};

// Names a case by its dpi and the separator's bytes, which may not print.
std::string NameOf(const Case& c) {
    std::string bytes;
    for (const char byte : c.Separator) {
        bytes += std::to_string(static_cast<unsigned char>(byte));
    }
    return std::to_string(static_cast<int>(c.Dpi)) + "dpi_separator_" +
           (bytes.empty() ? "none" : bytes);
}

void PrintTo(const Case& c, std::ostream* out) { *out << NameOf(c); }

class CachedGlyphsTest : public ::testing::TestWithParam<Case> {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(TTF_Init(), 0) << TTF_GetError(); }
    static void TearDownTestSuite() { TTF_Quit(); }

    CachedGlyphsTest() : mapping(TwipsPerPixelAt(GetParam().Dpi)) {
        bool covered = false;
        const std::vector<std::string> characters = CountCharacters(Separator());
        font = OpenLabelFont(Count(), mapping,
                             std::accumulate(characters.begin(), characters.end(), std::string()),
                             covered);
    }

    const TextLabel& Count() const { return scene.Label(LabelId::Label2); }
    std::string Separator() const { return GetParam().Separator; }
    int WrapWidth() const { return mapping.ToPixels(Count().Box.Width); }
    SDL_Color Colour() const { return {255, 0, 0, 255}; }

    std::optional<CachedGlyphs> Make() {
        return CachedGlyphs::Make(font.get(), CountCharacters(Separator()), Colour(), WrapWidth());
    }

    // The first pixel where the two pictures differ, or "" when none does.
    static std::string FirstDifference(const TextImage& ours, const SDL_Surface* theirs) {
        for (int y = 0; y < std::max(ours.Height, theirs->h); ++y) {
            for (int x = 0; x < std::max(ours.Width, theirs->w); ++x) {
                const Uint32 a = AlphaAt(ours.Image, ours.Width, ours.Height, x, y);
                const Uint32 b = AlphaAt(theirs, theirs->w, theirs->h, x, y);
                if (a != b) {
                    return "at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                           std::to_string(a) + " against " + std::to_string(b);
                }
            }
        }
        return "";
    }

    // The alpha at x, y of the top-left `width` x `height` pixels of `surface`.
    static Uint32 AlphaAt(const SDL_Surface* surface, int width, int height, int x, int y) {
        if (x >= width || y >= height) {
            return 0;
        }
        return PixelRow(surface, y)[x] >> 24U;
    }

    Scene scene{DesignedLayout};
    PixelMapping mapping;
    FontHandle font;
};

TEST_P(CachedGlyphsTest, DrawsEveryCountAsTheFontDoesAndLeavesWrappingToIt) {
    std::optional<CachedGlyphs> glyphs = Make();
    ASSERT_TRUE(glyphs.has_value()) << "the cache refused the count's own font";

    std::vector<std::int64_t> counts;
    for (std::int64_t count = 1; count <= 1200; ++count) {
        counts.push_back(count);
    }
    std::mt19937_64 draws(7);
    // Counts of every length, up to those the font has to wrap.
    for (std::uint64_t limit = 10; limit <= 100'000'000'000ULL; limit *= 10) {
        for (int i = 0; i < 30; ++i) {
            counts.push_back(static_cast<std::int64_t>(draws() % limit));
        }
    }
    int drawnFromCache = 0;
    int wrapped = 0;
    for (const std::int64_t count : counts) {
        const std::string text = FormatByPattern(count, "#,###", Separator());
        if (text.empty()) {
            continue;
        }
        // Drawn over the last text in one image: what the last one left
        // behind must not show.
        const std::optional<TextImage> ours = glyphs->Draw(text);
        const SurfaceHandle theirs(TTF_RenderUTF8_Blended_Wrapped(
            font.get(), text.c_str(), Colour(), static_cast<Uint32>(WrapWidth())));
        ASSERT_TRUE(theirs);
        if (!ours) {
            // Only a text the font breaks onto more lines may be left to it.
            EXPECT_GT(theirs->h, TTF_FontHeight(font.get())) << text;
            ++wrapped;
            continue;
        }
        ++drawnFromCache;
        EXPECT_EQ(FirstDifference(*ours, theirs.get()), "") << text;
    }
    EXPECT_GT(drawnFromCache, 1200);
    EXPECT_GT(wrapped, 0);
}

TEST_P(CachedGlyphsTest, LeavesTextsWithOtherCharactersToTheFont) {
    std::optional<CachedGlyphs> glyphs = Make();
    ASSERT_TRUE(glyphs.has_value());
    EXPECT_FALSE(glyphs->Draw(""));
    EXPECT_FALSE(glyphs->Draw("12a"));
    EXPECT_FALSE(glyphs->Draw("-1"));
}

std::vector<Case> Cases() {
    std::vector<Case> cases;
    for (const float dpi : {96.0F, 192.0F}) {
        for (const char* separator : {",", ".", "'", "\u202f", ""}) {
            cases.push_back({dpi, separator});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(SeparatorsAndDpis, CachedGlyphsTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& param) {
                             return NameOf(param.param);
                         });

}  // namespace
}  // namespace bumblorbs
