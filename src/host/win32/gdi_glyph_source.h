#pragma once

#include <memory>
#include <string_view>

#include "host/text/glyph_source.h"

namespace bumblorbs {

// Faces installed on Windows, drawn by GDI in antialiased greys.
class GdiGlyphSources final : public GlyphSources {
public:
    std::unique_ptr<GlyphSource> Open(const LabelFont& font, int pixelSize,
                                      std::string_view mustDraw, bool& covered) override;
    // GDI keeps nothing of the search.
    void ReleaseFinder() override {}
};

}  // namespace bumblorbs
