#include "host/text/cached_glyphs.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace bumblorbs {
namespace {

constexpr std::uint32_t AlphaMask = 0xFF000000U;

// The code point of a text that holds exactly one UTF-8 character, or none.
std::optional<char32_t> SoleCodePoint(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 1;
    char32_t point = lead;
    if (lead >= 0xF0U) {
        length = 4;
        point = lead & 0x07U;
    } else if (lead >= 0xE0U) {
        length = 3;
        point = lead & 0x0FU;
    } else if (lead >= 0xC0U) {
        length = 2;
        point = lead & 0x1FU;
    } else if (lead >= 0x80U) {
        return std::nullopt;
    }
    if (text.size() != length) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        point = (point << 6U) | (static_cast<unsigned char>(text[i]) & 0x3FU);
    }
    return point;
}

std::uint32_t PixelAt(const TextImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.Width || y >= image.Height) {
        return 0;
    }
    return image.At(x, y);
}

// Pixels that show nothing are equal whatever their colour bits say.
bool SamePicture(const TextImage& a, const TextImage& b) {
    const int width = std::max(a.Width, b.Width);
    const int height = std::max(a.Height, b.Height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pa = PixelAt(a, x, y);
            const std::uint32_t pb = PixelAt(b, x, y);
            if ((pa & AlphaMask) != (pb & AlphaMask) || ((pa & AlphaMask) != 0 && pa != pb)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

std::optional<CachedGlyphs::Glyph> CachedGlyphs::Render(GlyphSource& font,
                                                        const std::string& character,
                                                        Colour colour) {
    const std::optional<char32_t> point = SoleCodePoint(character);
    std::optional<ArgbPicture> image = font.Line(character, colour);
    const std::optional<InkSpan> ink = point ? font.Ink(*point) : std::nullopt;
    const std::optional<int> once = font.LineWidth(character);
    const std::optional<int> twice = font.LineWidth(character + character);
    if (!image || !ink || !once || !twice) {
        return std::nullopt;
    }
    // The advance the shaper gives, which may differ from the glyph's own
    // metrics once the font is emboldened: a second copy of the character
    // widens the text by exactly that much.
    return Glyph{character, std::move(*image), ink->Left, ink->Right, *twice - *once};
}

std::optional<CachedGlyphs> CachedGlyphs::Make(GlyphSource& font,
                                               const std::vector<std::string>& characters,
                                               Colour colour, int wrapWidth) {
    CachedGlyphs cache(font, colour, wrapWidth);
    int height = 0;
    for (const std::string& character : characters) {
        std::optional<Glyph> glyph = Render(font, character, colour);
        if (!glyph) {
            return std::nullopt;
        }
        height = std::max(height, glyph->Image.Height);
        cache.glyphs_.push_back(std::move(*glyph));
    }
    ArgbPicture& canvas = cache.canvas_;
    canvas.Width = std::max(1, wrapWidth);
    canvas.Height = std::max(1, height);
    canvas.Pixels.assign(
        static_cast<std::size_t>(canvas.Width) * static_cast<std::size_t>(canvas.Height), 0U);
    if (!cache.MatchesRuns(characters)) {
        return std::nullopt;
    }
    return cache;
}

bool CachedGlyphs::MatchesRuns(const std::vector<std::string>& characters) {
    // Every pair shows how the font spaces and overlaps neighbours; the
    // longest run of them all that fits on a line shows that the spacing
    // adds up.
    for (const std::string& first : characters) {
        for (const std::string& second : characters) {
            if (!Matches(first + second)) {
                return false;
            }
        }
    }
    for (std::size_t count = characters.size(); count > 0; --count) {
        std::string run;
        for (std::size_t i = 0; i < count; ++i) {
            run += characters[i];
        }
        if (Draw(run)) {
            return Matches(run);
        }
    }
    return true;
}

const CachedGlyphs::Glyph* CachedGlyphs::GlyphAt(std::string_view text) const {
    const auto found = std::find_if(glyphs_.begin(), glyphs_.end(), [&](const Glyph& glyph) {
        return text.substr(0, glyph.Text.size()) == glyph.Text;
    });
    return found == glyphs_.end() ? nullptr : &*found;
}

std::optional<CachedGlyphs::Extent> CachedGlyphs::Measure(std::string_view text) const {
    Extent extent;
    int pen = 0;
    for (std::string_view rest = text; !rest.empty();) {
        const Glyph* glyph = GlyphAt(rest);
        if (glyph == nullptr) {
            return std::nullopt;
        }
        extent.Height = std::max(extent.Height, glyph->Image.Height);
        extent.Left = std::min(extent.Left, pen + glyph->Left);
        extent.Right = std::max(extent.Right, pen + glyph->Right);
        pen += glyph->Advance;
        rest.remove_prefix(glyph->Text.size());
    }
    extent.Right = std::max(extent.Right, pen);
    return extent;
}

std::optional<TextImage> CachedGlyphs::Draw(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const std::optional<Extent> extent = Measure(text);
    if (!extent) {
        return std::nullopt;
    }
    const int width = extent->Right - extent->Left;
    if (width >= wrapWidth_) {
        return std::nullopt;
    }
    Compose(text, extent->Left, width, extent->Height);
    return TextImage{canvas_.Pixels.data(), canvas_.Width, width, extent->Height};
}

void CachedGlyphs::Compose(std::string_view text, int left, int width, int height) {
    const std::uint32_t ink = static_cast<std::uint32_t>(RedOf(colour_)) << 16U |
                              static_cast<std::uint32_t>(GreenOf(colour_)) << 8U |
                              static_cast<std::uint32_t>(BlueOf(colour_));
    const auto rowOf = [&](int y) {
        return canvas_.Pixels.data() +
               static_cast<std::size_t>(y) * static_cast<std::size_t>(canvas_.Width);
    };
    for (int y = 0; y < height; ++y) {
        std::fill_n(rowOf(y), width, ink);
    }
    int pen = 0;
    for (std::string_view rest = text; !rest.empty();) {
        const Glyph* glyph = GlyphAt(rest);
        const ArgbImage source = glyph->Image.View();
        // The glyph's own image starts its ink at the pen unless the ink
        // reaches left of it.
        const int offset = pen - left - std::max(0, -glyph->Left);
        const int from = std::max(0, -offset);
        const int to = std::min(source.Width, width - offset);
        for (int y = 0; y < source.Height; ++y) {
            const std::uint32_t* in = source.Row(y);
            std::uint32_t* out = rowOf(y);
            for (int x = from; x < to; ++x) {
                // Overlapping ink is combined as the font's renderer does.
                out[x + offset] |= in[x] & AlphaMask;
            }
        }
        pen += glyph->Advance;
        rest.remove_prefix(glyph->Text.size());
    }
}

bool CachedGlyphs::Matches(std::string_view text) {
    const std::optional<TextImage> ours = Draw(text);
    if (!ours) {
        // Too wide for one line: such texts are always rendered whole.
        return true;
    }
    const std::optional<ArgbPicture> theirs = font_->Wrapped(text, colour_, wrapWidth_);
    return theirs && SamePicture(*ours, theirs->View());
}

}  // namespace bumblorbs
