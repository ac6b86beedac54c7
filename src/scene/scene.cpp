#include "scene/scene.h"

#include <string>

#include "scene/scene_fault.h"

namespace bumblorbs {
namespace {

std::size_t CheckedSlot(int index, const char* what) {
    if (index < 0 || index >= BallCount) {
        throw SceneFault(std::string(what) + " index " + std::to_string(index) + " is outside 0.." +
                         std::to_string(BallCount - 1));
    }
    return static_cast<std::size_t>(index);
}

TextLabel BuildLabel(const DesignedLabel& designed) {
    return {std::string(designed.Caption), designed.ForeColor, designed.Box, designed.Font};
}

}  // namespace

Scene::Scene(const Layout& layout)
    : interior_(layout.DesignedInterior),
      caption_(layout.Caption),
      backColor_(layout.BackColor),
      labels_{BuildLabel(layout.Label1), BuildLabel(layout.Label2)},
      timer1_(layout.Timer1) {
    for (int i = 0; i < BallCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const DesignedBall& designed = layout.Balls[slot];
        shape1_[slot] = {i,
                         designed.Left,
                         designed.Top,
                         layout.BallSize.Width,
                         layout.BallSize.Height,
                         designed.BackColor,
                         designed.BorderColor};
    }
    damage_.Everything = true;
}

void Scene::SetBackColor(Colour colour) {
    backColor_ = colour;
    damage_.Everything = true;
}

const Ball& Scene::Shape1(int index) const { return shape1_[CheckedSlot(index, "Shape1")]; }

Ball& Scene::BallAt(int index) { return shape1_[CheckedSlot(index, "Shape1")]; }

void Scene::MarkBall(int index) {
    const auto slot = static_cast<std::size_t>(index);
    if (!damage_.Balls.test(slot)) {
        damage_.Balls.set(slot);
        damage_.FormerBoxes[slot] = shape1_[slot].Box();
    }
}

void Scene::Move(int index, Twips newLeft, Twips newTop) {
    Ball& ball = BallAt(index);
    MarkBall(index);
    ball.Left = newLeft;
    ball.Top = newTop;
}

void Scene::SetBallBackColor(int index, Colour colour) {
    Ball& ball = BallAt(index);
    MarkBall(index);
    ball.BackColor = colour;
}

bool Scene::IsOverLabel(Twips x, Twips y) const {
    for (const TextLabel& label : labels_) {
        if (label.Box.Contains(x, y)) {
            return true;
        }
    }
    return false;
}

void Scene::SetCaption(LabelId id, std::string_view caption) {
    labels_[SlotOf(id)].Caption = caption;
    damage_.Labels.set(SlotOf(id));
}

void Scene::SetTimerInterval(int milliseconds) { timer1_.Interval = milliseconds; }

void Scene::SetTimerEnabled(bool enabled) { timer1_.Enabled = enabled; }

float Scene::SpeedX(int index) const { return speedX_[CheckedSlot(index, "SpeedX")]; }

float Scene::SpeedY(int index) const { return speedY_[CheckedSlot(index, "SpeedY")]; }

void Scene::SetSpeeds(int index, float speedX, float speedY) {
    speedX_[CheckedSlot(index, "SpeedX")] = speedX;
    speedY_[CheckedSlot(index, "SpeedY")] = speedY;
}

void Scene::ReverseSpeedX(int index) { speedX_[CheckedSlot(index, "SpeedX")] *= -1; }

void Scene::ReverseSpeedY(int index) { speedY_[CheckedSlot(index, "SpeedY")] *= -1; }

Damage Scene::TakeDamage() {
    Damage taken = damage_;
    damage_ = Damage{};
    return taken;
}

}  // namespace bumblorbs
