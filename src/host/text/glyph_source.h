#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/core/argb_image.h"
#include "scene/controls.h"

namespace bumblorbs {

// Where a glyph's ink lies, in pixels from the pen: its leftmost inked
// column and the right end of its ink.
struct InkSpan {
    int Left = 0;
    int Right = 0;
};

// One face at one pixel size, as the window system's text engine draws it:
// the labels' text is drawn from what it gives, whichever engine that is.
// Texts are UTF-8; pictures come with straight (not premultiplied) alpha.
class GlyphSource {
public:
    virtual ~GlyphSource() = default;

    // `text` on one line, in `colour`; none where the engine cannot draw it.
    virtual std::optional<ArgbPicture> Line(std::string_view text, Colour colour) = 0;
    // `text` broken into lines no wider than `wrapWidth` pixels, in `colour`;
    // none where the engine cannot draw it.
    virtual std::optional<ArgbPicture> Wrapped(std::string_view text, Colour colour,
                                               int wrapWidth) = 0;
    // Where the glyph for `point` inks; none where the face cannot say.
    virtual std::optional<InkSpan> Ink(char32_t point) = 0;
    // How wide `text` is set on one line; none where it cannot say.
    virtual std::optional<int> LineWidth(std::string_view text) = 0;
    // Why the last of these calls gave nothing.
    virtual std::string Reason() const = 0;
};

// Finds and opens the faces the labels' fonts name.
class GlyphSources {
public:
    virtual ~GlyphSources() = default;

    // The face nearest `font` at `pixelSize` that draws `mustDraw`, in bold
    // where the font asks for it; `covered` tells whether it draws every
    // character of `mustDraw`. Throws HostFault where there is none.
    virtual std::unique_ptr<GlyphSource> Open(const LabelFont& font, int pixelSize,
                                              std::string_view mustDraw, bool& covered) = 0;
    // Lets go of what finding faces holds, megabytes where many fonts are
    // installed; the next Open takes it again.
    virtual void ReleaseFinder() = 0;
};

}  // namespace bumblorbs
