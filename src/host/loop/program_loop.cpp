#include "host/loop/program_loop.h"

#include "behaviour/handle_mouse_up.h"
#include "behaviour/resize_interior.h"
#include "behaviour/start_scene.h"
#include "behaviour/step_balls.h"
#include "host/core/monotonic_clock.h"
#include "host/loop/rule_input.h"
#include "scene/designed_layout.h"

namespace bumblorbs {

ProgramLoop::Drawing::Drawing(float dpi, const Scene& scene, const std::string& groupSeparator,
                              GlyphSources& fonts)
    : Dpi(dpi),
      Mapping(TwipsPerPixelAt(dpi)),
      Labels(scene, Mapping, groupSeparator, fonts),
      Painter(Mapping, Labels) {}

ProgramLoop::ProgramLoop(HostWindow& window, LoopServices& services, GlyphSources& fonts)
    : window_(window),
      services_(services),
      fonts_(fonts),
      scene_(DesignedLayout),
      drawing_(
          std::make_unique<Drawing>(window_.Dpi(), scene_, services_.GroupSeparator(), fonts_)) {
    UpdateInteriorSize();
}

void ProgramLoop::Run() {
    StartScene(scene_, services_);
    window_.Show();
    // The first picture goes at once, not a tick later.
    Paint();
    while (!services_.Unloaded()) {
        SyncTimer();
        std::optional<std::int64_t> deadline;
        if (schedule_.Running() && !minimised_) {
            deadline = schedule_.NextDueNs();
        }
        window_.Wait(deadline, *this);
        if (!services_.Unloaded()) {
            Tick();
            Paint();
        }
    }
}

// Follows Timer1's settings: ticks only while it is enabled with an
// interval above zero.
void ProgramLoop::SyncTimer() {
    const AnimationTimer& timer = scene_.Timer1();
    if (!timer.Ticking()) {
        schedule_.Stop();
    } else if (schedule_.PeriodNs() != TickPeriodNs(timer.Interval)) {
        schedule_.Start(MonotonicNs(), TickPeriodNs(timer.Interval));
    }
}

void ProgramLoop::Tick() {
    const std::int64_t now = MonotonicNs();
    if (!minimised_ && schedule_.TakeDue(now)) {
        StepBalls(scene_, services_);
        services_.Ticked();
        if constexpr (ReportTicks) {
            tickReport_.Ticked(now, scene_.BounceCount());
        }
    }
}

void ProgramLoop::Paint() {
    if (minimised_ || !scene_.PendingDamage().Any()) {
        return;
    }
    SceneFrame frame(drawing_->Painter, scene_, scene_.TakeDamage());
    window_.Canvas().Present(frame);
}

void ProgramLoop::UpdateInteriorSize() {
    const float dpi = window_.Dpi();
    if (dpi != drawing_->Dpi) {
        drawing_ = std::make_unique<Drawing>(dpi, scene_, services_.GroupSeparator(), fonts_);
    }
    const PixelSize size = window_.SizeInPixels();
    ResizeInterior(scene_,
                   {drawing_->Mapping.ToTwips(size.Width), drawing_->Mapping.ToTwips(size.Height)});
}

void ProgramLoop::CloseRequested() { services_.UnloadWindow(); }

void ProgramLoop::Released(MouseButton button, ShiftKeys keys, float x, float y) {
    if (services_.Unloaded()) {
        return;
    }
    const Twips xTwips = drawing_->Mapping.ToTwips(x);
    const Twips yTwips = drawing_->Mapping.ToTwips(y);
    if (scene_.IsOverLabel(xTwips, yTwips)) {
        return;
    }
    HandleMouseUp(scene_, services_, RuleButton(button), RuleShift(keys), xTwips, yTwips);
}

void ProgramLoop::Reshaped() {
    UpdateInteriorSize();
    scene_.MarkAllDamaged();
}

void ProgramLoop::Exposed() { scene_.MarkAllDamaged(); }

void ProgramLoop::Hidden() { minimised_ = true; }

void ProgramLoop::Restored() {
    if (minimised_) {
        // The balls carry on from where they were, on a fresh cadence.
        minimised_ = false;
        schedule_.Stop();
        scene_.MarkAllDamaged();
    }
}

}  // namespace bumblorbs
