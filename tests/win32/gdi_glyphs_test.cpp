// The labels' text as GDI draws it on Windows: the count drawn from the
// glyph cache must be the picture GDI draws for the whole text, and the
// instruction must wrap within its box.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "host/core/number_format.h"
#include "host/core/pixel_mapping.h"
#include "host/text/cached_glyphs.h"
#include "host/text/label_text.h"
#include "host/win32/gdi_glyph_source.h"
#include "scene/designed_layout.h"
#include "scene/scene.h"

namespace bumblorbs {
namespace {

constexpr Colour Red = MakeColour(255, 0, 0);

struct Case {
    float Dpi;
    const char* Separator;
};

class GdiGlyphsTest : public ::testing::TestWithParam<Case> {
protected:
    GdiGlyphsTest() : mapping(TwipsPerPixelAt(GetParam().Dpi)) {}

    std::unique_ptr<GlyphSource> Open(LabelId id, const std::string& mustDraw, bool& covered) {
        const TextLabel& label = scene.Label(id);
        return fonts.Open(label.Font, mapping.FontPixels(label.Font.Points), mustDraw, covered);
    }
    int WrapWidth(LabelId id) const { return mapping.ToPixels(scene.Label(id).Box.Width); }

    Scene scene{DesignedLayout};
    PixelMapping mapping;
    GdiGlyphSources fonts;
};

// The alpha of the picture at x, y; none beyond it.
std::uint32_t AlphaAt(const ArgbImage& image, int x, int y) {
    return x < image.Width && y < image.Height ? image.At(x, y) >> 24U : 0;
}

TEST_P(GdiGlyphsTest, TheCachedCountIsTheTextAsGdiDrawsIt) {
    const std::vector<std::string> characters = CountCharacters(GetParam().Separator);
    bool covered = false;
    std::unique_ptr<GlyphSource> font =
        Open(LabelId::Label2, std::accumulate(characters.begin(), characters.end(), std::string()),
             covered);
    ASSERT_TRUE(covered) << "no installed face draws the count";
    std::optional<CachedGlyphs> glyphs =
        CachedGlyphs::Make(*font, characters, Red, WrapWidth(LabelId::Label2));
    ASSERT_TRUE(glyphs) << "the cache refused GDI's own face";
    int compared = 0;
    for (std::int64_t count = 1; count <= 2'000'000; count = count * 3 + 1) {
        const std::string text = FormatByPattern(count, "#,###", GetParam().Separator);
        const std::optional<TextImage> ours = glyphs->Draw(text);
        const std::optional<ArgbPicture> theirs =
            font->Wrapped(text, Red, WrapWidth(LabelId::Label2));
        ASSERT_TRUE(theirs) << text;
        if (!ours) {
            continue;
        }
        ++compared;
        const ArgbImage gdi = theirs->View();
        for (int y = 0; y < std::max(ours->Height, gdi.Height); ++y) {
            for (int x = 0; x < std::max(ours->Width, gdi.Width); ++x) {
                ASSERT_EQ(AlphaAt(*ours, x, y), AlphaAt(gdi, x, y))
                    << text << " at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(compared, 8);
}

TEST_P(GdiGlyphsTest, TheInstructionWrapsWithinItsBoxInTheTextsColour) {
    const TextLabel& label = scene.Label(LabelId::Label1);
    bool covered = false;
    std::unique_ptr<GlyphSource> font = Open(LabelId::Label1, label.Caption, covered);
    ASSERT_TRUE(covered) << "no installed face draws the instruction";
    const int width = WrapWidth(LabelId::Label1);
    const std::optional<ArgbPicture> whole = font->Wrapped(label.Caption, label.ForeColor, width);
    ASSERT_TRUE(whole);
    EXPECT_LE(whole->Width, width);
    // Half as wide a box takes the caption on more lines, each within it.
    const std::optional<ArgbPicture> narrow =
        font->Wrapped(label.Caption, label.ForeColor, width / 2);
    ASSERT_TRUE(narrow);
    EXPECT_LE(narrow->Width, width / 2);
    EXPECT_GE(narrow->Height, 2 * font->Line("停", label.ForeColor)->Height);
    // Every inked pixel is the caption's colour; only its coverage varies.
    int inked = 0;
    for (const std::uint32_t pixel : whole->Pixels) {
        if (pixel >> 24U != 0) {
            ++inked;
            EXPECT_EQ(pixel & 0xFFFFFFU, 0xFFFFFFU);
        }
    }
    EXPECT_GT(inked, 500);
}

INSTANTIATE_TEST_SUITE_P(SeparatorsAndScales, GdiGlyphsTest,
                         ::testing::Values(Case{96.0F, ","}, Case{96.0F, "."}, Case{144.0F, ","},
                                           Case{192.0F, "\u00a0"}));

}  // namespace
}  // namespace bumblorbs
