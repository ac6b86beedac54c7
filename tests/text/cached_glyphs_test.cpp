// The count drawn from cached character images must be the very picture
// the font renders for the whole text, for every separator a locale may give
// and at both the usual and a doubled dpi.

#include "host/text/cached_glyphs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <numeric>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "host/core/number_format.h"
#include "host/core/pixel_mapping.h"
#include "host/text/label_text.h"
#include "host/ttf/ttf_glyph_source.h"
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
    CachedGlyphsTest() : mapping(TwipsPerPixelAt(GetParam().Dpi)) {
        bool covered = false;
        const std::vector<std::string> characters = CountCharacters(Separator());
        font = fonts.Open(Count().Font, mapping.FontPixels(Count().Font.Points),
                          std::accumulate(characters.begin(), characters.end(), std::string()),
                          covered);
    }

    const TextLabel& Count() const { return scene.Label(LabelId::Label2); }
    std::string Separator() const { return GetParam().Separator; }
    int WrapWidth() const { return mapping.ToPixels(Count().Box.Width); }
    static Colour Red() { return MakeColour(255, 0, 0); }

    std::optional<CachedGlyphs> Make() {
        return CachedGlyphs::Make(*font, CountCharacters(Separator()), Red(), WrapWidth());
    }

    // The first pixel where the two pictures differ, or "" when none does.
    static std::string FirstDifference(const TextImage& ours, const TextImage& theirs) {
        for (int y = 0; y < std::max(ours.Height, theirs.Height); ++y) {
            for (int x = 0; x < std::max(ours.Width, theirs.Width); ++x) {
                const std::uint32_t a = AlphaAt(ours, x, y);
                const std::uint32_t b = AlphaAt(theirs, x, y);
                if (a != b) {
                    return "at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                           std::to_string(a) + " against " + std::to_string(b);
                }
            }
        }
        return "";
    }

    // The alpha at x, y of the picture; none beyond it.
    static std::uint32_t AlphaAt(const TextImage& image, int x, int y) {
        if (x >= image.Width || y >= image.Height) {
            return 0;
        }
        return image.At(x, y) >> 24U;
    }

    Scene scene{DesignedLayout};
    PixelMapping mapping;
    TtfGlyphSources fonts;
    std::unique_ptr<GlyphSource> font;
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
        const std::optional<ArgbPicture> theirs = font->Wrapped(text, Red(), WrapWidth());
        ASSERT_TRUE(theirs);
        if (!ours) {
            // Only a text the font breaks onto more lines may be left to it.
            EXPECT_GT(theirs->Height, font->Line("0", Red())->Height) << text;
            ++wrapped;
            continue;
        }
        ++drawnFromCache;
        EXPECT_EQ(FirstDifference(*ours, theirs->View()), "") << text;
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
