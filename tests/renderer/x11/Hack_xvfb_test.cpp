// The hack on a real X screen with Mesa's GL, 16 bits deep like the Windows renderer's mode: the
// shared scene drawn through the hack's context code, frame for frame the Windows one, and the
// program itself on a window of its own, on a foreign window, and at its ends (signal, close box,
// Escape, bad options, X error). Before the X headers, whose macros (None, Bool) clash with its
// names.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <GL/gl.h>
#include <GL/glx.h>

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

#include "renderer/scene/Scene.h"
#include "renderer/x11/HackWindow.h"
#include "renderer/x11/StarAsset.h"
#include "tests/support/BackBuffer.h"
#include "tests/support/FrameSignature.h"

extern char** environ;

namespace velmora::x11 {
namespace {

using namespace std::chrono_literals;

// A window of the kind a screensaver daemon makes: mapped, with a GL visual, not the hack's.
class ForeignWindow {
public:
    ForeignWindow(int width, int height) : display_(XOpenDisplay(nullptr)) {
        int attributes[] = {GLX_RGBA, GLX_DOUBLEBUFFER, None};
        XVisualInfo* visual = glXChooseVisual(display_, DefaultScreen(display_), attributes);
        const Window root = DefaultRootWindow(display_);
        XSetWindowAttributes set{};
        set.colormap = XCreateColormap(display_, root, visual->visual, AllocNone);
        window_ = XCreateWindow(display_, root, 0, 0, width, height, 0, visual->depth, InputOutput,
                                visual->visual, CWColormap, &set);
        XFree(visual);
        XMapWindow(display_, window_);
        XSync(display_, False);
    }
    ~ForeignWindow() {
        XDestroyWindow(display_, window_);
        XCloseDisplay(display_);
    }
    Display* display() const { return display_; }
    Window id() const { return window_; }

    // Pixels that are not black in the left and in the right half of the window.
    std::pair<int, int> litHalves() const {
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, window_, &attributes);
        XImage* image = XGetImage(display_, window_, 0, 0, attributes.width, attributes.height,
                                  AllPlanes, ZPixmap);
        std::pair<int, int> halves;
        for (int y = 0; y < attributes.height; ++y) {
            for (int x = 0; x < attributes.width; ++x) {
                const bool lit = XGetPixel(image, x, y) != 0;
                (x < attributes.width / 2 ? halves.first : halves.second) += lit ? 1 : 0;
            }
        }
        XDestroyImage(image);
        return halves;
    }

private:
    Display* display_;
    Window window_ = 0;
};

// The hack as a child process whose standard error is kept.
class HackProcess {
public:
    explicit HackProcess(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), VELMORA_HACK_PATH);
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        int pipeEnds[2];
        EXPECT_EQ(0, pipe(pipeEnds));
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 2);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        EXPECT_EQ(0, posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ));
        posix_spawn_file_actions_destroy(&actions);
        close(pipeEnds[1]);
        errors_ = pipeEnds[0];
    }
    ~HackProcess() {
        if (!exitCode_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
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
                std::this_thread::sleep_for(20ms);
            }
        }
        return exitCode_;
    }

    void signal(int number) const { kill(pid_, number); }

    // Everything written to standard error; only after the exit.
    std::string errors() const {
        std::string text;
        char block[512];
        for (ssize_t got; (got = read(errors_, block, sizeof block)) > 0;) {
            text.append(block, static_cast<std::size_t>(got));
        }
        return text;
    }

private:
    pid_t pid_ = 0;
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

constexpr int kSceneWidth = 256;
constexpr int kSceneHeight = 192;

// The hack's context on a foreign window of the scene's test size.
std::string openSceneWindow(const ForeignWindow& target, HackWindow& hack) {
    HackOptions options;
    options.target = DrawTarget::GivenWindow;
    options.windowId = target.id();
    return openHackWindow(options, hack);
}

// The angles and every particle's place after ten more frames.
std::vector<float> stateAfterTenFrames(scene::SceneState& scene) {
    for (int frame = 0; frame < 10; ++frame) {
        scene::drawScene(scene);
    }
    std::vector<float> state{scene.angles.x, scene.angles.y, scene.angles.z};
    for (std::int32_t i = 0; i < scene.particles->count(); ++i) {
        const scene::Vector3& at = scene.particles->particle(i).position;
        state.insert(state.end(), {at.x, at.y, at.z});
    }
    return state;
}

int litPixels(const std::vector<unsigned char>& pixels) {
    int lit = 0;
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        lit += std::max({pixels[i], pixels[i + 1], pixels[i + 2]}) > 8 ? 1 : 0;
    }
    return lit;
}

} // namespace

TEST(HackScene, FirstFrameIsBlackAndTheStreamSwingsIntoView) {
    ForeignWindow target(kSceneWidth, kSceneHeight);
    HackWindow hack;
    ASSERT_EQ("", openSceneWindow(target, hack));
    EXPECT_EQ(kSceneWidth, hack.width);
    scene::SceneState scene;
    scene::resizeScene(hack.width, hack.height);
    ASSERT_TRUE(scene::initScene(scene, *starPicture()));
    scene::drawScene(scene);
    EXPECT_EQ(0, litPixels(testing::readBackBuffer(kSceneWidth, kSceneHeight)));
    for (int frame = 2; frame <= 150; ++frame) {
        scene::drawScene(scene);
    }
    // The same frame as the Windows renderer's after as many steps.
    const std::vector<unsigned char> pixels = testing::readBackBuffer(kSceneWidth, kSceneHeight);
    EXPECT_GT(litPixels(pixels), kSceneWidth * kSceneHeight / 20);
    const testing::FrameSignature signature =
        testing::frameSignature(pixels, kSceneWidth, kSceneHeight);
    const testing::FrameSignature windows =
        testing::readSignatureFile(VELMORA_SOURCE_DIR "/tests/renderer/scene/SceneFrame150.txt");
    EXPECT_LE(testing::largestBlockDifference(signature, windows),
              testing::kSameFrameBlockDifference)
        << "this frame's signature:\n"
        << testing::signatureText(signature);
    scene::freeScene(scene);
    closeHackWindow(hack);
}

// Free gives the texture back and starts the animation over: a second start on the same state
// runs through the very same states.
TEST(HackScene, FreeReleasesTheTextureAndAnotherStartRepeatsTheFrames) {
    ForeignWindow target(kSceneWidth, kSceneHeight);
    HackWindow hack;
    ASSERT_EQ("", openSceneWindow(target, hack));
    scene::SceneState scene;
    scene::resizeScene(hack.width, hack.height);
    ASSERT_TRUE(scene::initScene(scene, *starPicture()));
    const unsigned int texture = scene.texture;
    EXPECT_TRUE(glIsTexture(texture));
    const std::vector<float> first = stateAfterTenFrames(scene);

    scene::freeScene(scene);
    EXPECT_FALSE(glIsTexture(texture));
    EXPECT_EQ(0u, scene.texture);
    EXPECT_EQ(nullptr, scene.particles);
    ASSERT_TRUE(scene::initScene(scene, *starPicture()));
    EXPECT_EQ(first, stateAfterTenFrames(scene));
    scene::freeScene(scene);
    closeHackWindow(hack);
}

TEST(HackProgram, DrawsOnAForeignWindowUntilSigterm) {
    ForeignWindow target(400, 150);
    HackProcess hack({"-window-id", std::to_string(target.id())});
    EXPECT_TRUE(waitForStarsAcross(target, 20s));
    hack.signal(SIGTERM);
    EXPECT_EQ(0, hack.waitForExit(5s));
    EXPECT_EQ("", hack.errors());
}

TEST(HackProgram, RootTakesTheDaemonsWindowAndSigintEndsIt) {
    ForeignWindow target(300, 300);
    setenv("XSCREENSAVER_WINDOW",
           ("0x" +
            [&] {
                char hex[32];
                std::snprintf(hex, sizeof hex, "%lx", target.id());
                return std::string(hex);
            }())
               .c_str(),
           1);
    HackProcess hack({"--root", "--fps"});
    unsetenv("XSCREENSAVER_WINDOW");
    EXPECT_TRUE(waitForStarsAcross(target, 20s));
    hack.signal(SIGINT);
    EXPECT_EQ(0, hack.waitForExit(5s));
}

TEST(HackProgram, OwnWindowEndsOnTheCloseBoxAndOnEscape) {
    Display* display = XOpenDisplay(nullptr);
    for (const bool escape : {false, true}) {
        HackProcess hack({});
        const std::optional<Window> window = findTitled(display, "Velmora", 20s);
        ASSERT_TRUE(window);
        XWindowAttributes attributes;
        XGetWindowAttributes(display, *window, &attributes);
        EXPECT_EQ(1024, attributes.width);
        EXPECT_EQ(768, attributes.height);
        XEvent event{};
        if (escape) {
            event.xkey.type = KeyPress;
            event.xkey.window = *window;
            event.xkey.keycode = XKeysymToKeycode(display, XK_Escape);
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
        EXPECT_EQ(0, hack.waitForExit(10s)) << (escape ? "Escape" : "close box");
    }
    XCloseDisplay(display);
}

TEST(HackProgram, BadOptionsAndXErrorsEndWithOneLine) {
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        const char* start;
    };
    const Case cases[] = {
        {{"-speed", "3"}, 1, "usage: velmora "},
        {{"-delay"}, 1, "usage: velmora "},
        // No window has this id on a fresh screen.
        {{"-window-id", "0x3ffffe"}, 1, "velmora: X error: BadWindow"},
    };
    for (const Case& c : cases) {
        HackProcess hack(c.arguments);
        EXPECT_EQ(c.exitCode, hack.waitForExit(10s)) << c.arguments[0];
        const std::string errors = hack.errors();
        EXPECT_TRUE(errors.starts_with(c.start)) << errors;
        EXPECT_EQ(1, std::count(errors.begin(), errors.end(), '\n')) << errors;
    }
}

} // namespace velmora::x11
