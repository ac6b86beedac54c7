#include "host/text/cached_glyphs.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "host/sdl/pixel_rows.h"

namespace bumblorbs {
namespace {

constexpr Uint32 AlphaMask = 0xFF000000U;

// The code point of a text that holds exactly one UTF-8 character, or none.
std::optional<Uint32> SoleCodePoint(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 1;
    Uint32 point = lead;
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

Uint32 PixelAt(const SDL_Surface* surface, int x, int y) {
    if (x < 0 || y < 0 || x >= surface->w || y >= surface->h) {
        return 0;
    }
    return PixelRow(surface, y)[x];
}

// Pixels that show nothing are equal whatever their colour bits say.
bool SamePicture(const TextImage& a, const SDL_Surface* b) {
    const int width = std::max(a.Width, b->w);
    const int height = std::max(a.Height, b->h);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Uint32 pa = x < a.Width && y < a.Height ? PixelAt(a.Image, x, y) : 0;
            const Uint32 pb = PixelAt(b, x, y);
            if ((pa & AlphaMask) != (pb & AlphaMask) || ((pa & AlphaMask) != 0 && pa != pb)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

std::optional<CachedGlyphs> CachedGlyphs::Make(TTF_Font* font,
                                               const std::vector<std::string>& characters,
                                               SDL_Color colour, int wrapWidth) {
    CachedGlyphs cache(font, colour, wrapWidth);
    int height = 0;
    for (const std::string& character : characters) {
        const std::optional<Uint32> point = SoleCodePoint(character);
        Glyph glyph{character,
                    SurfaceHandle(TTF_RenderUTF8_Blended(font, character.c_str(), colour))};
        int top = 0;
        int bottom = 0;
        int ignored = 0;
        int once = 0;
        int twice = 0;
        if (!point || !glyph.Image || glyph.Image->format->format != SDL_PIXELFORMAT_ARGB8888 ||
            TTF_GlyphMetrics32(font, *point, &glyph.Left, &glyph.Right, &bottom, &top, &ignored) !=
                0 ||
            TTF_SizeUTF8(font, character.c_str(), &once, nullptr) != 0 ||
            TTF_SizeUTF8(font, (character + character).c_str(), &twice, nullptr) != 0) {
            return std::nullopt;
        }
        // The advance the shaper gives, which may differ from the glyph's
        // own metrics once the font is emboldened: a second copy of the
        // character widens the text by exactly that much.
        glyph.Advance = twice - once;
        height = std::max(height, glyph.Image->h);
        cache.glyphs_.push_back(std::move(glyph));
    }
    cache.canvas_.reset(SDL_CreateRGBSurfaceWithFormat(0, std::max(1, wrapWidth),
                                                       std::max(1, height), 32,
                                                       SDL_PIXELFORMAT_ARGB8888));
    if (!cache.canvas_) {
        return std::nullopt;
    }
    // Every pair shows how the font spaces and overlaps neighbours; the
    // longest run of them all that fits on a line shows that the spacing
    // adds up.
    for (const std::string& first : characters) {
        for (const std::string& second : characters) {
            if (!cache.Matches(first + second)) {
                return std::nullopt;
            }
        }
    }
    for (std::size_t count = characters.size(); count > 0; --count) {
        std::string run;
        for (std::size_t i = 0; i < count; ++i) {
            run += characters[i];
        }
        if (cache.Draw(run)) {
            if (!cache.Matches(run)) {
                return std::nullopt;
            }
            break;
        }
    }
    return cache;
}

const CachedGlyphs::Glyph* CachedGlyphs::GlyphAt(std::string_view text) const {
    const auto found = std::find_if(glyphs_.begin(), glyphs_.end(), [&](const Glyph& glyph) {
        return text.substr(0, glyph.Text.size()) == glyph.Text;
    });
    return found == glyphs_.end() ? nullptr : &*found;
}

std::optional<TextImage> CachedGlyphs::Draw(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    // How far the ink reaches on either side of the first pen position.
    int pen = 0;
    int left = 0;
    int right = 0;
    int height = 0;
    for (std::string_view rest = text; !rest.empty();) {
        const Glyph* glyph = GlyphAt(rest);
        if (glyph == nullptr) {
            return std::nullopt;
        }
        height = std::max(height, glyph->Image->h);
        left = std::min(left, pen + glyph->Left);
        right = std::max(right, pen + glyph->Right);
        pen += glyph->Advance;
        rest.remove_prefix(glyph->Text.size());
    }
    right = std::max(right, pen);
    const int width = right - left;
    if (width >= wrapWidth_) {
        return std::nullopt;
    }
    const TextImage image{canvas_.get(), width, height};
    const Uint32 ink = SDL_MapRGBA(canvas_->format, colour_.r, colour_.g, colour_.b, 0);
    const SDL_Rect part{0, 0, width, height};
    SDL_FillRect(canvas_.get(), &part, ink);
    pen = 0;
    for (std::string_view rest = text; !rest.empty();) {
        const Glyph* glyph = GlyphAt(rest);
        const SDL_Surface* source = glyph->Image.get();
        // The glyph's own image starts its ink at the pen unless the ink
        // reaches left of it.
        const int sourcePen = std::max(0, -glyph->Left);
        const int offset = pen - left - sourcePen;
        const int from = std::max(0, -offset);
        const int to = std::min(source->w, width - offset);
        for (int y = 0; y < source->h; ++y) {
            const Uint32* in = PixelRow(source, y);
            Uint32* out = PixelRow(canvas_.get(), y) + offset;
            for (int x = from; x < to; ++x) {
                // Overlapping ink is combined as the font's renderer does.
                out[x] |= in[x] & AlphaMask;
            }
        }
        pen += glyph->Advance;
        rest.remove_prefix(glyph->Text.size());
    }
    return image;
}

bool CachedGlyphs::Matches(std::string_view text) {
    const std::string whole(text);
    const std::optional<TextImage> ours = Draw(whole);
    if (!ours) {
        // Too wide for one line: such texts are always rendered whole.
        return true;
    }
    const SurfaceHandle theirs(TTF_RenderUTF8_Blended_Wrapped(font_, whole.c_str(), colour_,
                                                              static_cast<Uint32>(wrapWidth_)));
    return theirs && theirs->format->format == SDL_PIXELFORMAT_ARGB8888 &&
           SamePicture(*ours, theirs.get());
}

}  // namespace bumblorbs
