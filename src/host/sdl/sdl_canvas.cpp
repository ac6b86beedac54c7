#include "host/sdl/sdl_canvas.h"

#include <array>
#include <string>
#include <string_view>

#include "host/core/say.h"
#include "host/sdl_core/sdl_fault.h"
#include "host/sdl_core/sdl_handles.h"
#include "host/sdl_core/surface_view.h"
#include "host/x11/x11_tile_canvas.h"
#include "host/x11/x11_window.h"

namespace bumblorbs {
namespace {

using RendererHandle = OwnedHandle<SDL_Renderer, SDL_DestroyRenderer>;
using TextureHandle = OwnedHandle<SDL_Texture, SDL_DestroyTexture>;

class TextureCanvas final : public WindowCanvas {
public:
    explicit TextureCanvas(SDL_Window* window)
        : window_(window), renderer_(SDL_CreateRenderer(window, -1, 0)) {
        if (!renderer_) {
            ThrowSdlFault("a renderer for the window (SDL_CreateRenderer)");
        }
    }

    void Present(SceneFrame& frame) override {
        const PixelView painted = ViewOf(Surface());
        const PaintRects rects = frame.PaintWhole(painted);
        if (rects.empty()) {
            return;
        }
        for (const PixelRect& rect : rects) {
            const std::uint32_t* pixels = painted.WordRow(rect.y) + rect.x;
            const SDL_Rect area = SdlRect(rect);
            if (SDL_UpdateTexture(texture_.get(), &area, pixels, surface_->pitch) != 0) {
                ThrowSdlFault("SDL_UpdateTexture");
            }
        }
        // A frame is drawn whole: the renderer's back buffer holds no
        // earlier picture to add the rectangles to.
        if (SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr) != 0) {
            ThrowSdlFault("SDL_RenderCopy");
        }
        SDL_RenderPresent(renderer_.get());
    }

private:
    // As large as the window is now in pixels; after a resize a new one,
    // which the resize's full repaint fills.
    SDL_Surface* Surface() {
        int width = 0;
        int height = 0;
        SDL_GetWindowSizeInPixels(window_, &width, &height);
        if (!surface_ || surface_->w != width || surface_->h != height) {
            surface_.reset(
                SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
            texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_STREAMING, width, height));
            if (!surface_ || !texture_) {
                ThrowSdlFault("a " + std::to_string(width) + "x" + std::to_string(height) +
                              " canvas for the window");
            }
        }
        return surface_.get();
    }

    SDL_Window* window_;
    RendererHandle renderer_;
    SurfaceHandle surface_;
    TextureHandle texture_;
};

// SDL's own surface for the window, in the window's pixel format, which SDL
// sends to the window system: the scene is painted at 0x00RRGGBB in a
// surface of ours and converted into it rectangle by rectangle. It takes
// any visual SDL can draw on.
class WindowSurfaceCanvas final : public WindowCanvas {
public:
    explicit WindowSurfaceCanvas(SDL_Window* window) : window_(window) {}

    // Whether SDL offers a surface for the window's pixel format.
    static bool Offered(SDL_Window* window) { return SDL_GetWindowSurface(window) != nullptr; }

    void Present(SceneFrame& frame) override {
        // A new one after each resize; the resize's full repaint fills it.
        SDL_Surface* shown = SDL_GetWindowSurface(window_);
        if (shown == nullptr) {
            ThrowSdlFault("the window's surface (SDL_GetWindowSurface)");
        }
        if (!painted_ || painted_->w != shown->w || painted_->h != shown->h) {
            painted_.reset(SDL_CreateRGBSurfaceWithFormat(0, shown->w, shown->h, 32,
                                                          SDL_PIXELFORMAT_XRGB8888));
            if (!painted_) {
                ThrowSdlFault("a " + std::to_string(shown->w) + "x" + std::to_string(shown->h) +
                              " canvas for the window");
            }
        }
        const PaintRects rects = frame.PaintWhole(ViewOf(painted_.get()));
        if (rects.empty()) {
            return;
        }
        std::array<SDL_Rect, BallCount + LabelCount> areas{};
        for (std::size_t i = 0; i < rects.size(); ++i) {
            areas[i] = SdlRect(rects[i]);
            SDL_Rect to = areas[i];
            if (SDL_BlitSurface(painted_.get(), &areas[i], shown, &to) != 0) {
                ThrowSdlFault("SDL_BlitSurface");
            }
        }
        if (SDL_UpdateWindowSurfaceRects(window_, areas.data(), static_cast<int>(rects.size())) !=
            0) {
            ThrowSdlFault("SDL_UpdateWindowSurfaceRects");
        }
    }

private:
    SDL_Window* window_;
    SurfaceHandle painted_;
};

// For an X11 visual the tiles cannot take: SDL's window surface where SDL
// offers one for it, else its renderer; says which in one line.
std::unique_ptr<WindowCanvas> SlowerCanvas(SDL_Window* window, const std::string& visual) {
    std::unique_ptr<WindowCanvas> canvas;
    std::string_view path = "window surface";
    if (WindowSurfaceCanvas::Offered(window)) {
        canvas = std::make_unique<WindowSurfaceCanvas>(window);
    } else {
        try {
            canvas = std::make_unique<TextureCanvas>(window);
        } catch (const HostFault& fault) {
            throw HostFault("this display's visual is " + visual +
                            ", on which SDL can draw neither through its window surface nor "
                            "through a renderer (" +
                            fault.what() + ")");
        }
        path = "renderer";
    }
    Say("this display's visual is " + visual + ", not 24-bit TrueColor; drawing through SDL's " +
        std::string(path) + ", which is slower");
    return canvas;
}

}  // namespace

std::unique_ptr<WindowCanvas> MakeSdlCanvas(SDL_Window* window) {
    if (X11WindowOf(window)) {
        const std::string visual = VisualUnfitForTiles(window);
        if (visual.empty()) {
            return std::make_unique<X11TileCanvas>(window);
        }
        return SlowerCanvas(window, visual);
    }
    return std::make_unique<TextureCanvas>(window);
}

}  // namespace bumblorbs
