#include "screen_frames.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <ctime>
#include <thread>

namespace bench {

std::uint64_t NowUs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_RAW, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000000 +
           static_cast<std::uint64_t>(now.tv_nsec) / 1000;
}

struct ScreenFrames::X {
    Display* display = nullptr;
};

ScreenFrames::ScreenFrames(const std::string& display) : x_(std::make_unique<X>()) {
    x_->display = XOpenDisplay(display.c_str());
    int event = 0, error = 0, major = 0, minor = 0;
    if (!x_->display || !XShmQueryExtension(x_->display) ||
        !XTestQueryExtension(x_->display, &event, &error, &major, &minor)) {
        throw e2e::HarnessError("the display " + display + " has no XShm or XTest");
    }
}

ScreenFrames::~ScreenFrames() {
    if (x_->display) {
        XCloseDisplay(x_->display);
    }
}

void ScreenFrames::MoveTo(int x, int y) {
    XTestFakeMotionEvent(x_->display, -1, x, y, CurrentTime);
    XSync(x_->display, False);
}

std::uint64_t ScreenFrames::Click() {
    const std::uint64_t pressed = NowUs();
    XTestFakeButtonEvent(x_->display, 1, True, CurrentTime);
    XTestFakeButtonEvent(x_->display, 1, False, CurrentTime);
    XSync(x_->display, False);
    return pressed;
}

namespace {

std::uint64_t Fnv1a(const char* data, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ static_cast<unsigned char>(data[i])) * 1099511628211ull;
    }
    return hash;
}

} // namespace

std::vector<Frame> ScreenFrames::Watch(const e2e::Rect& area, std::uint64_t untilUs) {
    Display* d = x_->display;
    const int screen = DefaultScreen(d);
    XShmSegmentInfo segment{};
    XImage* image = XShmCreateImage(d, DefaultVisual(d, screen), DefaultDepth(d, screen), ZPixmap,
                                    nullptr, &segment, static_cast<unsigned>(area.width),
                                    static_cast<unsigned>(area.height));
    if (!image) {
        throw e2e::HarnessError("no shared-memory image");
    }
    const std::size_t bytes = static_cast<std::size_t>(image->bytes_per_line) * image->height;
    segment.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    segment.shmaddr = image->data = static_cast<char*>(shmat(segment.shmid, nullptr, 0));
    segment.readOnly = False;
    XShmAttach(d, &segment);
    std::vector<Frame> frames;
    while (NowUs() < untilUs) {
        const std::uint64_t taken = NowUs();
        if (XShmGetImage(d, RootWindow(d, screen), image, area.x, area.y, AllPlanes)) {
            frames.push_back(Frame{taken, Fnv1a(image->data, bytes)});
        }
        // A short rest leaves the X server to the program being watched.
        std::this_thread::sleep_for(std::chrono::microseconds(300));
    }
    XShmDetach(d, &segment);
    XDestroyImage(image);
    shmdt(segment.shmaddr);
    shmctl(segment.shmid, IPC_RMID, nullptr);
    return frames;
}

std::uint64_t SettledAt(const std::vector<Frame>& frames) {
    if (frames.empty()) {
        return 0;
    }
    std::size_t first = frames.size() - 1;
    while (first > 0 && frames[first - 1].hash == frames.back().hash) {
        --first;
    }
    return frames[first].us;
}

} // namespace bench
