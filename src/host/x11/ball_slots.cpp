#include "host/x11/ball_slots.h"

#include <algorithm>
#include <optional>

#include "host/paint/ball_sprite.h"

namespace bumblorbs {
namespace {

// The furthest a ball's slot reaches beyond its square: half the square,
// more than the fastest ball moves in a tick.
int MaxReach(int diameter) { return diameter / 2; }

// Pixels a ball's slot has room for.
std::size_t SlotPixelCount(int diameter) {
    const auto reach = static_cast<std::size_t>(MaxReach(diameter));
    const auto side = static_cast<std::size_t>(diameter);
    return (side + 2 * reach) * (side + 2 * reach);
}

}  // namespace

BallSlots::BallSlots(Display* display, Visual* visual, Window window, GC gc, bool shared)
    : display_(display), window_(window), gc_(gc), image_(display, visual), usable_(shared) {}

BallSlots::SlotContent BallSlots::SlotFor(std::size_t ball, const BallSprite& sprite,
                                          std::uint32_t background) const {
    const SquareLook look = sprite.LookOver(background);
    const SlotContent& held = slots_[ball].Content;
    return held.Look == look ? held : SlotContent{look};
}

bool BallSlots::PutMovedBall(const PaintPlan& plan, const PixelRect& area, std::size_t ball,
                             const BallSprite& sprite, std::uint32_t background) {
    if (!usable_) {
        return false;
    }
    // How far the area reaches beyond the ball's square on each side: the
    // way it came, as far as it moved.
    const PixelRect& square = plan.Circles[ball];
    const int diameter = square.w;
    const int left = square.x - area.x;
    const int right = area.x + area.w - square.x - diameter;
    const int up = square.y - area.y;
    const int down = area.y + area.h - square.y - diameter;
    if (std::min({left, right, up, down}) < 0 ||
        std::max({left, right, up, down}) > MaxReach(diameter)) {
        return false;
    }
    // A slot keeps the furthest reach it has had, so a ball whose moves
    // alternate between two lengths does not rewrite it every tick.
    SlotContent wanted = SlotFor(ball, sprite, background);
    wanted.ReachX = std::max({wanted.ReachX, left, right});
    wanted.ReachY = std::max({wanted.ReachY, up, down});
    // The put takes the square and the slot's background on the side the
    // ball came from. Its columns may reach beyond the area; what they
    // cover there must show only the background now.
    const PixelPoint at = wanted.Square();
    const int fromX = left > right ? 0 : at.x;
    const PixelRect put{square.x - (at.x - fromX), area.y, diameter + wanted.ReachX, area.h};
    const std::optional<PlainArea> plain = FindPlainArea(plan, put);
    if (!plain || plain->Ball != ball) {
        return false;
    }
    const std::uint32_t* pixels = SlotPixels(ball, sprite, wanted);
    if (pixels == nullptr) {
        return false;
    }
    PutFromSlot(ball, pixels, wanted, {fromX, at.y - up}, put);
    return true;
}

void BallSlots::PutSquare(std::size_t ball, const BallSprite& sprite, std::uint32_t background,
                          const PixelRect& square, const PixelRect& part) {
    const SlotContent wanted = SlotFor(ball, sprite, background);
    const PixelPoint from{part.x - square.x, part.y - square.y};
    const std::uint32_t* pixels = SlotPixels(ball, sprite, wanted);
    if (pixels == nullptr) {
        // No memory is attached: the square goes over the connection.
        image_.Put(window_, gc_, square_.Over(sprite, background), wanted.Look.Diameter,
                   wanted.Look.Diameter, from, part, false);
        return;
    }
    const PixelPoint at = wanted.Square();
    PutFromSlot(ball, pixels, wanted, {at.x + from.x, at.y + from.y}, part);
}

const std::uint32_t* BallSlots::SlotPixels(std::size_t ball, const BallSprite& sprite,
                                           const SlotContent& wanted) {
    if (!usable_) {
        return nullptr;
    }
    if (wanted.Look.Diameter > slotDiameter_) {
        slotDiameter_ = 0;
        if (!image_.Attach(BallCount * SlotPixelCount(wanted.Look.Diameter))) {
            // Not asked again on every tick; the squares go over the
            // connection instead.
            usable_ = false;
            return nullptr;
        }
        slotDiameter_ = wanted.Look.Diameter;
        slots_.fill({});
    }
    std::uint32_t* slot = image_.Pixels() + ball * SlotPixelCount(slotDiameter_);
    Slot& held = slots_[ball];
    if (held.Content != wanted) {
        // The server may not have read the slot for the last put from it.
        // The completion notices that have come since say how far it has
        // read; only where they do not reach that put is it waited for.
        if (LastKnownRequestProcessed(display_) < held.LastPut) {
            XEventsQueued(display_, QueuedAfterReading);
        }
        if (LastKnownRequestProcessed(display_) < held.LastPut) {
            XSync(display_, False);
        }
        const auto width = static_cast<std::size_t>(wanted.Width());
        std::fill_n(slot, width * static_cast<std::size_t>(wanted.Height()),
                    wanted.Look.Background);
        const PixelPoint at = wanted.Square();
        sprite.DrawOverRows(
            slot + static_cast<std::size_t>(at.y) * width + static_cast<std::size_t>(at.x), width);
        held.Content = wanted;
    }
    return slot;
}

void BallSlots::PutFromSlot(std::size_t ball, const std::uint32_t* pixels,
                            const SlotContent& content, PixelPoint from, const PixelRect& to) {
    slots_[ball].LastPut = NextRequest(display_);
    image_.Put(window_, gc_, pixels, content.Width(), content.Height(), from, to, false);
}

}  // namespace bumblorbs
