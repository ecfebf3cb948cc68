// Whole-process start-up time: from spawning a program to its first window showing painted
// content on the X display (DISPLAY). Prints the milliseconds on one line.
//
//   startup_first_frame PROGRAM [ARGS...]
//
// It watches the root window for the first top-level window the program maps, then reads that
// window's pixels until they hold more than one colour (its first frame has been drawn). Run it
// on an otherwise idle display with a plain root (Xvfb -br), as bench/startup/measure.sh does.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

int ignoreErrors(Display*, XErrorEvent*) { return 0; } // the window may vanish while we look

bool painted(Display* dpy, Window w)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(dpy, w, &a) || a.map_state != IsViewable || a.width < 2 || a.height < 2)
        return false;
    XImage* image = XGetImage(dpy, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    if (!image)
        return false;
    std::set<unsigned long> colours;
    const int step = 3;
    for (int y = 0; y < a.height && colours.size() < 2; y += step)
        for (int x = 0; x < a.width && colours.size() < 2; x += step)
            colours.insert(XGetPixel(image, x, y));
    XDestroyImage(image);
    return colours.size() >= 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::perror("posix_spawn");
        return 2;
    }
    auto elapsedMs = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    const double timeoutMs = 30000;
    Window shown = 0;
    double result = -1;
    while (elapsedMs() < timeoutMs) {
        while (!shown && XPending(dpy)) {
            XEvent e;
            XNextEvent(dpy, &e);
            if (e.type == MapNotify && !e.xmap.override_redirect)
                shown = e.xmap.window;
        }
        if (shown && painted(dpy, shown)) {
            result = elapsedMs();
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "the program ended before it showed a window\n");
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(300));
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(dpy);
    if (result < 0) {
        std::fprintf(stderr, "no painted window within %.0f ms\n", timeoutMs);
        return 1;
    }
    std::printf("%.1f\n", result);
    return 0;
}
