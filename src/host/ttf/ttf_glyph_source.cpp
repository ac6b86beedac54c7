#include "host/ttf/ttf_glyph_source.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <malloc.h>

#include <string>

#include "host/core/host_fault.h"
#include "host/sdl_core/sdl_handles.h"
#include "host/ttf/font_finder.h"

namespace bumblorbs {
namespace {

SDL_Color SdlColour(Colour colour) {
    return {static_cast<Uint8>(RedOf(colour)), static_cast<Uint8>(GreenOf(colour)),
            static_cast<Uint8>(BlueOf(colour)), SDL_ALPHA_OPAQUE};
}

// The render's pixels as a picture of our own; none where there is no
// render, or it is not in 0xAARRGGBB pixels.
std::optional<ArgbPicture> PictureOf(const SurfaceHandle& surface) {
    if (!surface || surface->format->format != SDL_PIXELFORMAT_ARGB8888) {
        return std::nullopt;
    }
    ArgbPicture picture{{}, surface->w, surface->h};
    picture.Pixels.reserve(static_cast<std::size_t>(surface->w) *
                           static_cast<std::size_t>(surface->h));
    for (int y = 0; y < surface->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(surface->pixels) +
            static_cast<std::ptrdiff_t>(y) * surface->pitch);
        picture.Pixels.insert(picture.Pixels.end(), row, row + surface->w);
    }
    return picture;
}

class TtfGlyphSource final : public GlyphSource {
public:
    explicit TtfGlyphSource(FontHandle font) : font_(std::move(font)) {}
    ~TtfGlyphSource() override {
        font_.reset();
        // Freed memory in the middle of the heap stays the process's until
        // it is given back.
        malloc_trim(0);
    }
    TtfGlyphSource(const TtfGlyphSource&) = delete;
    TtfGlyphSource& operator=(const TtfGlyphSource&) = delete;

    std::optional<ArgbPicture> Line(std::string_view text, Colour colour) override {
        const std::string whole(text);
        return PictureOf(
            SurfaceHandle(TTF_RenderUTF8_Blended(font_.get(), whole.c_str(), SdlColour(colour))));
    }
    std::optional<ArgbPicture> Wrapped(std::string_view text, Colour colour,
                                       int wrapWidth) override {
        const std::string whole(text);
        return PictureOf(SurfaceHandle(TTF_RenderUTF8_Blended_Wrapped(
            font_.get(), whole.c_str(), SdlColour(colour), static_cast<Uint32>(wrapWidth))));
    }
    std::optional<InkSpan> Ink(char32_t point) override {
        InkSpan ink;
        int bottom = 0;
        int top = 0;
        int advance = 0;
        if (TTF_GlyphMetrics32(font_.get(), point, &ink.Left, &ink.Right, &bottom, &top,
                               &advance) != 0) {
            return std::nullopt;
        }
        return ink;
    }
    std::optional<int> LineWidth(std::string_view text) override {
        const std::string whole(text);
        int width = 0;
        if (TTF_SizeUTF8(font_.get(), whole.c_str(), &width, nullptr) != 0) {
            return std::nullopt;
        }
        return width;
    }
    std::string Reason() const override { return TTF_GetError(); }

private:
    FontHandle font_;
};

}  // namespace

TtfGlyphSources::TtfGlyphSources() {
    if (TTF_Init() != 0) {
        throw HostFault(std::string("TTF_Init: ") + TTF_GetError());
    }
}

TtfGlyphSources::~TtfGlyphSources() { TTF_Quit(); }

std::unique_ptr<GlyphSource> TtfGlyphSources::Open(const LabelFont& font, int pixelSize,
                                                   std::string_view mustDraw, bool& covered) {
    const FoundFace face = FindFace(font.Face, pixelSize, mustDraw);
    covered = face.CoversText;
    // SDL_ttf sizes at 72 dpi by default, so a point size is a pixel size.
    FontHandle opened(TTF_OpenFontIndex(face.Path.c_str(), pixelSize, face.Index));
    if (!opened) {
        throw HostFault("cannot open font " + face.Path + ": " + TTF_GetError());
    }
    if (font.Weight >= BoldWeight && !face.IsBold) {
        TTF_SetFontStyle(opened.get(), TTF_STYLE_BOLD);
    }
    return std::make_unique<TtfGlyphSource>(std::move(opened));
}

void TtfGlyphSources::ReleaseFinder() { ReleaseFontconfig(); }

}  // namespace bumblorbs
