#include "host/paint/tile_composer.h"

#include <algorithm>

#include "host/sdl/colour_pixel.h"
#include "host/sdl/host_fault.h"
#include "host/sdl/pixel_rows.h"
#include "host/sdl/sdl_handles.h"

namespace bumblorbs {
namespace {

// 0x00RRGGBB, as Tile says.
constexpr SDL_PixelFormatEnum TileFormat = SDL_PIXELFORMAT_XRGB8888;

// Paints one rectangle: by the sink where it is plain and the sink can,
// else, where it may, in pieces, else composed into tiles.
void PaintRect(ScenePainter& painter, const Scene& scene, const PaintPlan& plan, TileSink& sink,
               const SDL_Rect& rect, std::uint32_t background, bool mayCut) {
    if (const std::optional<PlainArea> plain = FindPlainArea(plan, rect)) {
        BallSprite* sprite = plain->Ball ? &painter.Sprite(*plain->Ball) : nullptr;
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
        const SDL_Rect band{rect.x, top, rect.w, std::min(rowsPerTile, rect.y + rect.h - top)};
        std::uint32_t* pixels = sink.Room(width * static_cast<std::size_t>(band.h));
        const SurfaceHandle tile(SDL_CreateRGBSurfaceWithFormatFrom(
            pixels, band.w, band.h, 32, band.w * BytesPerPixel, TileFormat));
        if (!tile) {
            ThrowSdlFault("a tile's surface (SDL_CreateRGBSurfaceWithFormatFrom)");
        }
        painter.PaintArea(tile.get(), {band.x, band.y}, scene, plan, band);
        sink.Send({pixels, band});
    }
}

}  // namespace

void ComposeTiles(ScenePainter& painter, const Scene& scene, const PaintPlan& plan,
                  TileSink& sink) {
    const PixelFormatHandle tileFormat(SDL_AllocFormat(TileFormat));
    if (!tileFormat) {
        ThrowSdlFault("the tiles' pixel format (SDL_AllocFormat)");
    }
    const std::uint32_t background = PixelOf(scene.BackColor(), tileFormat.get());
    for (const SDL_Rect& rect : plan.Rects) {
        PaintRect(painter, scene, plan, sink, rect, background, true);
    }
    sink.EndFrame();
}

}  // namespace bumblorbs
