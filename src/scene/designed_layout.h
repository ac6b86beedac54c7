#pragma once

#include <array>
#include <string_view>

#include "scene/controls.h"

namespace bumblorbs {

struct DesignedBall {
    Twips Left;
    Twips Top;
    Colour BackColor;
    Colour BorderColor;
};

struct DesignedLabel {
    std::string_view Caption;
    Colour ForeColor;
    TwipRect Box;
    LabelFont Font;
};

// The window as it was designed; the scene is built from this when the
// window loads.
struct Layout {
    std::string_view Caption;
    Colour BackColor;
    TwipSize DesignedInterior;
    DesignedLabel Label1;
    DesignedLabel Label2;
    AnimationTimer Timer1;
    TwipSize BallSize;
    std::array<DesignedBall, BallCount> Balls;
};

extern const Layout DesignedLayout;

}  // namespace bumblorbs
