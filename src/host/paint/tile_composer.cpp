#include "host/paint/tile_composer.h"

#include <algorithm>
#include <climits>

namespace bumblorbs {
namespace {

// Paints one rectangle: by the sink where it is plain and the sink can,
// else, where it may, in pieces, else composed into tiles.
void PaintRect(ScenePainter& painter, const Scene& scene, const PaintPlan& plan, TileSink& sink,
               const SDL_Rect& rect, std::uint32_t background, bool mayCut) {
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
    // Bands of whole rows; where one row alone is more than a tile holds
    // (a very wide window), each band is cut across into tiles too.
    const int most = static_cast<int>(std::min<std::size_t>(sink.MaxTilePixels(), INT_MAX));
    const int pieceWidth = std::max(1, std::min(rect.w, most));
    const int rowsPerTile = std::max(1, most / pieceWidth);
    for (int top = rect.y; top < rect.y + rect.h; top += rowsPerTile) {
        const int rows = std::min(rowsPerTile, rect.y + rect.h - top);
        for (int left = rect.x; left < rect.x + rect.w; left += pieceWidth) {
            const SDL_Rect band{left, top, std::min(pieceWidth, rect.x + rect.w - left), rows};
            std::uint32_t* pixels =
                sink.Room(static_cast<std::size_t>(band.w) * static_cast<std::size_t>(rows));
            painter.PaintTile(pixels, scene, plan, band);
            sink.Send({pixels, band});
        }
    }
}

}  // namespace

void ComposeTiles(ScenePainter& painter, const Scene& scene, const PaintPlan& plan,
                  TileSink& sink) {
    const std::uint32_t background = painter.TileBackground(scene);
    for (const SDL_Rect& rect : plan.Rects) {
        PaintRect(painter, scene, plan, sink, rect, background, true);
    }
    sink.EndFrame();
}

}  // namespace bumblorbs
