#pragma once

#include <X11/Xlib.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/paint/tile_composer.h"
#include "host/x11/shared_image.h"

namespace bumblorbs {

// The memory the tiles are composed in, 256 kB in two halves: frames
// follow each other in one half until it is full, and the ring turns to the
// other, waiting only if the server has not yet read it. Only a half's last
// tile asks for a completion notice, read when the ring comes back to that
// half, so the server seldom sends anything back. Where the server cannot
// share memory the halves are the client's own and the tiles go over the
// connection.
class TileRing {
public:
    // Pixels in each half: several frames' worth, as a frame composes only
    // where balls overlap each other or a label (a few thousand pixels).
    static constexpr std::size_t HalfPixels = std::size_t{32} * 1024;

    TileRing(Display* display, Visual* visual, Window window, GC gc);

    bool Shared() const { return image_.Attached(); }
    // Why the memory is not shared, where it is not.
    const std::string& Refusal() const { return image_.Refusal(); }
    // Room for the next tile; valid until the frame ends.
    std::uint32_t* Room(std::size_t pixels);
    void Send(const Tile& tile);
    // Sends the frame's last tile.
    void EndFrame();

private:
    void Put(const Tile& tile, bool notify);
    // Sends the current half's last tile, asking to be told when the
    // server has read the half.
    void CloseHalf();
    // Counts the completion notices that have arrived, without waiting.
    void TakeCompletions();
    void WaitUntilFree(int half);

    // The completion notices the server sends for the puts that ask: the
    // event type, those asked for and seen so far, and the count each half
    // must see before it may be written again.
    struct Notices {
        int Type = 0;
        std::uint64_t Asked = 0;
        std::uint64_t Seen = 0;
        std::array<std::uint64_t, 2> FreeAfter{};
        // The next tile asks for a notice on behalf of a half left without one.
        bool Owed = false;
    };

    Display* display_;
    Window window_;
    GC gc_;
    SharedImage image_;
    std::vector<std::uint32_t> unshared_;
    std::uint32_t* halves_ = nullptr;
    int half_ = 0;
    std::size_t used_ = 0;
    Notices notices_;
    // The tile sent last, which goes when the next one comes.
    std::optional<Tile> held_;
};

}  // namespace bumblorbs
