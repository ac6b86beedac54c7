#pragma once

// The names below come from the designed form and are kept as it gives them:
// form1 is the window; Shape1 the array of sixty balls, Shape1(0) to
// Shape1(59); Label1 the white instruction text; Label2 the red count of
// bounces; Timer1 the timer whose ticks move the balls.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "scene/controls.h"
#include "scene/damage.h"
#include "scene/designed_layout.h"

namespace bumblorbs {

// The window form1: its controls, its state variables and what has changed
// since it was last painted. Out-of-range indices raise SceneFault.
class Scene {
public:
    // Built with the designed interior; whoever shows the scene then tells
    // it the interior's real size.
    explicit Scene(const Layout& layout);

    const std::string& Caption() const { return caption_; }
    Colour BackColor() const { return backColor_; }
    void SetBackColor(Colour colour);

    Twips ScaleWidth() const { return interior_.Width; }
    Twips ScaleHeight() const { return interior_.Height; }
    // The host calls this when the window's interior changes size; it is
    // never called during a tick, so every ball of a tick sees one size.
    void SetInteriorSize(TwipSize size) { interior_ = size; }

    const Ball& Shape1(int index) const;
    void Move(int index, Twips newLeft, Twips newTop);
    void SetBallBackColor(int index, Colour colour);

    const TextLabel& Label(LabelId id) const { return labels_[SlotOf(id)]; }
    // Labels take their own mouse events, so a release over either box,
    // transparent parts included, does not reach the window.
    bool IsOverLabel(Twips x, Twips y) const;
    void SetCaption(LabelId id, std::string_view caption);

    const AnimationTimer& Timer1() const { return timer1_; }
    void SetTimerInterval(int milliseconds);
    void SetTimerEnabled(bool enabled);

    // The window's state variables: steps in twips per tick, and the count
    // of reversals.
    float SpeedX(int index) const;
    float SpeedY(int index) const;
    void SetSpeeds(int index, float speedX, float speedY);
    void ReverseSpeedX(int index);
    void ReverseSpeedY(int index);
    std::int64_t BounceCount() const { return bounceCount_; }
    // Adds one reversal to the count and returns the new count.
    std::int64_t CountBounce() { return ++bounceCount_; }
    // Puts the count at a given value, as a restored window would have it.
    void SetBounceCount(std::int64_t count) { bounceCount_ = count; }

    const Damage& PendingDamage() const { return damage_; }
    // Hands over what changed and starts a fresh record.
    Damage TakeDamage();
    // For an expose or a resize: everything must be painted again.
    void MarkAllDamaged() { damage_.Everything = true; }

private:
    Ball& BallAt(int index);
    void MarkBall(int index);

    TwipSize interior_;
    std::string caption_;
    Colour backColor_;
    std::array<Ball, BallCount> shape1_{};
    std::array<TextLabel, LabelCount> labels_;
    AnimationTimer timer1_;
    std::array<float, BallCount> speedX_{};
    std::array<float, BallCount> speedY_{};
    std::int64_t bounceCount_ = 0;
    Damage damage_;
};

}  // namespace bumblorbs
