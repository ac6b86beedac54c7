#include "host/wayland/wayland_window.h"

#include <csignal>
#include <string>
#include <vector>

#include "host/core/host_fault.h"
#include "host/core/monotonic_clock.h"
#include "host/wayland/open_wayland_window.h"

namespace bumblorbs {
namespace {

// The first round trips and the first configure get this long.
constexpr std::int64_t OpenLimitNs = 3'000'000'000;

}  // namespace

WaylandWindow::WaylandWindow(std::string_view socket)
    : connection_(socket), globals_(Observers()), seat_(globals_, geometry_) {
    try {
        Open(MonotonicNs() + OpenLimitNs);
    } catch (const std::exception& fault) {
        const std::string problem = connection_.Problem();
        throw NoDisplay("the Wayland compositor at " + connection_.SocketPath() + " " +
                        (problem.empty() ? fault.what() : "broke the connection: " + problem));
    }
}

WaylandWindow::~WaylandWindow() = default;

WaylandGlobals::Observers WaylandWindow::Observers() {
    return {
        [this](const WaylandOutput& output, bool scaleChanged, bool modeChanged) {
            if (toplevel_ && modeChanged) {
                toplevel_->ModeChanged(output);
            }
            if (scaleChanged) {
                UpdateGeometry();
            }
        },
        [this](wl_output* output) {
            if (toplevel_) {
                toplevel_->OutputGone(output);
            }
            // The compositor may drop its word that the last frame was shown
            // along with the output it was shown on.
            if (canvas_) {
                canvas_->StopAwaitingFrame();
            }
        },
        [this](wl_seat* seat) { seat_.Listen(seat); },
    };
}

void WaylandWindow::Open(std::int64_t deadlineNs) {
    // The buffers and the cursor theme live in memory files, which the
    // file-size limit also bounds: past it the kernel would end the program
    // with SIGXFSZ and a core. Ignored, the file's growth fails with EFBIG
    // and is reported as the fault it is.
    std::signal(SIGXFSZ, SIG_IGN);
    globals_.Listen(connection_.Display());
    connection_.RoundTrip(deadlineNs);
    if (globals_.Compositor() == nullptr || globals_.Shm() == nullptr ||
        globals_.WmBase() == nullptr) {
        throw HostFault("offers no wl_compositor, wl_shm or xdg_wm_base");
    }
    // The outputs' scales and the seat's devices follow their binding.
    connection_.RoundTrip(deadlineNs);
    toplevel_ = std::make_unique<ToplevelSurface>(globals_, [this] { UpdateGeometry(); });
    while (!toplevel_->Configured()) {
        if (MonotonicNs() >= deadlineNs) {
            throw HostFault("did not configure the window in time");
        }
        connection_.Pump(deadlineNs);
    }
    UpdateGeometry();
    canvas_ = std::make_unique<WaylandCanvas>(connection_, globals_.Shm(), toplevel_->Surface(),
                                              toplevel_->Viewport(), geometry_);
}

void WaylandWindow::UpdateGeometry() {
    if (!toplevel_ || !toplevel_->Configured()) {
        return;
    }
    std::vector<int> scales;
    for (const std::unique_ptr<WaylandOutput>& output : globals_.Outputs()) {
        if (toplevel_->IsOn(*output)) {
            scales.push_back(output->Scale);
        }
    }
    PixelSize logical = toplevel_->Logical();
    if (logical.Width <= 0 || logical.Height <= 0) {
        // A compositor that leaves the size to the client: the first output's.
        logical = {640, 480};
        if (!globals_.Outputs().empty() && globals_.Outputs().front()->Mode.Width > 0) {
            const WaylandOutput& output = *globals_.Outputs().front();
            logical = {output.Mode.Width / output.Scale, output.Mode.Height / output.Scale};
        }
    }
    const SurfaceGeometry geometry =
        GeometryFor(logical, toplevel_->Fractional120(), toplevel_->Viewport() != nullptr,
                    IntegerScale(scales));
    if (!(geometry == geometry_)) {
        geometry_ = geometry;
        reshaped_ = true;
    }
}

void WaylandWindow::Show() { connection_.Flush(); }

void WaylandWindow::Wait(std::optional<std::int64_t> deadlineNs, WindowEvents& events) {
    toplevel_->AskFullscreenIfDue();
    // Without a deadline a signal could slip in just before the wait; a
    // wait of StopCheckNs at most notices it.
    const std::int64_t deadline = deadlineNs.value_or(MonotonicNs() + StopCheckNs);
    do {
        connection_.Pump(deadline);
        Deliver(events);
    } while (deadlineNs && MonotonicNs() < deadline);
}

void WaylandWindow::Deliver(WindowEvents& events) {
    if (reshaped_) {
        reshaped_ = false;
        events.Reshaped();
    }
    for (const PointerRelease& release : seat_.TakeReleases()) {
        events.Released(release.Button, release.Keys, release.X, release.Y);
    }
    if (toplevel_->TakeCloseRequest()) {
        events.CloseRequested();
    }
}

std::unique_ptr<HostWindow> OpenWaylandWindow(std::string_view socket) {
    return std::make_unique<WaylandWindow>(socket);
}

}  // namespace bumblorbs
