#pragma once

#include <string>
#include <string_view>

namespace bumblorbs {

struct FoundFace {
    std::string Path;
    int Index = 0;
    bool IsBold = false;
    // Whether the face has a glyph for every character it was asked to draw.
    bool CoversText = false;
};

// Asks fontconfig for `family` in bold at `pixelSize`, for Japanese text.
// Where that family is missing, a proportional Japanese gothic is preferred,
// then any face that can draw every character of `text`; failing all of
// those, the closest face there is. Throws HostFault when fontconfig has no
// face at all.
FoundFace FindFace(std::string_view family, int pixelSize, std::string_view text);

// Frees fontconfig's configuration and its mapped caches, megabytes where
// many fonts are installed; the next FindFace loads them again.
void ReleaseFontconfig();

}  // namespace bumblorbs
