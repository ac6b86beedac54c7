#pragma once

#include <memory>
#include <string_view>

#include "host/text/glyph_source.h"

namespace bumblorbs {

// Faces found through fontconfig and drawn by SDL_ttf, which is started for
// as long as this lives.
class TtfGlyphSources final : public GlyphSources {
public:
    // Throws HostFault where SDL_ttf does not start.
    TtfGlyphSources();
    ~TtfGlyphSources() override;
    TtfGlyphSources(const TtfGlyphSources&) = delete;
    TtfGlyphSources& operator=(const TtfGlyphSources&) = delete;

    std::unique_ptr<GlyphSource> Open(const LabelFont& font, int pixelSize,
                                      std::string_view mustDraw, bool& covered) override;
    void ReleaseFinder() override;
};

}  // namespace bumblorbs
