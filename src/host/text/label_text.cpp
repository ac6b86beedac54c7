#include "host/text/label_text.h"

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
    : mapping_(mapping) {
    // Label1 only ever shows its designed text; Label2 shows the count.
    const std::vector<std::string> countCharacters = CountCharacters(groupSeparator);
    const std::array<std::string, LabelCount> mustDraw{
        scene.Label(LabelId::Label1).Caption,
        std::accumulate(countCharacters.begin(), countCharacters.end(), std::string())};
    for (const LabelId id : AllLabels) {
        bool covered = true;
        slots_[SlotOf(id)].Font =
            OpenLabelFont(scene.Label(id), mapping, mustDraw[SlotOf(id)], covered);
        allCovered_ = allCovered_ && covered;
    }
    const TextLabel& count = scene.Label(LabelId::Label2);
    Slot& slot = slots_[SlotOf(LabelId::Label2)];
    slot.Glyphs = CachedGlyphs::Make(slot.Font.get(), countCharacters, SdlColour(count.ForeColor),
                                     mapping.ToPixels(count.Box.Width));
}

SDL_Surface* LabelText::Rendered(const Scene& scene, LabelId id) {
    const TextLabel& label = scene.Label(id);
    Slot& slot = slots_[SlotOf(id)];
    if (label.Caption.empty()) {
        slot.Image.reset();
        slot.RenderedCaption.clear();
        return nullptr;
    }
    if (!slot.Image || slot.RenderedCaption != label.Caption) {
        if (slot.Glyphs) {
            slot.Image = slot.Glyphs->Render(label.Caption);
        }
        if (!slot.Image) {
            const auto wrapWidth = static_cast<Uint32>(mapping_.ToPixels(label.Box.Width));
            slot.Image.reset(TTF_RenderUTF8_Blended_Wrapped(slot.Font.get(), label.Caption.c_str(),
                                                            SdlColour(label.ForeColor), wrapWidth));
        }
        if (!slot.Image) {
            throw HostFault(std::string("cannot render a caption: ") + TTF_GetError());
        }
        slot.RenderedCaption = label.Caption;
    }
    return slot.Image.get();
}

}  // namespace bumblorbs
