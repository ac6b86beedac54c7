#include "host/text/label_text.h"

#include <numeric>
#include <string_view>
#include <vector>

#include "host/core/host_fault.h"

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

LabelText::LabelText(const Scene& scene, const PixelMapping& mapping,
                     std::string_view groupSeparator, GlyphSources& sources)
    : mapping_(mapping), sources_(sources), groupSeparator_(groupSeparator) {
    // Label1 only ever shows its designed text; Label2 shows the count.
    const std::vector<std::string> countCharacters = CountCharacters(groupSeparator);
    slots_[SlotOf(LabelId::Label1)].MustDraw = scene.Label(LabelId::Label1).Caption;
    slots_[SlotOf(LabelId::Label2)].MustDraw =
        std::accumulate(countCharacters.begin(), countCharacters.end(), std::string());
    for (const LabelId id : AllLabels) {
        Slot& slot = slots_[SlotOf(id)];
        bool covered = true;
        slot.Font = Open(scene.Label(id), slot.MustDraw, covered);
        allCovered_ = allCovered_ && covered;
    }
    sources_.ReleaseFinder();
}

std::unique_ptr<GlyphSource> LabelText::Open(const TextLabel& label, const std::string& mustDraw,
                                             bool& covered) {
    return sources_.Open(label.Font, mapping_.FontPixels(label.Font.Points), mustDraw, covered);
}

GlyphSource& LabelText::FontOf(const Scene& scene, LabelId id) {
    Slot& slot = slots_[SlotOf(id)];
    if (!slot.Font) {
        bool covered = true;
        slot.Font = Open(scene.Label(id), slot.MustDraw, covered);
        sources_.ReleaseFinder();
    }
    return *slot.Font;
}

TextImage LabelText::Rendered(const Scene& scene, LabelId id) {
    const TextLabel& label = scene.Label(id);
    Slot& slot = slots_[SlotOf(id)];
    if (label.Caption.empty()) {
        slot.Image = {};
        slot.Shown = {};
        slot.RenderedCaption.clear();
        return {};
    }
    if (slot.Shown && slot.RenderedCaption == label.Caption) {
        return slot.Shown;
    }
    Draw(scene, id);
    slot.RenderedCaption = label.Caption;
    // Label1's text never changes; the count's comes from the cache.
    if (!slot.KeepFont && slot.Font && (slot.Glyphs || id == LabelId::Label1)) {
        slot.Font.reset();
    }
    return slot.Shown;
}

void LabelText::Draw(const Scene& scene, LabelId id) {
    const TextLabel& label = scene.Label(id);
    Slot& slot = slots_[SlotOf(id)];
    const bool changed = static_cast<bool>(slot.Shown);
    const int wrapWidth = mapping_.ToPixels(label.Box.Width);
    // The count's characters are checked against the font only once the
    // count first changes, which keeps that work off the first frame.
    if (id == LabelId::Label2 && changed && !slot.Glyphs && !slot.KeepFont) {
        slot.Glyphs = CachedGlyphs::Make(FontOf(scene, id), CountCharacters(groupSeparator_),
                                         label.ForeColor, wrapWidth);
        slot.KeepFont = !slot.Glyphs;
    }
    slot.Image = {};
    slot.Shown = {};
    if (slot.Glyphs) {
        slot.Shown = slot.Glyphs->Draw(label.Caption).value_or(TextImage{});
    }
    if (!slot.Shown) {
        // A text the cache cannot draw is seldom alone: the font stays.
        slot.KeepFont = slot.KeepFont || slot.Glyphs.has_value();
        GlyphSource& font = FontOf(scene, id);
        std::optional<ArgbPicture> whole = font.Wrapped(label.Caption, label.ForeColor, wrapWidth);
        if (!whole) {
            throw HostFault("cannot render a caption: " + font.Reason());
        }
        slot.Image = std::move(*whole);
        slot.Shown = slot.Image.View();
    }
}

}  // namespace bumblorbs
