#include "host/text/label_text.h"

#include <malloc.h>

#include <numeric>
#include <string_view>
#include <vector>

#include "host/sdl/colour_pixel.h"
#include "host/sdl/host_fault.h"
#include "host/text/font_finder.h"

namespace bumblorbs {
std::vector<std::string> CountCharacters(std::string_view groupSeparator) {
    std::vector<std::string> characters;
    for (const char digit : std::string_view("0123456789")) {
        characters.emplace_back(1, digit);
    }
    if (!groupSeparator.empty()) {
        characters.emplace_back(groupSeparator);
    }
    return characters;
}

FontHandle OpenLabelFont(const TextLabel& label, const PixelMapping& mapping,
                         const std::string& mustDraw, bool& covered) {
    const int pixels = mapping.FontPixels(label.Font.Points);
    const FoundFace face = FindFace(label.Font.Face, pixels, mustDraw);
    covered = face.CoversText;
    // SDL_ttf sizes at 72 dpi by default, so a point size is a pixel size.
    FontHandle font(TTF_OpenFontIndex(face.Path.c_str(), pixels, face.Index));
    if (!font) {
        throw HostFault("cannot open font " + face.Path + ": " + TTF_GetError());
    }
    if (label.Font.Weight >= BoldWeight && !face.IsBold) {
        TTF_SetFontStyle(font.get(), TTF_STYLE_BOLD);
    }
    return font;
}

LabelText::LabelText(const Scene& scene, const PixelMapping& mapping,
                     std::string_view groupSeparator)
    : mapping_(mapping), groupSeparator_(groupSeparator) {
    // Label1 only ever shows its designed text; Label2 shows the count.
    const std::vector<std::string> countCharacters = CountCharacters(groupSeparator);
    slots_[SlotOf(LabelId::Label1)].MustDraw = scene.Label(LabelId::Label1).Caption;
    slots_[SlotOf(LabelId::Label2)].MustDraw =
        std::accumulate(countCharacters.begin(), countCharacters.end(), std::string());
    for (const LabelId id : AllLabels) {
        Slot& slot = slots_[SlotOf(id)];
        bool covered = true;
        slot.Font = OpenLabelFont(scene.Label(id), mapping, slot.MustDraw, covered);
        allCovered_ = allCovered_ && covered;
    }
    ReleaseFontconfig();
}

TTF_Font* LabelText::FontOf(const Scene& scene, LabelId id) {
    Slot& slot = slots_[SlotOf(id)];
    if (!slot.Font) {
        bool covered = true;
        slot.Font = OpenLabelFont(scene.Label(id), mapping_, slot.MustDraw, covered);
        ReleaseFontconfig();
    }
    return slot.Font.get();
}

SurfaceHandle LabelText::RenderWhole(const Scene& scene, LabelId id) {
    const TextLabel& label = scene.Label(id);
    const auto wrapWidth = static_cast<Uint32>(mapping_.ToPixels(label.Box.Width));
    return SurfaceHandle(TTF_RenderUTF8_Blended_Wrapped(FontOf(scene, id), label.Caption.c_str(),
                                                        SdlColour(label.ForeColor), wrapWidth));
}

TextImage LabelText::Rendered(const Scene& scene, LabelId id) {
    const TextLabel& label = scene.Label(id);
    Slot& slot = slots_[SlotOf(id)];
    if (label.Caption.empty()) {
        slot.Image.reset();
        slot.Shown = {};
        slot.RenderedCaption.clear();
        return {};
    }
    if (slot.Shown && slot.RenderedCaption == label.Caption) {
        return slot.Shown;
    }
    const bool changed = static_cast<bool>(slot.Shown);
    // The count's characters are checked against the font only once the
    // count first changes, which keeps that work off the first frame.
    if (id == LabelId::Label2 && changed && !slot.Glyphs && !slot.KeepFont) {
        slot.Glyphs =
            CachedGlyphs::Make(FontOf(scene, id), CountCharacters(groupSeparator_),
                               SdlColour(label.ForeColor), mapping_.ToPixels(label.Box.Width));
        slot.KeepFont = !slot.Glyphs;
    }
    slot.Image.reset();
    slot.Shown = {};
    if (slot.Glyphs) {
        slot.Shown = slot.Glyphs->Draw(label.Caption).value_or(TextImage{});
    }
    if (!slot.Shown) {
        // A text the cache cannot draw is seldom alone: the font stays.
        slot.KeepFont = slot.KeepFont || slot.Glyphs.has_value();
        slot.Image = RenderWhole(scene, id);
        if (!slot.Image) {
            throw HostFault(std::string("cannot render a caption: ") + TTF_GetError());
        }
        slot.Shown = {slot.Image.get(), slot.Image->w, slot.Image->h};
    }
    slot.RenderedCaption = label.Caption;
    // Label1's text never changes; the count's comes from the cache.
    if (!slot.KeepFont && slot.Font && (slot.Glyphs || id == LabelId::Label1)) {
        slot.Font.reset();
        malloc_trim(0);
    }
    return slot.Shown;
}

}  // namespace bumblorbs
