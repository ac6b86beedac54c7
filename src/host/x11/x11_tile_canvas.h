#pragma once

#include <SDL.h>

#include <functional>
#include <memory>
#include <string>

#include "host/window/window_canvas.h"

namespace bumblorbs {

struct X11Window;

// Paints an X11 window through memory shared with the server, on a
// connection of the canvas's own, so the server's completion notices never
// wake the event loop. No copy of the whole window is kept, so memory does
// not grow with the screen.
//
// Where a damaged rectangle shows only the background and one ball, it is
// put straight from the ball's slot (BallSlots). Where the slot cannot cover
// the rectangle, the ball's square is put from it and the background around
// is filled, with the other fills of the frame in one request. Any other
// rectangle is composed into a small, tightly packed tile (TileRing) and
// sent with one put. Where the server cannot share memory (a remote
// display) the squares and tiles go over the connection.
class X11TileCanvas final : public WindowCanvas {
public:
    explicit X11TileCanvas(SDL_Window* window);
    // Paints a window that another client made, such as a screen saver's;
    // `pixelSize` tells how large it is now.
    X11TileCanvas(const X11Window& target, std::function<SDL_Point()> pixelSize);
    ~X11TileCanvas() override;
    X11TileCanvas(const X11TileCanvas&) = delete;
    X11TileCanvas& operator=(const X11TileCanvas&) = delete;

    void Present(SceneFrame& frame) override;
    // Waits until the server has drawn every tile sent so far, for reading
    // the window back.
    void Finish();

private:
    class Frames;
    std::function<SDL_Point()> pixelSize_;
    std::unique_ptr<Frames> frames_;
};

// Where the window's visual cannot show the tiles' 0x00RRGGBB pixels as
// they are, its depth and class ("16-bit TrueColor"); else empty.
std::string VisualUnfitForTiles(SDL_Window* window);
std::string VisualUnfitForTiles(const X11Window& x11);

}  // namespace bumblorbs
