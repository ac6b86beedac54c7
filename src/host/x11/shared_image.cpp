#include "host/x11/shared_image.h"

#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "host/paint/pixel_view.h"

namespace bumblorbs {

struct SharedImage::Segment {
    Display* Connection = nullptr;
    XShmSegmentInfo Info{};
    // Names the memory in each put; its size is set for each.
    XImage* Image = nullptr;
};

namespace {

bool attachFailed = false;
int NoteAttachFailure(Display* /*display*/, XErrorEvent* /*error*/) {
    attachFailed = true;
    return 0;
}

// Whether the server attached the segment. A server on another machine
// refuses with an error, which is an answer here, not a fault.
bool ServerAttaches(Display* display, XShmSegmentInfo& info) {
    attachFailed = false;
    const XErrorHandler previous = XSetErrorHandler(&NoteAttachFailure);
    const Bool sent = XShmAttach(display, &info);
    XSync(display, False);
    XSetErrorHandler(previous);
    return sent != False && !attachFailed;
}

// An image of the client's own pixels, for XPutImage.
XImage ClientImage(const std::uint32_t* pixels, int width, int height) {
    XImage image{};
    image.width = width;
    image.height = height;
    image.format = ZPixmap;
    // Xlib only reads the pixels of an image it is asked to put.
    image.data = const_cast<char*>(reinterpret_cast<const char*>(pixels));
    image.byte_order = LSBFirst;
    image.bitmap_unit = 32;
    image.bitmap_bit_order = LSBFirst;
    image.bitmap_pad = 32;
    image.depth = 24;
    image.bytes_per_line = width * BytesPerPixel;
    image.bits_per_pixel = 32;
    image.red_mask = 0xFF0000;
    image.green_mask = 0xFF00;
    image.blue_mask = 0xFF;
    XInitImage(&image);
    return image;
}

}  // namespace

void SharedImage::Release(Segment* segment) {
    Display* display = segment->Connection;
    // The server must have read everything put from the memory.
    XSync(display, False);
    if (segment->Image != nullptr) {
        segment->Image->data = nullptr;
        XDestroyImage(segment->Image);
    }
    XShmDetach(display, &segment->Info);
    XSync(display, False);
    shmdt(segment->Info.shmaddr);
    delete segment;
}

bool SharedImage::Offered() {
    if (XShmQueryExtension(display_) == True) {
        return true;
    }
    refusal_ = "the X server offers no shared memory";
    return false;
}

bool SharedImage::Attach(std::size_t pixels) {
    Detach();
    XShmSegmentInfo info{};
    info.shmid = shmget(IPC_PRIVATE, pixels * sizeof(std::uint32_t), IPC_CREAT | 0600);
    if (info.shmid < 0) {
        refusal_ = "the system refused " + std::to_string(pixels * sizeof(std::uint32_t)) +
                   " bytes of shared memory: " + std::strerror(errno);
        return false;
    }
    info.shmaddr = static_cast<char*>(shmat(info.shmid, nullptr, 0));
    // shmat's documented failure value.
    if (info.shmaddr == reinterpret_cast<char*>(-1)) {  // NOLINT(performance-no-int-to-ptr)
        refusal_ = std::string("the system refused to map shared memory: ") + std::strerror(errno);
        shmctl(info.shmid, IPC_RMID, nullptr);
        return false;
    }
    info.readOnly = True;
    const bool attached = ServerAttaches(display_, info);
    // Marked for removal now, it goes away with the last process using it,
    // however the toy ends.
    shmctl(info.shmid, IPC_RMID, nullptr);
    if (!attached) {
        refusal_ = "the X server refused to attach the toy's shared memory";
        shmdt(info.shmaddr);
        return false;
    }
    OwnedHandle<Segment, &SharedImage::Release> segment(new Segment{display_, info});
    segment->Image = XShmCreateImage(display_, visual_, 24, ZPixmap, segment->Info.shmaddr,
                                     &segment->Info, 1, 1);
    if (segment->Image == nullptr) {
        refusal_ = "Xlib could not make an image of the shared memory";
        return false;
    }
    segment_ = std::move(segment);
    return true;
}

std::uint32_t* SharedImage::Pixels() const {
    return reinterpret_cast<std::uint32_t*>(segment_->Info.shmaddr);
}

void SharedImage::Put(Window window, GC gc, const std::uint32_t* pixels, int width, int height,
                      PixelPoint from, const PixelRect& to, bool notify) const {
    const auto toWidth = static_cast<unsigned>(to.w);
    const auto toHeight = static_cast<unsigned>(to.h);
    if (!segment_) {
        XImage image = ClientImage(pixels, width, height);
        XPutImage(display_, window, gc, &image, from.x, from.y, to.x, to.y, toWidth, toHeight);
        return;
    }
    XImage* image = segment_->Image;
    image->width = width;
    image->height = height;
    image->bytes_per_line = width * BytesPerPixel;
    // Xlib only reads the pixels of an image it is asked to put.
    image->data = const_cast<char*>(reinterpret_cast<const char*>(pixels));
    XShmPutImage(display_, window, gc, image, from.x, from.y, to.x, to.y, toWidth, toHeight,
                 notify ? True : False);
}

}  // namespace bumblorbs
