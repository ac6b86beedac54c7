#include "scene/scene.h"

#include <string>

#include "scene/scene_fault.h"

namespace bumblorbs {
namespace {

int CheckedIndex(int index, const char* what) {
    if (index < 0 || index >= BallCount) {
        throw SceneFault(std::string(what) + " index " + std::to_string(index) + " is outside 0.." +
                         std::to_string(BallCount - 1));
    }
    return index;
}

TextLabel BuildLabel(const DesignedLabel& designed) {
    return {std::string(designed.Caption), designed.ForeColor, designed.Box, designed.Font};
}

}  // namespace

Scene::Scene(const Layout& layout, const Interior& interior)
    : interior_(interior),
      caption_(layout.Caption),
      backColor_(layout.BackColor),
      label1_(BuildLabel(layout.Label1)),
      label2_(BuildLabel(layout.Label2)),
      timer1_(layout.Timer1) {
    for (int i = 0; i < BallCount; ++i) {
        const DesignedBall& designed = layout.Balls.at(static_cast<std::size_t>(i));
        shape1_.at(static_cast<std::size_t>(i)) = {i,
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

const Ball& Scene::Shape1(int index) const {
    return shape1_[static_cast<std::size_t>(CheckedIndex(index, "Shape1"))];
}

Ball& Scene::BallAt(int index) {
    return shape1_[static_cast<std::size_t>(CheckedIndex(index, "Shape1"))];
}

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

const TextLabel& Scene::Label(LabelId id) const {
    return id == LabelId::Label1 ? label1_ : label2_;
}

bool Scene::IsOverLabel(Twips x, Twips y) const {
    return label1_.Box.Contains(x, y) || label2_.Box.Contains(x, y);
}

void Scene::SetCaption(LabelId id, std::string_view caption) {
    if (id == LabelId::Label1) {
        label1_.Caption = caption;
        damage_.Label1 = true;
    } else {
        label2_.Caption = caption;
        damage_.Label2 = true;
    }
}

void Scene::SetTimerInterval(int milliseconds) { timer1_.Interval = milliseconds; }

void Scene::SetTimerEnabled(bool enabled) { timer1_.Enabled = enabled; }

float& Scene::SpeedX(int index) {
    return speedX_[static_cast<std::size_t>(CheckedIndex(index, "SpeedX"))];
}

float& Scene::SpeedY(int index) {
    return speedY_[static_cast<std::size_t>(CheckedIndex(index, "SpeedY"))];
}

Damage Scene::TakeDamage() {
    Damage taken = damage_;
    damage_ = Damage{};
    return taken;
}

}  // namespace bumblorbs
