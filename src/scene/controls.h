#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "scene/units.h"

namespace bumblorbs {

inline constexpr int BallCount = 60;

// One element of the control array Shape1: a circle drawn inside its box.
struct Ball {
    int Index = 0;
    Twips Left = 0;
    Twips Top = 0;
    Twips Width = 0;
    Twips Height = 0;
    Colour BackColor = 0;
    Colour BorderColor = 0;

    TwipRect Box() const { return {Left, Top, Width, Height}; }
};

// The visible circle: as wide as the box's smaller side, centred in the box.
inline TwipRect CircleOf(const TwipRect& box) {
    const Twips diameter = box.Width < box.Height ? box.Width : box.Height;
    return {box.Left + (box.Width - diameter) / 2, box.Top + (box.Height - diameter) / 2, diameter,
            diameter};
}

// Font weights as the designed form gives them: a weight from BoldWeight up
// is drawn bold.
inline constexpr int NormalWeight = 400;
inline constexpr int BoldWeight = 700;

struct LabelFont {
    std::string_view Face;
    float Points = 0;
    int Weight = NormalWeight;
    int Charset = 0;
};

// A transparent text label: only its caption is drawn, never a background.
struct TextLabel {
    std::string Caption;
    Colour ForeColor = 0;
    TwipRect Box;
    LabelFont Font;
};

// Ticks arrive only while Enabled and Interval > 0.
struct AnimationTimer {
    int Interval = 0;  // milliseconds between ticks
    bool Enabled = false;

    bool Ticking() const { return Enabled && Interval > 0; }
};

// The labels in the order they are stacked, Label1 under Label2; the value
// indexes every per-label array.
enum class LabelId { Label1, Label2 };
inline constexpr int LabelCount = 2;
inline constexpr std::array<LabelId, LabelCount> AllLabels{LabelId::Label1, LabelId::Label2};

inline constexpr std::size_t SlotOf(LabelId id) { return static_cast<std::size_t>(id); }

}  // namespace bumblorbs
