// Times a program's start: the milliseconds from just before it is started to the moment the
// X server maps its first top-level window whose title begins with a given text, or with
// --painted to the first drawing into that window after it is mapped (the damage the server
// reports for it). The program is killed afterwards.
//
//   window_shown_timer [--painted] TITLE_PREFIX PROGRAM [ARGUMENT...]

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kGiveUpAfter = std::chrono::seconds(30);

std::string Property(Display* display, Window window, Atom name) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, AnyPropertyType, &type, &format,
                           &count, &remaining, &data) != Success ||
        data == nullptr) {
        return {};
    }
    std::string text(reinterpret_cast<const char*>(data), format == 8 ? count : 0);
    XFree(data);
    return text;
}

std::string TitleOf(Display* display, Window window) {
    std::string title = Property(display, window, XInternAtom(display, "_NET_WM_NAME", False));
    return title.empty() ? Property(display, window, XA_WM_NAME) : title;
}

// A window may be gone by the time its title is asked for; that window is simply not the one.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

bool WaitForEvent(Display* display, Clock::time_point deadline) {
    if (XPending(display) > 0) {
        return true;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    return left.count() > 0 && poll(&connection, 1, static_cast<int>(left.count())) > 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool painted = argc > 1 && std::string(argv[1]) == "--painted";
    argv += painted ? 1 : 0;
    argc -= painted ? 1 : 0;
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s [--painted] TITLE_PREFIX PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const std::string prefix = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    int damageEvent = 0;
    int damageError = 0;
    if (painted && !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the X server reports no damage\n");
        return 1;
    }
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[2], argv + 2);
        _exit(127);
    }
    int status = 1;
    const Clock::time_point deadline = start + kGiveUpAfter;
    bool mapped = false;
    while (WaitForEvent(display, deadline)) {
        XEvent event;
        XNextEvent(display, &event);
        if (!mapped && event.type == MapNotify &&
            TitleOf(display, event.xmap.window).rfind(prefix, 0) == 0) {
            mapped = true;
            // Drawing starts only once the program has been told that the window is visible,
            // which happens after this notice; watching from here misses none of it.
            if (painted) {
                XDamageCreate(display, event.xmap.window, XDamageReportNonEmpty);
            }
        }
        const bool done = painted ? event.type == damageEvent + XDamageNotify : mapped;
        if (done) {
            const std::chrono::duration<double, std::milli> shown = Clock::now() - start;
            std::printf("%.1f\n", shown.count());
            status = 0;
            break;
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return status;
}
