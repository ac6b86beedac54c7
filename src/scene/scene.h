#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "scene/controls.h"
#include "scene/damage.h"
#include "scene/designed_layout.h"
#include "scene/interior.h"

namespace bumblorbs {

// The window form1: its controls, its state variables and what has changed
// since it was last painted. Out-of-range indices raise SceneFault.
class Scene {
public:
    Scene(const Layout& layout, const Interior& interior);

    const std::string& Caption() const { return caption_; }
    Colour BackColor() const { return backColor_; }
    void SetBackColor(Colour colour);
    Twips ScaleWidth() const { return interior_.Size().Width; }
    Twips ScaleHeight() const { return interior_.Size().Height; }

    const Ball& Shape1(int index) const;
    void Move(int index, Twips newLeft, Twips newTop);
    void SetBallBackColor(int index, Colour colour);

    const TextLabel& Label(LabelId id) const;
    // Labels take their own mouse events, so a release over either box,
    // transparent parts included, does not reach the window.
    bool IsOverLabel(Twips x, Twips y) const;
    void SetCaption(LabelId id, std::string_view caption);

    const AnimationTimer& Timer1() const { return timer1_; }
    void SetTimerInterval(int milliseconds);
    void SetTimerEnabled(bool enabled);

    // The window's state variables, in twips per tick and reversals.
    float& SpeedX(int index);
    float& SpeedY(int index);
    std::int64_t& BounceCount() { return bounceCount_; }

    const Damage& PendingDamage() const { return damage_; }
    // Hands over what changed and starts a fresh record.
    Damage TakeDamage();
    // For an expose or a resize: everything must be painted again.
    void MarkAllDamaged() { damage_.Everything = true; }

private:
    Ball& BallAt(int index);
    void MarkBall(int index);

    const Interior& interior_;
    std::string caption_;
    Colour backColor_;
    std::array<Ball, BallCount> shape1_{};
    TextLabel label1_;
    TextLabel label2_;
    AnimationTimer timer1_;
    std::array<float, BallCount> speedX_{};
    std::array<float, BallCount> speedY_{};
    std::int64_t bounceCount_ = 0;
    Damage damage_;
};

}  // namespace bumblorbs
