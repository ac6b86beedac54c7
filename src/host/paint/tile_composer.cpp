#include "host/paint/tile_composer.h"

#include <algorithm>

namespace bumblorbs {
namespace {

// Paints one rectangle: by the sink where it is plain and the sink can,
// else, where it may, in pieces, else composed into tiles.
void PaintRect(ScenePainter& painter, const Scene& scene, const PaintPlan& plan, TileSink& sink,
               const PixelRect& rect, std::uint32_t background, bool mayCut) {
    if (const std::optional<PlainArea> plain = FindPlainArea(plan, rect)) {
        const BallSprite* sprite = plain->Ball ? &painter.Sprite(*plain->Ball) : nullptr;
        if (sink.PaintPlain(plan, rect, *plain, sprite, background)) {
            return;
        }
    } else if (const std::optional<AreaPieces> pieces =
                   mayCut ? CutBetweenTwoBalls(plan, rect) : std::nullopt) {
        for (std::size_t i = 0; i < pieces->Count; ++i) {
            PaintRect(painter, scene, plan, sink, pieces->Rects[i], background, false);
        }
        return;
    }
    const auto width = static_cast<std::size_t>(rect.w);
    const int rowsPerTile =
        static_cast<int>(std::max<std::size_t>(1, sink.MaxTilePixels() / width));
    for (int top = rect.y; top < rect.y + rect.h; top += rowsPerTile) {
        const PixelRect band{rect.x, top, rect.w, std::min(rowsPerTile, rect.y + rect.h - top)};
        std::uint32_t* pixels = sink.Room(width * static_cast<std::size_t>(band.h));
        painter.PaintTile(pixels, scene, plan, band);
        sink.Send({pixels, band});
    }
}

}  // namespace

void ComposeTiles(ScenePainter& painter, const Scene& scene, const PaintPlan& plan,
                  TileSink& sink) {
    const std::uint32_t background = painter.TileBackground(scene);
    for (const PixelRect& rect : plan.Rects) {
        PaintRect(painter, scene, plan, sink, rect, background, true);
    }
    sink.EndFrame();
}

}  // namespace bumblorbs
