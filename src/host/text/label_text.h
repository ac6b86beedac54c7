#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/pixel_mapping.h"
#include "host/text/cached_glyphs.h"
#include "host/text/glyph_source.h"
#include "scene/scene.h"

namespace bumblorbs {

// The characters a count can show: the digits and, unless it is empty, the
// group separator.
std::vector<std::string> CountCharacters(std::string_view groupSeparator);

// The labels' fonts and their rendered captions. Each caption is rendered
// again only when it changes; the count, which changes on most ticks, is
// put together from its characters' images where the font allows. A font
// is closed once what it draws is cached, and the face finder is let go
// once the faces are found: both hold megabytes the toy seldom needs again.
// A text the cache cannot draw opens its font again.
class LabelText {
public:
    // `groupSeparator` is the one the count is formatted with: the face for
    // the count must draw it as well as the digits. `sources` outlives this.
    LabelText(const Scene& scene, const PixelMapping& mapping, std::string_view groupSeparator,
              GlyphSources& sources);

    // The caption's picture, wrapped at the box's width; none for an empty
    // one. It lasts until the label's caption is rendered again.
    TextImage Rendered(const Scene& scene, LabelId id);
    // False when no installed face could draw every character of a label.
    bool AllTextCovered() const { return allCovered_; }

private:
    struct Slot {
        std::unique_ptr<GlyphSource> Font;
        // The characters the font must draw, to find it again.
        std::string MustDraw;
        std::string RenderedCaption;
        TextImage Shown;
        // The whole render behind `Shown`, where the glyph cache did not draw it.
        ArgbPicture Image;
        std::optional<CachedGlyphs> Glyphs;
        // Kept open where its captions change and no glyph cache draws them.
        bool KeepFont = false;
    };

    // The face for the label's font, at the mapping's size.
    std::unique_ptr<GlyphSource> Open(const TextLabel& label, const std::string& mustDraw,
                                      bool& covered);
    GlyphSource& FontOf(const Scene& scene, LabelId id);
    // Draws the caption into the slot: from the glyph cache where it can,
    // else as the font draws it whole.
    void Draw(const Scene& scene, LabelId id);

    const PixelMapping& mapping_;
    GlyphSources& sources_;
    std::string groupSeparator_;
    std::array<Slot, LabelCount> slots_;
    bool allCovered_ = true;
};

}  // namespace bumblorbs
