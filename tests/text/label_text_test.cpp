// The labels' captions from a glyph source of the test's own: which texts
// are drawn again, when a font is let go and opened again, what the glyph
// cache refuses, and what a failed render says. No text engine is needed.

#include "host/text/label_text.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/host_fault.h"
#include "scene/scene.h"

namespace bumblorbs {
namespace {

// What the fonts of a test have been asked for.
struct FontLog {
    int Opened = 0;
    int Closed = 0;
    int FinderReleases = 0;
    std::vector<std::string> WholeRenders;
};

// A face whose every character is a 4 x 5 block with an alpha of its own
// in every pixel, four pixels apart; where `Kerned`, a 1 after a 0 moves
// one pixel left, as a kerning pair would. Texts wider than the wrap width
// take two lines.
class BlockFont final : public GlyphSource {
public:
    static constexpr int Advance = 4;
    static constexpr int Height = 5;

    BlockFont(FontLog& log, bool kerned, bool broken)
        : log_(log), kerned_(kerned), broken_(broken) {
        ++log_.Opened;
    }
    ~BlockFont() override { ++log_.Closed; }
    BlockFont(const BlockFont&) = delete;
    BlockFont& operator=(const BlockFont&) = delete;

    std::optional<ArgbPicture> Line(std::string_view text, Colour colour) override {
        return Draw(text, colour, 1);
    }
    std::optional<ArgbPicture> Wrapped(std::string_view text, Colour colour,
                                       int wrapWidth) override {
        log_.WholeRenders.emplace_back(text);
        if (broken_) {
            return std::nullopt;
        }
        return Draw(text, colour, Width(text) > wrapWidth ? 2 : 1);
    }
    std::optional<InkSpan> Ink(char32_t /*point*/) override { return InkSpan{0, Advance}; }
    std::optional<int> LineWidth(std::string_view text) override { return Width(text); }
    std::string Reason() const override { return "the block font is broken"; }

private:
    static int Width(std::string_view text) { return static_cast<int>(text.size()) * Advance; }

    ArgbPicture Draw(std::string_view text, Colour colour, int lines) const {
        ArgbPicture picture{{}, Width(text), Height * lines};
        const auto ink =
            static_cast<std::uint32_t>(RedOf(colour) << 16 | GreenOf(colour) << 8 | BlueOf(colour));
        picture.Pixels.assign(static_cast<std::size_t>(picture.Width * picture.Height), ink);
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool kerned = kerned_ && i > 0 && text[i - 1] == '0' && text[i] == '1';
            const int left = static_cast<int>(i) * Advance - (kerned ? 1 : 0);
            for (int y = 0; y < Height; ++y) {
                for (int x = 0; x < Advance; ++x) {
                    const auto alpha =
                        static_cast<std::uint32_t>(text[i] * 7 + x * 40 + y * 9) | 1U;
                    picture.Pixels[static_cast<std::size_t>(y * picture.Width + left + x)] |=
                        (alpha & 0xFFU) << 24U;
                }
            }
        }
        return picture;
    }

    FontLog& log_;
    bool kerned_;
    bool broken_;
};

class BlockFonts final : public GlyphSources {
public:
    std::unique_ptr<GlyphSource> Open(const LabelFont& /*font*/, int /*pixelSize*/,
                                      std::string_view /*mustDraw*/, bool& covered) override {
        covered = true;
        return std::make_unique<BlockFont>(Log, Kerned, Broken);
    }
    void ReleaseFinder() override { ++Log.FinderReleases; }

    FontLog Log;
    bool Kerned = false;
    bool Broken = false;
};

class LabelTextTest : public ::testing::Test {
protected:
    // The count as the window shows it: from the cache where it can.
    TextImage Count(std::string_view caption) {
        scene.SetCaption(LabelId::Label2, caption);
        return labels->Rendered(scene, LabelId::Label2);
    }
    void Start() { labels.emplace(scene, mapping, ",", fonts); }

    Scene scene{DesignedLayout};
    PixelMapping mapping{TwipsPerPixelAt(DefaultDpi)};
    BlockFonts fonts;
    std::optional<LabelText> labels;
};

TEST_F(LabelTextTest, ACaptionIsRenderedOnlyWhenItChangesAndCountsComeFromTheCache) {
    Start();
    EXPECT_EQ(fonts.Log.Opened, 2);
    EXPECT_EQ(fonts.Log.FinderReleases, 1);
    const TextImage title = labels->Rendered(scene, LabelId::Label1);
    ASSERT_TRUE(title);
    EXPECT_EQ(labels->Rendered(scene, LabelId::Label1).Pixels, title.Pixels);
    EXPECT_FALSE(Count(""));
    ASSERT_TRUE(Count("0"));
    const std::size_t wholeRenders = fonts.Log.WholeRenders.size();
    // From the first change on, counts are put together from the cache,
    // and the fonts of both labels are let go.
    const TextImage count = Count("1,234");
    ASSERT_TRUE(count);
    EXPECT_EQ(count.Width, 5 * BlockFont::Advance);
    EXPECT_EQ(fonts.Log.Closed, 2);
    EXPECT_EQ(fonts.Log.Opened, 2);
    const std::size_t afterCache = fonts.Log.WholeRenders.size();
    EXPECT_GT(afterCache, wholeRenders) << "the cache was not checked against the font";
    ASSERT_TRUE(Count("56,789"));
    EXPECT_EQ(fonts.Log.WholeRenders.size(), afterCache) << "a count was rendered whole";
}

TEST_F(LabelTextTest, ATextTheCacheCannotDrawOpensTheFontAgainAndKeepsIt) {
    Start();
    Count("0");
    Count("1");
    ASSERT_EQ(fonts.Log.Closed, 1) << "the count's font was not let go";
    const TextImage odd = Count("12a");
    ASSERT_TRUE(odd);
    EXPECT_EQ(fonts.Log.Opened, 3);
    EXPECT_EQ(fonts.Log.WholeRenders.back(), "12a");
    EXPECT_EQ(fonts.Log.FinderReleases, 2);
    Count("3");
    Count("4b");
    EXPECT_EQ(fonts.Log.Opened, 3) << "the font was not kept for the next such text";
}

TEST_F(LabelTextTest, AKernedFontIsRenderedWholeEveryTime) {
    fonts.Kerned = true;
    Start();
    Count("0");
    Count("10");
    const std::size_t before = fonts.Log.WholeRenders.size();
    const TextImage kerned = Count("101");
    ASSERT_TRUE(kerned);
    EXPECT_EQ(fonts.Log.WholeRenders.size(), before + 1);
    EXPECT_EQ(fonts.Log.WholeRenders.back(), "101");
    // Its pixels are the font's own, kerning and all.
    EXPECT_EQ(kerned.Width, 3 * BlockFont::Advance);
}

TEST_F(LabelTextTest, AFailedRenderIsAFaultThatSaysWhy) {
    fonts.Broken = true;
    Start();
    try {
        labels->Rendered(scene, LabelId::Label1);
        FAIL() << "no fault";
    } catch (const HostFault& fault) {
        EXPECT_EQ(std::string(fault.what()), "cannot render a caption: the block font is broken");
    }
}

TEST(CachedGlyphsFromBlocksTest, DrawsTheFontsOwnPixelsAndLeavesWrappedTextsToIt) {
    FontLog log;
    BlockFont font(log, false, false);
    const std::vector<std::string> characters = CountCharacters(",");
    constexpr int Wrap = 7 * BlockFont::Advance;
    std::optional<CachedGlyphs> glyphs = CachedGlyphs::Make(font, characters, 0x0000FFU, Wrap);
    ASSERT_TRUE(glyphs);
    for (const std::string text : {"7", "1,000", "98,765"}) {
        const std::optional<TextImage> ours = glyphs->Draw(text);
        const std::optional<ArgbPicture> theirs = font.Wrapped(text, 0x0000FFU, Wrap);
        ASSERT_TRUE(ours && theirs) << text;
        ASSERT_EQ(ours->Width, theirs->Width) << text;
        ASSERT_EQ(ours->Height, theirs->Height) << text;
        for (int y = 0; y < ours->Height; ++y) {
            for (int x = 0; x < ours->Width; ++x) {
                ASSERT_EQ(ours->At(x, y), theirs->View().At(x, y))
                    << text << " at " << x << "," << y;
            }
        }
    }
    EXPECT_FALSE(glyphs->Draw("123,456"));
    EXPECT_FALSE(glyphs->Draw("1.5"));
}

}  // namespace
}  // namespace bumblorbs
