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

// One surface for all of a frame's tiles, pointed at each tile's pixels in
// turn: a surface made for every tile costs a pixel format looked up under
// a lock and three allocations.
class TileSurface {
public:
    SDL_Surface* On(std::uint32_t* pixels, const SDL_Rect& band) {
        if (!surface_) {
            surface_.reset(SDL_CreateRGBSurfaceWithFormatFrom(pixels, band.w, band.h, 32,
                                                              band.w * BytesPerPixel, TileFormat));
            if (!surface_) {
                ThrowSdlFault("a tile's surface (SDL_CreateRGBSurfaceWithFormatFrom)");
            }
        }
        // The fields a surface's painters and blits read; its format and
        // blit maps stay valid, as the format is the same.
        surface_->pixels = pixels;
        surface_->w = band.w;
        surface_->h = band.h;
        surface_->pitch = band.w * BytesPerPixel;
        SDL_SetClipRect(surface_.get(), nullptr);
        return surface_.get();
    }

private:
    SurfaceHandle surface_;
};

// Paints one rectangle: by the sink where it is plain and the sink can,
// else, where it may, in pieces, else composed into tiles.
void PaintRect(ScenePainter& painter, const Scene& scene, const PaintPlan& plan, TileSink& sink,
               TileSurface& tiles, const SDL_Rect& rect, std::uint32_t background, bool mayCut) {
    if (const std::optional<PlainArea> plain = FindPlainArea(plan, rect)) {
        const BallSprite* sprite = plain->Ball ? &painter.Sprite(*plain->Ball) : nullptr;
        if (sink.PaintPlain(plan, rect, *plain, sprite, background)) {
            return;
        }
    } else if (const std::optional<AreaPieces> pieces =
                   mayCut ? CutBetweenTwoBalls(plan, rect) : std::nullopt) {
        for (std::size_t i = 0; i < pieces->Count; ++i) {
            PaintRect(painter, scene, plan, sink, tiles, pieces->Rects[i], background, false);
        }
        return;
    }
    const auto width = static_cast<std::size_t>(rect.w);
    const int rowsPerTile =
        static_cast<int>(std::max<std::size_t>(1, sink.MaxTilePixels() / width));
    for (int top = rect.y; top < rect.y + rect.h; top += rowsPerTile) {
        const SDL_Rect band{rect.x, top, rect.w, std::min(rowsPerTile, rect.y + rect.h - top)};
        std::uint32_t* pixels = sink.Room(width * static_cast<std::size_t>(band.h));
        painter.PaintArea(tiles.On(pixels, band), {band.x, band.y}, scene, plan, band);
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
    TileSurface tiles;
    for (const SDL_Rect& rect : plan.Rects) {
        PaintRect(painter, scene, plan, sink, tiles, rect, background, true);
    }
    sink.EndFrame();
}

}  // namespace bumblorbs
