#include "host/wayland/wayland_canvas.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "host/core/host_fault.h"
#include "host/paint/tile_composer.h"
#include "host/wayland/buffer_damage.h"

namespace bumblorbs {
namespace {

// A descriptor closed when it goes out of scope.
struct FileDescriptor {
    int Value;
    explicit FileDescriptor(int value) : Value(value) {}
    ~FileDescriptor() {
        if (Value >= 0) {
            close(Value);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
};

// Memory mapped for as long as the object lives.
class Mapping {
public:
    Mapping(int fd, std::size_t bytes)
        : bytes_(bytes), address_(mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)) {
        if (address_ == MAP_FAILED) {
            throw HostFault("cannot map the window's shared memory: " +
                            std::string(std::strerror(errno)));
        }
    }
    ~Mapping() { munmap(address_, bytes_); }
    Mapping(const Mapping&) = delete;
    Mapping& operator=(const Mapping&) = delete;

    void* Address() const { return address_; }

private:
    std::size_t bytes_;
    void* address_;
};

// A file in memory of `bytes`, for the compositor to map too.
int SharedFile(std::size_t bytes) {
    const int fd = memfd_create("bumblorbs", MFD_CLOEXEC);
    if (fd >= 0 && ftruncate(fd, static_cast<off_t>(bytes)) == 0) {
        return fd;
    }
    const std::string reason = std::strerror(errno);
    if (fd >= 0) {
        close(fd);
    }
    throw HostFault("no shared memory for the window: " + reason);
}

void OnRelease(void* data, wl_buffer* /*buffer*/) { *static_cast<bool*>(data) = false; }

constexpr wl_buffer_listener ReleaseListener{&OnRelease};

}  // namespace

struct WaylandCanvas::Buffer {
    // A buffer of `size` in the memory file `fd`, whose release clears `held`.
    Buffer(wl_shm* shm, PixelSize size, int fd, bool& held)
        : Bytes(static_cast<std::size_t>(size.Width) * static_cast<std::size_t>(size.Height) * 4),
          Memory(fd, Bytes) {
        const ShmPoolHandle pool(wl_shm_create_pool(shm, fd, static_cast<std::int32_t>(Bytes)));
        if (!pool) {
            throw HostFault("wl_shm_create_pool");
        }
        Handle.reset(wl_shm_pool_create_buffer(pool.get(), 0, size.Width, size.Height,
                                               size.Width * 4, WL_SHM_FORMAT_XRGB8888));
        if (!Handle) {
            throw HostFault("wl_shm_pool_create_buffer");
        }
        wl_buffer_add_listener(Handle.get(), &ReleaseListener, &held);
        Target = {Memory.Address(), size.Width * 4, size.Width, size.Height, PixelFormat::Xrgb8888};
    }

    std::size_t Bytes;
    Mapping Memory;
    BufferHandle Handle;
    PixelView Target;
};

WaylandCanvas::WaylandCanvas(WaylandConnection& connection, wl_shm* shm, wl_surface* surface,
                             wp_viewport* viewport, const SurfaceGeometry& geometry)
    : connection_(connection),
      shm_(shm),
      surface_(surface),
      viewport_(viewport),
      wanted_(geometry) {}

WaylandCanvas::~WaylandCanvas() = default;

WaylandCanvas::Ring::Slot* WaylandCanvas::FreeSlot() {
    return ring_.Next([this](bool& held) {
        const FileDescriptor file(SharedFile(static_cast<std::size_t>(drawn_.Buffer.Width) *
                                             static_cast<std::size_t>(drawn_.Buffer.Height) * 4));
        return std::make_unique<Buffer>(shm_, drawn_.Buffer, file.Value, held);
    });
}

void WaylandCanvas::Present(SceneFrame& frame) {
    AddDamage(pending_, frame.Changes());
    if (!(wanted_ == drawn_)) {
        ring_.Clear();
        drawn_ = wanted_;
        geometryUnsent_ = true;
        pending_.Everything = true;
    }
    // The compositor has not shown the last frame yet, or shows nothing of
    // the window now: the damage waits for it.
    if (frameCallback_ || drawn_.Buffer.Width <= 0 || drawn_.Buffer.Height <= 0) {
        return;
    }
    Ring::Slot* slot = FreeSlot();
    if (slot == nullptr) {
        return;
    }
    if (!ring_.HasPicture()) {
        pending_.Everything = true;
    }
    // The buffer catches up by painting what it missed along with this
    // frame's damage; the compositor is told only what changed since the
    // latest frame.
    const PaintPlan plan =
        frame.PlanFor(ring_.Draw(*slot, pending_), drawn_.Buffer.Width, drawn_.Buffer.Height);
    sink_.Into(slot->Pixels->Target);
    frame.Compose(plan, sink_);
    const PaintRects rects = frame.RectsFor(pending_, drawn_.Buffer.Width, drawn_.Buffer.Height);
    pending_ = Damage{};
    if (!rects.empty() || geometryUnsent_) {
        Commit(*slot, rects);
    }
}

void WaylandCanvas::Commit(Ring::Slot& slot, const PaintRects& rects) {
    if (geometryUnsent_) {
        wl_surface_set_buffer_scale(surface_, drawn_.BufferScale);
        if (viewport_ != nullptr) {
            if (drawn_.Viewport) {
                wp_viewport_set_destination(viewport_, drawn_.Logical.Width, drawn_.Logical.Height);
            } else {
                wp_viewport_set_destination(viewport_, -1, -1);
            }
        }
        wl_surface_damage_buffer(surface_, 0, 0, drawn_.Buffer.Width, drawn_.Buffer.Height);
        geometryUnsent_ = false;
    }
    wl_surface_attach(surface_, slot.Pixels->Handle.get(), 0, 0);
    for (const PixelRect& rect : rects) {
        wl_surface_damage_buffer(surface_, rect.x, rect.y, rect.w, rect.h);
    }
    frameCallback_.reset(wl_surface_frame(surface_));
    if (frameCallback_) {
        wl_callback_add_listener(frameCallback_.get(), &FrameListener, this);
    }
    wl_surface_commit(surface_);
    slot.Held = true;
    connection_.Flush();
}

void WaylandCanvas::FrameDone(void* data, wl_callback* /*callback*/, std::uint32_t /*time*/) {
    static_cast<WaylandCanvas*>(data)->frameCallback_.reset();
}

const wl_callback_listener WaylandCanvas::FrameListener{&WaylandCanvas::FrameDone};

}  // namespace bumblorbs
