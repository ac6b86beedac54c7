#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/argb_image.h"
#include "host/text/glyph_source.h"

namespace bumblorbs {

// A text's picture: 0xAARRGGBB pixels, held by whatever drew it.
using TextImage = ArgbImage;

// Draws one-line texts made of a small set of characters (the count's
// digits and group separator) from images of those characters rendered
// once. Each image is placed where the font's own render of the whole text
// would place it, and overlapping coverage is combined the same way, so the
// picture is the one the font would give, at a fraction of its cost. Fonts
// whose spacing depends on the neighbouring character (kerning) are refused
// when the cache is made, so what it draws can be trusted. Every text is
// drawn into one image kept for the purpose, so a count that changes on
// most ticks allocates nothing.
class CachedGlyphs {
public:
    // Renders each of `characters` (whole UTF-8 characters) once. Empty when
    // the font's own renders of texts made of them, wrapped at `wrapWidth`
    // pixels, cannot be reproduced; the caller then renders whole texts.
    static std::optional<CachedGlyphs> Make(GlyphSource& font,
                                            const std::vector<std::string>& characters,
                                            Colour colour, int wrapWidth);

    // Draws `text`; nothing when it holds a character that is not cached
    // or is too wide for one line (the font would wrap it). The picture
    // lasts until the next text is drawn.
    std::optional<TextImage> Draw(std::string_view text);

private:
    struct Glyph {
        std::string Text;
        ArgbPicture Image;
        int Left = 0;     // leftmost inked column, from the pen
        int Right = 0;    // right end of the ink, from the pen
        int Advance = 0;  // how far the pen moves past it
    };
    // Where a text's ink reaches from its first pen position, and how high.
    struct Extent {
        int Left = 0;
        int Right = 0;
        int Height = 0;
    };

    CachedGlyphs(GlyphSource& font, Colour colour, int wrapWidth)
        : font_(&font), colour_(colour), wrapWidth_(wrapWidth) {}
    // The character's image and metrics, where the font gives them all.
    static std::optional<Glyph> Render(GlyphSource& font, const std::string& character,
                                       Colour colour);
    // Whether every pair, and the longest run of them all that fits on a
    // line, comes out as the font draws it.
    bool MatchesRuns(const std::vector<std::string>& characters);
    // The cached glyph that `text` starts with, if any.
    const Glyph* GlyphAt(std::string_view text) const;
    // The extent of `text`, where every character of it is cached.
    std::optional<Extent> Measure(std::string_view text) const;
    void Compose(std::string_view text, int left, int width, int height);
    // True when this cache draws `text` exactly as the font does.
    bool Matches(std::string_view text);

    // Only read while the cache is made.
    GlyphSource* font_;
    Colour colour_;
    int wrapWidth_;
    std::vector<Glyph> glyphs_;
    // Where texts are drawn: as wide as a line, as high as the tallest glyph.
    ArgbPicture canvas_;
};

}  // namespace bumblorbs
