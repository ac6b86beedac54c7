#pragma once

#include <array>
#include <string>

#include "host/pixel_mapping.h"
#include "host/sdl_handles.h"
#include "scene/scene.h"

namespace bumblorbs {

// The labels' fonts and their rendered captions. Each caption is rendered
// again only when it changes.
class LabelText {
public:
    // `label2Characters` are the characters Label2 can show: the digits and
    // the locale's group separator.
    LabelText(const Scene& scene, const PixelMapping& mapping, const std::string& label2Characters);

    // The caption's image, wrapped at the box's width; null for an empty one.
    SDL_Surface* Rendered(const Scene& scene, LabelId id);
    // False when no installed face could draw every character of a label.
    bool AllTextCovered() const { return allCovered_; }

private:
    struct Slot {
        FontHandle Font;
        std::string RenderedCaption;
        SurfaceHandle Image;
    };
    Slot& SlotOf(LabelId id) { return slots_[id == LabelId::Label1 ? 0 : 1]; }

    const PixelMapping& mapping_;
    std::array<Slot, 2> slots_;
    bool allCovered_ = true;
};

}  // namespace bumblorbs
