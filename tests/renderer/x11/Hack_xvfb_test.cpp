// The hack on a real X screen with Mesa's GL: the program itself on a window of its own, on a
// foreign window, and at its ends (signal, close box, Escape at any delay, bad options, X error),
// and its wait. Before the X headers, whose macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "contract/SharedNames.h"
#include "renderer/x11/HackEnds.h"
#include "renderer/x11/core/HackOptions.h"
#include "tests/renderer/x11/ForeignWindow.h"

extern char** environ;

namespace velmora::x11 {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;

// Everything left in a pipe; only after the writer has ended.
std::string drain(int pipeEnd) {
    std::string text;
    char block[512];
    for (ssize_t got; (got = read(pipeEnd, block, sizeof block)) > 0;) {
        text.append(block, static_cast<std::size_t>(got));
    }
    return text;
}

// The hack as a child process whose standard output and error are kept.
class HackProcess {
public:
    explicit HackProcess(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), VELMORA_HACK_PATH);
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        int output[2];
        int errors[2];
        EXPECT_EQ(0, pipe(output));
        EXPECT_EQ(0, pipe(errors));
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, output[1], 1);
        posix_spawn_file_actions_adddup2(&actions, errors[1], 2);
        posix_spawn_file_actions_addclose(&actions, output[0]);
        posix_spawn_file_actions_addclose(&actions, errors[0]);
        EXPECT_EQ(0, posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ));
        posix_spawn_file_actions_destroy(&actions);
        close(output[1]);
        close(errors[1]);
        output_ = output[0];
        errors_ = errors[0];
    }
    ~HackProcess() {
        if (!exitCode_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        close(output_);
        close(errors_);
    }

    // The exit code once the process ends within the time; -1 after a signal.
    std::optional<int> waitForExit(std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!exitCode_ && std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            } else {
                std::this_thread::sleep_for(1ms);
            }
        }
        return exitCode_;
    }

    void signal(int number) const { kill(pid_, number); }
    pid_t pid() const { return pid_; }

    // Everything written to standard output or error; only after the exit.
    std::string output() const { return drain(output_); }
    std::string errors() const { return drain(errors_); }

private:
    pid_t pid_ = 0;
    int output_ = -1;
    int errors_ = -1;
    std::optional<int> exitCode_;
};

// Waits until the window shows stars in both halves, the sign that the whole window is drawn.
bool waitForStarsAcross(const ForeignWindow& window, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        const auto [left, right] = window.litHalves();
        if (left > 100 && right > 100) {
            return true;
        }
        std::this_thread::sleep_for(100ms);
    }
    return false;
}

// The hack's own window, found by its title among the root's children.
std::optional<Window> findTitled(Display* display, const char* title, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
        std::optional<Window> found;
        for (unsigned int i = 0; i < count && !found; ++i) {
            char* name = nullptr;
            if (XFetchName(display, children[i], &name) && name) {
                found = std::string(name) == title ? std::optional(children[i]) : std::nullopt;
                XFree(name);
            }
        }
        XFree(children);
        if (found) {
            return found;
        }
        std::this_thread::sleep_for(50ms);
    }
    return std::nullopt;
}

} // namespace

// Sets an environment variable, or unsets it for nullptr, for the programs started meanwhile.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnvironment() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(HackProgram, DrawsOnAForeignWindowUntilSigterm) {
    ForeignWindow target(400, 150);
    HackProcess hack({"-window-id", std::to_string(target.id())});
    EXPECT_TRUE(waitForStarsAcross(target, 20s));
    hack.signal(SIGTERM);
    EXPECT_EQ(0, hack.waitForExit(5s));
    EXPECT_EQ("", hack.errors());
}

// Timed to the moment the hack lets go of the window (its connection closes, so its event
// choice goes): the sanitizers' build then spends a further 100 ms or so in the kernel, unmapping
// its shadow memory, which is no part of the program.
TEST(HackProgram, SigtermEndsItWithin100MillisecondsAtAnyDelay) {
    for (const std::string& delay : {std::to_string(kDefaultDelayMicroseconds), "10000000"s}) {
        ForeignWindow target(320, 240);
        HackProcess hack({"-window-id", target.hexId(), "-delay", delay});
        const auto limit = std::chrono::steady_clock::now() + 20s;
        while (!target.watchedByAnotherClient() && std::chrono::steady_clock::now() < limit) {
            std::this_thread::sleep_for(10ms);
        }
        // Past its set-up and into the frames, or in the wait of the longest delay.
        std::this_thread::sleep_for(1500ms);
        const auto sent = std::chrono::steady_clock::now();
        hack.signal(SIGTERM);
        while (target.watchedByAnotherClient() && std::chrono::steady_clock::now() < sent + 5s) {
            std::this_thread::sleep_for(1ms);
        }
        const auto took = std::chrono::steady_clock::now() - sent;
        EXPECT_EQ(0, hack.waitForExit(5s)) << delay;
        std::printf("-delay %s: SIGTERM to the window let go %lld ms\n", delay.c_str(),
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
        EXPECT_LT(took, 100ms) << delay;
    }
}

TEST(HackProgram, RootTakesTheDaemonsWindowAndSigintEndsIt) {
    ForeignWindow target(300, 300);
    std::optional<HackProcess> hack;
    {
        const ScopedEnvironment daemonWindow("XSCREENSAVER_WINDOW", target.hexId().c_str());
        hack.emplace(std::vector<std::string>{"--root", "--fps"});
    }
    EXPECT_TRUE(waitForStarsAcross(target, 20s));
    hack->signal(SIGINT);
    EXPECT_EQ(0, hack->waitForExit(5s));
}

TEST(HackProgram, EndsQuietlyWhenItsWindowIsDestroyed) {
    for (const std::string& delay : {std::to_string(kDefaultDelayMicroseconds), "0"s}) {
        ForeignWindow target(300, 200);
        HackProcess hack({"-window-id", target.hexId(), "-delay", delay});
        EXPECT_TRUE(waitForStarsAcross(target, 20s));
        target.destroy();
        EXPECT_EQ(0, hack.waitForExit(5s)) << delay;
        EXPECT_EQ("", hack.errors()) << delay;
    }
}

// A property of 32-bit items as longs; empty when the window lacks it.
std::vector<long> longProperty(Display* display, Window window, const char* name) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 32, False,
                       AnyPropertyType, &type, &format, &count, &after, &data);
    std::vector<long> items;
    if (data && format == 32) {
        const long* values = reinterpret_cast<const long*>(data);
        items.assign(values, values + count);
    }
    XFree(data);
    return items;
}

TEST(HackProgram, OwnWindowIsDescribedAndEndsOnTheCloseBoxEscapeAndQ) {
    Display* display = XOpenDisplay(nullptr);
    for (const KeySym key : {KeySym{NoSymbol}, KeySym{XK_Escape}, KeySym{XK_q}}) {
        HackProcess hack({});
        const std::optional<Window> window = findTitled(display, contract::kHackWindowTitle, 20s);
        ASSERT_TRUE(window);
        XWindowAttributes attributes;
        XGetWindowAttributes(display, *window, &attributes);
        EXPECT_EQ(1024, attributes.width);
        EXPECT_EQ(768, attributes.height);
        XClassHint kind{};
        ASSERT_TRUE(XGetClassHint(display, *window, &kind));
        EXPECT_STREQ("velmora", kind.res_name);
        EXPECT_STREQ("Velmora", kind.res_class);
        XFree(kind.res_name);
        XFree(kind.res_class);
        XSizeHints size{};
        long supplied = 0;
        ASSERT_TRUE(XGetWMNormalHints(display, *window, &size, &supplied));
        EXPECT_TRUE(size.flags & PSize);
        EXPECT_EQ(std::vector<long>{hack.pid()}, longProperty(display, *window, "_NET_WM_PID"));
        XEvent event{};
        if (key != NoSymbol) {
            event.xkey.type = KeyPress;
            event.xkey.window = *window;
            event.xkey.keycode = XKeysymToKeycode(display, key);
            XSendEvent(display, *window, False, KeyPressMask, &event);
        } else {
            event.xclient.type = ClientMessage;
            event.xclient.window = *window;
            event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
            event.xclient.format = 32;
            event.xclient.data.l[0] =
                static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
            XSendEvent(display, *window, False, NoEventMask, &event);
        }
        XFlush(display);
        EXPECT_EQ(0, hack.waitForExit(10s)) << key;
        EXPECT_EQ("", hack.errors()) << key;
    }
    XCloseDisplay(display);
}

// An event that Xlib read in with a reply sits in its queue, not on the socket: the wait must
// not sleep over it.
TEST(HackWait, AnEventAlreadyQueuedEndsTheWaitAtOnce) {
    Display* display = XOpenDisplay(nullptr);
    XEvent event{};
    event.xkey.type = KeyPress;
    XPutBackEvent(display, &event);
    const auto start = std::chrono::steady_clock::now();
    awaitWake(display, 5000);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 100ms);
    XCloseDisplay(display);
}

// Taps from the moment the window appears, through the start-up and the first frame, into the
// ten-second wait: every one ends the hack long before the next frame would be due.
TEST(HackProgram, EscapeEndsItPromptlyAtTheLongestDelay) {
    Display* display = XOpenDisplay(nullptr);
    for (int offsetMs = 0; offsetMs < 500; offsetMs += 50) {
        HackProcess hack({"-delay", "10000000"});
        const std::optional<Window> window = findTitled(display, contract::kHackWindowTitle, 20s);
        ASSERT_TRUE(window);
        std::this_thread::sleep_for(std::chrono::milliseconds(offsetMs));
        const auto tapped = std::chrono::steady_clock::now();
        for (const int type : {KeyPress, KeyRelease}) {
            XEvent event{};
            event.xkey.type = type;
            event.xkey.window = *window;
            event.xkey.keycode = XKeysymToKeycode(display, XK_Escape);
            XSendEvent(display, *window, False, KeyPressMask | KeyReleaseMask, &event);
        }
        XFlush(display);
        EXPECT_EQ(0, hack.waitForExit(10s)) << offsetMs;
        const auto took = std::chrono::steady_clock::now() - tapped;
        std::printf("Escape %d ms after the window appeared: ended in %lld ms\n", offsetMs,
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
        EXPECT_LT(took, 5s) << offsetMs;
    }
    XCloseDisplay(display);
}

TEST(HackProgram, HelpAndVersionGoToStandardOutput) {
    HackProcess help({"--help"});
    EXPECT_EQ(0, help.waitForExit(10s));
    const std::string listed = help.output();
    EXPECT_TRUE(listed.starts_with("usage: velmora ")) << listed;
    EXPECT_EQ(hackHelp(), listed);
    HackProcess version({"--version"});
    EXPECT_EQ(0, version.waitForExit(10s));
    EXPECT_EQ("velmora " VELMORA_VERSION "\n", version.output());
}

TEST(HackProgram, FaultsEndWithOneLineNamingThem) {
    struct Case {
        std::vector<std::string> arguments;
        const char* variable;
        const char* value;
        const char* line;
    };
    const Case cases[] = {
        {{"-speed", "3"}, nullptr, nullptr, "velmora: -speed: unknown option (see -help)\n"},
        {{"-delay", "abc"},
         nullptr,
         nullptr,
         "velmora: -delay: \"abc\" is not a number of microseconds\n"},
        {{"-root"},
         "XSCREENSAVER_WINDOW",
         "junk",
         "velmora: XSCREENSAVER_WINDOW: \"junk\" is not a window id (decimal, or hexadecimal "
         "after 0x)\n"},
        {{}, "DISPLAY", nullptr, "velmora: no DISPLAY set\n"},
        {{}, "DISPLAY", ":4095", "velmora: cannot open display \":4095\"\n"},
        // No window has this id on a fresh screen.
        {{"-window-id", "0x3ffffe"}, nullptr, nullptr, "velmora: X error: BadWindow"},
    };
    for (const Case& c : cases) {
        std::optional<HackProcess> hack;
        {
            std::optional<ScopedEnvironment> environment;
            if (c.variable) {
                environment.emplace(c.variable, c.value);
            }
            hack.emplace(c.arguments);
        }
        EXPECT_EQ(1, hack->waitForExit(10s)) << c.line;
        const std::string errors = hack->errors();
        EXPECT_TRUE(errors.starts_with(c.line)) << errors;
        EXPECT_EQ(1, std::count(errors.begin(), errors.end(), '\n')) << errors;
    }
}

} // namespace velmora::x11
