// SPDX-License-Identifier: GPL-3.0-or-later
// Launches a window program on the X display and measures, from outside the
// program, what its user feels:
//
//   window_probe startup [--hold MS] -- PROGRAM [ARGS...]
//     Time from launch until the program's first window shows its first
//     content, and the peak resident memory of the program (held MS
//     milliseconds after that content, 1000 by default, then ended).
//     Prints "first_content_ms=12.345 cpu_ms=9.876 peak_rss_kib=28000", where
//     cpu_ms is the processor time the program had used by its first content
//     (all its threads): a figure that other load on the machine disturbs
//     far less than the time on the clock.
//
//   window_probe clicks --count N --at X,Y [--at X,Y ...] --watch X,Y,W,H -- PROGRAM [ARGS...]
//     After the first content, clicks the points in turn with real pointer
//     events (XTest) and times each press until the watched area of the
//     window changes. Points and area are relative to the window. Prints
//     one latency in milliseconds per line, then the median, 99th
//     percentile and maximum.
//
// The server reports every drawing into the program's windows (the DAMAGE
// extension), so the probe looks at pixels only when something was drawn and
// keeps out of the way of the program and the server in between. "First
// content" is the first drawing after which the window holds a picture: more
// than half of it no longer black (the root of a server started with -br)
// and not a single colour. A click's latency ends with the first drawing
// into the watched area that changed it. Run under a server of its own
// without a window manager (xvfb-run -s "... -br").

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

[[noreturn]] void fail(const char *what) {
    std::fprintf(stderr, "window_probe: %s\n", what);
    std::exit(1);
}

// The window may vanish between two requests; its errors are not ours.
int ignoreXErrors(Display *, XErrorEvent *) { return 0; }

struct Point {
    int x = 0, y = 0;
};
struct Area {
    int x = 0, y = 0, width = 0, height = 0;
};

struct Options {
    std::string mode;
    int holdMs = 1000;
    int count = 500;
    std::vector<Point> points;
    std::optional<Area> watch;
    std::vector<char *> program; // null-terminated
};

Options parse(int argc, char *argv[]) {
    if (argc < 2)
        fail("usage: window_probe startup|clicks [options] -- PROGRAM [ARGS...]");
    Options options;
    options.mode = argv[1];
    int i = 2;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc)
            fail("an option lacks its value");
        const char *value = argv[++i];
        if (flag == "--hold") {
            options.holdMs = std::atoi(value);
        } else if (flag == "--count") {
            options.count = std::atoi(value);
        } else if (flag == "--at") {
            Point p;
            if (std::sscanf(value, "%d,%d", &p.x, &p.y) != 2)
                fail("--at takes X,Y");
            options.points.push_back(p);
        } else if (flag == "--watch") {
            Area a;
            if (std::sscanf(value, "%d,%d,%d,%d", &a.x, &a.y, &a.width, &a.height) != 4)
                fail("--watch takes X,Y,W,H");
            options.watch = a;
        } else {
            fail("unknown option");
        }
    }
    for (++i; i < argc; ++i)
        options.program.push_back(argv[i]);
    if (options.program.empty())
        fail("no program after --");
    options.program.push_back(nullptr);
    if (options.mode == "clicks" && (options.points.empty() || !options.watch))
        fail("clicks needs --at and --watch");
    if (options.mode != "startup" && options.mode != "clicks")
        fail("the mode is startup or clicks");
    return options;
}

// The launched program and its first mapped top-level window, with the
// server's reports of what is drawn into it.
class Launch {
public:
    Launch(Display *display, const std::vector<char *> &program) : display_(display) {
        int error = 0;
        if (!XDamageQueryExtension(display_, &damageEvent_, &error))
            fail("the X server lacks the DAMAGE extension");
        const Window root = DefaultRootWindow(display_);
        XSelectInput(display_, root, SubstructureNotifyMask);
        XSync(display_, False);
        fcntl(ConnectionNumber(display_), F_SETFD, FD_CLOEXEC);
        start_ = Clock::now();
        pid_ = fork();
        if (pid_ < 0)
            fail("cannot fork");
        if (pid_ == 0) {
            execvp(program[0], program.data());
            std::_Exit(127);
        }
        window_ = awaitMap(root);
        XSelectInput(display_, root, NoEventMask);
    }

    Clock::time_point started() const { return start_; }

    // Processor time of all the program's threads so far, in milliseconds.
    double cpuMilliseconds() const {
        double nanoseconds = 0;
        const std::filesystem::path tasks = "/proc/" + std::to_string(pid_) + "/task";
        std::error_code error;
        for (const auto &task : std::filesystem::directory_iterator(tasks, error)) {
            std::ifstream schedstat(task.path() / "schedstat");
            double onCpu = 0;
            if (schedstat >> onCpu)
                nanoseconds += onCpu;
        }
        return nanoseconds / 1e6;
    }
    Window window() const { return window_; }

    // Waits until something is drawn into the window that touches area;
    // when it was reported, or nothing by the deadline.
    std::optional<Clock::time_point> awaitDrawing(const Area &area, Clock::time_point deadline) {
        while (Clock::now() < deadline) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type != damageEvent_ + XDamageNotify)
                    continue;
                const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
                const XRectangle &r = damage.area;
                if (damage.drawable == window_ && r.x < area.x + area.width && area.x < r.x + r.width &&
                    r.y < area.y + area.height && area.y < r.y + r.height)
                    return Clock::now();
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            pollfd connection{ConnectionNumber(display_), POLLIN, 0};
            poll(&connection, 1, int(std::max<std::int64_t>(1, left.count())));
        }
        return std::nullopt;
    }

    // Forgets the drawings reported so far.
    void forgetDrawings() {
        XSync(display_, False);
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
        }
    }

    // Ends the program; its peak resident memory in KiB.
    long end() {
        kill(pid_, SIGTERM);
        int status = 0;
        rusage usage{};
        if (wait4(pid_, &status, 0, &usage) != pid_)
            fail("lost the program");
        return usage.ru_maxrss;
    }

private:
    // Every new top-level window is watched from its creation on, so that no
    // drawing into the one that is shown goes unreported.
    Window awaitMap(Window root) {
        const auto deadline = Clock::now() + std::chrono::seconds(20);
        while (Clock::now() < deadline) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == CreateNotify && event.xcreatewindow.parent == root)
                    XDamageCreate(display_, event.xcreatewindow.window, XDamageReportRawRectangles);
                if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect)
                    return event.xmap.window;
            }
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_)
                fail("the program ended before it showed a window");
            pollfd connection{ConnectionNumber(display_), POLLIN, 0};
            poll(&connection, 1, 5);
        }
        fail("no window was shown within 20 s");
    }

    Display *display_;
    int damageEvent_ = 0;
    Clock::time_point start_;
    pid_t pid_ = -1;
    Window window_ = 0;
};

// The area's pixels as the server holds them, 0x00RRGGBB at 24 bits and more.
struct Picture {
    std::vector<std::uint32_t> pixels;
    bool operator==(const Picture &) const = default;
};

// Every step-th pixel of every step-th row of the area.
std::optional<Picture> grab(Display *display, Window window, const Area &area, int step = 1) {
    XImage *image = XGetImage(display, window, area.x, area.y, unsigned(area.width), unsigned(area.height),
                              AllPlanes, ZPixmap);
    if (!image)
        return std::nullopt;
    if (image->bits_per_pixel != 32) {
        XDestroyImage(image);
        fail("the probe reads 32-bit pixels only (run the server at depth 24)");
    }
    Picture picture;
    picture.pixels.reserve(std::size_t(area.width / step + 1) * std::size_t(area.height / step + 1));
    for (int y = 0; y < area.height; y += step) {
        const auto *row =
            reinterpret_cast<const std::uint32_t *>(image->data + std::ptrdiff_t(y) * image->bytes_per_line);
        for (int x = 0; x < area.width; x += step)
            picture.pixels.push_back(row[x] & 0xFFFFFFu);
    }
    XDestroyImage(image);
    return picture;
}

Area wholeWindow(Display *display, Window window) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes))
        return {};
    return {0, 0, attributes.width, attributes.height};
}

bool isDrawn(const Picture &picture) {
    if (picture.pixels.empty())
        return false;
    const auto black = std::count(picture.pixels.begin(), picture.pixels.end(), 0u);
    const bool oneColour = std::all_of(picture.pixels.begin(), picture.pixels.end(),
                                       [&](std::uint32_t p) { return p == picture.pixels.front(); });
    return black * 2 < std::ptrdiff_t(picture.pixels.size()) && !oneColour;
}

// Milliseconds from launch until the first content. Pixels are read (one in
// sixteen) after each drawing, and every 10 ms in case a drawing came before
// the watch did.
double awaitFirstContent(Display *display, Launch &launch) {
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (Clock::now() < deadline) {
        const Area area = wholeWindow(display, launch.window());
        const auto drawn = launch.awaitDrawing(area, Clock::now() + std::chrono::milliseconds(10));
        const auto seen = drawn.value_or(Clock::now());
        const std::optional<Picture> picture = grab(display, launch.window(), area, 4);
        if (picture && isDrawn(*picture))
            return millisecondsBetween(launch.started(), seen);
    }
    fail("the window showed nothing within 20 s");
}

void runStartup(Display *display, const Options &options) {
    Launch launch(display, options.program);
    const double firstContent = awaitFirstContent(display, launch);
    const double cpu = launch.cpuMilliseconds();
    std::this_thread::sleep_for(std::chrono::milliseconds(options.holdMs));
    const long peak = launch.end();
    std::printf("first_content_ms=%.3f cpu_ms=%.3f peak_rss_kib=%ld\n", firstContent, cpu, peak);
}

double percentile(std::vector<double> sorted, double fraction) {
    const auto at = std::size_t(fraction * double(sorted.size() - 1) + 0.5);
    return sorted[std::min(at, sorted.size() - 1)];
}

void runClicks(Display *display, const Options &options) {
    int xtestEvent = 0, xtestError = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &xtestEvent, &xtestError, &major, &minor))
        fail("the X server lacks the XTest extension");
    Launch launch(display, options.program);
    awaitFirstContent(display, launch);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    int originX = 0, originY = 0;
    Window child = 0;
    XTranslateCoordinates(display, launch.window(), DefaultRootWindow(display), 0, 0, &originX, &originY,
                          &child);

    std::vector<double> latencies;
    for (int i = 0; i < options.count; ++i) {
        const Point &at = options.points[std::size_t(i) % options.points.size()];
        XTestFakeMotionEvent(display, -1, originX + at.x, originY + at.y, CurrentTime);
        XSync(display, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const std::optional<Picture> before = grab(display, launch.window(), *options.watch);
        if (!before)
            fail("cannot read the watched area");

        launch.forgetDrawings();
        const auto pressed = Clock::now();
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XFlush(display);
        double latency = -1;
        const auto deadline = pressed + std::chrono::seconds(2);
        while (const auto drawn = launch.awaitDrawing(*options.watch, deadline)) {
            const std::optional<Picture> now = grab(display, launch.window(), *options.watch);
            if (now && !(*now == *before)) {
                latency = millisecondsBetween(pressed, *drawn);
                break;
            }
        }
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
        XSync(display, False);
        if (latency < 0) {
            std::fprintf(stderr, "window_probe: click %d at %d,%d changed nothing within 2 s\n", i + 1, at.x,
                         at.y);
            launch.end();
            std::exit(1);
        }
        latencies.push_back(latency);
        std::printf("%.3f\n", latency);
        // Apart by more than a double click's interval needs: none is meant.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    launch.end();
    std::sort(latencies.begin(), latencies.end());
    std::printf("clicks=%zu median_ms=%.3f p99_ms=%.3f max_ms=%.3f\n", latencies.size(),
                percentile(latencies, 0.5), percentile(latencies, 0.99), latencies.back());
}

} // namespace

int main(int argc, char *argv[]) {
    const Options options = parse(argc, argv);
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("cannot open the display (run under xvfb-run)");
    XSetErrorHandler(ignoreXErrors);
    if (options.mode == "startup")
        runStartup(display, options);
    else
        runClicks(display, options);
    XCloseDisplay(display);
    return 0;
}
