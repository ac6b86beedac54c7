#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/sdl/pixel_mapping.h"
#include "host/sdl/sdl_handles.h"
#include "host/text/cached_glyphs.h"
#include "scene/scene.h"

namespace bumblorbs {

// The characters a count can show: the digits and, unless it is empty, the
// group separator.
std::vector<std::string> CountCharacters(std::string_view groupSeparator);

// Opens the face fontconfig finds for the label's font at the mapping's
// size, in bold where the label asks for it and the face is not. `covered`
// tells whether the face draws every character of `mustDraw`.
FontHandle OpenLabelFont(const TextLabel& label, const PixelMapping& mapping,
                         const std::string& mustDraw, bool& covered);

// The labels' fonts and their rendered captions. Each caption is rendered
// again only when it changes; the count, which changes on most ticks, is
// put together from its characters' images where the font allows. A font
// is closed once what it draws is cached, and fontconfig is let go once the
// faces are found: both hold megabytes the toy seldom needs again. A text
// the cache cannot draw opens its font again.
class LabelText {
public:
    // `groupSeparator` is the one the count is formatted with: the face for
    // the count must draw it as well as the digits.
    LabelText(const Scene& scene, const PixelMapping& mapping, std::string_view groupSeparator);

    // The caption's picture, wrapped at the box's width; none for an empty
    // one. It lasts until the label's caption is rendered again.
    TextImage Rendered(const Scene& scene, LabelId id);
    // False when no installed face could draw every character of a label.
    bool AllTextCovered() const { return allCovered_; }

private:
    struct Slot {
        FontHandle Font;
        // The characters the font must draw, to find it again.
        std::string MustDraw;
        std::string RenderedCaption;
        TextImage Shown;
        // The whole render behind `Shown`, where the glyph cache did not draw it.
        SurfaceHandle Image;
        std::optional<CachedGlyphs> Glyphs;
        // Kept open where its captions change and no glyph cache draws them.
        bool KeepFont = false;
    };

    TTF_Font* FontOf(const Scene& scene, LabelId id);
    // The image of the label's caption as the font draws it.
    SurfaceHandle RenderWhole(const Scene& scene, LabelId id);

    const PixelMapping& mapping_;
    std::string groupSeparator_;
    std::array<Slot, LabelCount> slots_;
    bool allCovered_ = true;
};

}  // namespace bumblorbs
