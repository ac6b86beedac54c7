#include "host/win32/win32_program.h"

#include "behaviour/handle_mouse_up.h"
#include "behaviour/resize_interior.h"
#include "behaviour/start_scene.h"
#include "behaviour/step_balls.h"
#include "host/core/monotonic_clock.h"
#include "host/core/say.h"
#include "host/win32/user_number_format.h"
#include "scene/designed_layout.h"

namespace bumblorbs {

Win32Program::Drawing::Drawing(float dpi, const Scene& scene, const std::string& groupSeparator,
                               GlyphSources& fonts)
    : Dpi(dpi),
      Mapping(TwipsPerPixelAt(dpi)),
      Labels(scene, Mapping, groupSeparator, fonts),
      Painter(Mapping, Labels) {}

Win32Program::Win32Program(HostWindow& window, SystemBeep* beep)
    : window_(window),
      scene_(DesignedLayout),
      services_(beep),
      separator_(UserGroupSeparator()),
      drawing_(std::make_unique<Drawing>(window_.Dpi(), scene_, separator_, fonts_)) {
    UpdateInteriorSize();
    if (!drawing_->Labels.AllTextCovered()) {
        Say("no installed font can draw all of the window's text; Windows links what it has");
    }
}

void Win32Program::Run() {
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
void Win32Program::SyncTimer() {
    const AnimationTimer& timer = scene_.Timer1();
    if (!timer.Ticking()) {
        schedule_.Stop();
    } else if (schedule_.PeriodNs() != TickPeriodNs(timer.Interval)) {
        schedule_.Start(MonotonicNs(), TickPeriodNs(timer.Interval));
    }
}

void Win32Program::Tick() {
    if (!minimised_ && schedule_.TakeDue(MonotonicNs())) {
        StepBalls(scene_, services_);
    }
}

void Win32Program::Paint() {
    if (minimised_ || !scene_.PendingDamage().Any()) {
        return;
    }
    SceneFrame frame(drawing_->Painter, scene_, scene_.TakeDamage());
    window_.Canvas().Present(frame);
}

void Win32Program::UpdateInteriorSize() {
    const float dpi = window_.Dpi();
    if (dpi != drawing_->Dpi) {
        drawing_ = std::make_unique<Drawing>(dpi, scene_, separator_, fonts_);
    }
    const PixelSize size = window_.SizeInPixels();
    ResizeInterior(scene_,
                   {drawing_->Mapping.ToTwips(size.Width), drawing_->Mapping.ToTwips(size.Height)});
}

void Win32Program::Released(std::int16_t button, std::int16_t shift, float x, float y) {
    if (services_.Unloaded()) {
        return;
    }
    const Twips xTwips = drawing_->Mapping.ToTwips(x);
    const Twips yTwips = drawing_->Mapping.ToTwips(y);
    if (scene_.IsOverLabel(xTwips, yTwips)) {
        return;
    }
    HandleMouseUp(scene_, services_, button, shift, xTwips, yTwips);
}

void Win32Program::Reshaped() {
    UpdateInteriorSize();
    scene_.MarkAllDamaged();
}

void Win32Program::Restored() {
    if (minimised_) {
        // The balls carry on from where they were, on a fresh cadence.
        minimised_ = false;
        schedule_.Stop();
        scene_.MarkAllDamaged();
    }
}

}  // namespace bumblorbs
