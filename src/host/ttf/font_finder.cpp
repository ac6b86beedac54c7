#include "host/ttf/font_finder.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <string>

#include "host/core/host_fault.h"
#include "host/core/owned_handle.h"

namespace bumblorbs {
namespace {

// The proportional gothic of fonts-ipafont-gothic: the nearest free match to
// the designed faces.
constexpr const char* ProportionalGothic = "IPAPGothic";

using Pattern = OwnedHandle<FcPattern, FcPatternDestroy>;
using FontSet = OwnedHandle<FcFontSet, FcFontSetDestroy>;
using CharSet = OwnedHandle<FcCharSet, FcCharSetDestroy>;

CharSet CharSetOf(std::string_view text) {
    CharSet chars(FcCharSetCreate());
    const auto* bytes = reinterpret_cast<const FcChar8*>(text.data());
    auto left = static_cast<int>(text.size());
    while (left > 0) {
        FcChar32 ucs4 = 0;
        const int used = FcUtf8ToUcs4(bytes, &ucs4, left);
        if (used <= 0) {
            break;
        }
        FcCharSetAddChar(chars.get(), ucs4);
        bytes += used;
        left -= used;
    }
    return chars;
}

bool Covers(FcPattern* face, FcCharSet* wanted) {
    FcCharSet* has = nullptr;
    return FcPatternGetCharSet(face, FC_CHARSET, 0, &has) == FcResultMatch &&
           FcCharSetIsSubset(wanted, has) == FcTrue;
}

FoundFace Describe(FcPattern* face, bool covers) {
    FoundFace found;
    FcChar8* file = nullptr;
    if (FcPatternGetString(face, FC_FILE, 0, &file) == FcResultMatch) {
        found.Path = reinterpret_cast<const char*>(file);
    }
    FcPatternGetInteger(face, FC_INDEX, 0, &found.Index);
    int weight = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(face, FC_WEIGHT, 0, &weight);
    found.IsBold = weight >= FC_WEIGHT_BOLD;
    found.CoversText = covers;
    return found;
}

}  // namespace

FoundFace FindFace(std::string_view family, int pixelSize, std::string_view text) {
    Pattern pattern(FcPatternCreate());
    const std::string designed(family);
    FcPatternAddString(pattern.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(designed.c_str()));
    FcPatternAddString(pattern.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(ProportionalGothic));
    FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FC_WEIGHT_BOLD);
    FcPatternAddDouble(pattern.get(), FC_PIXEL_SIZE, pixelSize);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    const FontSet sorted(FcFontSort(nullptr, pattern.get(), FcFalse, nullptr, &result));
    if (!sorted || sorted->nfont == 0) {
        throw HostFault("fontconfig offers no font at all");
    }
    const auto wanted = CharSetOf(text);
    // fontconfig has already ranked the faces by family, language and
    // weight; take the best one that can draw the whole text.
    for (int i = 0; i < sorted->nfont; ++i) {
        if (Covers(sorted->fonts[i], wanted.get())) {
            return Describe(sorted->fonts[i], true);
        }
    }
    return Describe(sorted->fonts[0], false);
}

void ReleaseFontconfig() {
    FcFini();
    // Freed memory in the middle of the heap stays the process's until it
    // is given back.
    malloc_trim(0);
}

}  // namespace bumblorbs
