// Entry of velmora, the starfield as an XScreenSaver hack: reads the options, draws the scene on
// the chosen window one frame per period until a signal, Escape or the close box, and releases
// the context before it exits.
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <GL/gl.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include "renderer/scene/Scene.h"
#include "renderer/x11/FpsOverlay.h"
#include "renderer/x11/HackWindow.h"
#include "renderer/x11/StarAsset.h"
#include "renderer/x11/XErrorLine.h"
#include "renderer/x11/core/FrameRate.h"
#include "renderer/x11/core/HackOptions.h"

namespace velmora::x11 {
namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

void stopOnSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

// Takes the waiting events; false when the user closed the own window.
bool takeEvents(HackWindow& hack) {
    while (XPending(hack.display) > 0) {
        XEvent event;
        XNextEvent(hack.display, &event);
        if (event.type == ConfigureNotify && event.xconfigure.window == hack.window &&
            (event.xconfigure.width != hack.width || event.xconfigure.height != hack.height)) {
            hack.width = event.xconfigure.width;
            hack.height = event.xconfigure.height;
            scene::resizeScene(hack.width, hack.height);
        } else if (hack.own && event.type == KeyPress &&
                   XLookupKeysym(&event.xkey, 0) == XK_Escape) {
            return false;
        } else if (hack.own && event.type == ClientMessage &&
                   static_cast<Atom>(event.xclient.data.l[0]) == hack.deleteWindow) {
            return false;
        }
    }
    return true;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void runFrames(HackWindow& hack, scene::SceneState& scene, const HackOptions& options,
               const FpsOverlay& overlay) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    FrameRate rate;
    while (!stopRequested && takeEvents(hack)) {
        const Clock::time_point frameStart = Clock::now();
        scene::drawScene(scene);
        if (options.showFps) {
            rate.frame(secondsSince(start));
            overlay.draw(rate.text(), hack.width, hack.height);
        }
        showFrame(hack);
        const long elapsed = static_cast<long>(
            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - frameStart)
                .count());
        // A signal during the wait only ends it early; the loop then stops.
        std::this_thread::sleep_for(std::chrono::microseconds(
            microsecondsBeforeNextFrame(elapsed, options.delayMicroseconds)));
    }
}

} // namespace
} // namespace velmora::x11

int main(int argc, char** argv) {
    using namespace velmora::x11;
    const std::optional<HackOptions> options =
        parseHackOptions(std::vector<std::string_view>(argv + 1, argv + argc));
    if (!options) {
        std::fprintf(stderr, "%s\n", kHackUsage.data());
        return 1;
    }
    stopOnSignals();
    exitOnXErrors();
    HackWindow hack;
    velmora::scene::SceneState scene;
    std::string failure = openHackWindow(*options, hack);
    if (failure.empty()) {
        // As on Windows: the projection of the first size holds until the size changes.
        velmora::scene::resizeScene(hack.width, hack.height);
        const std::optional<velmora::bitmap::RgbImage> star = starPicture();
        if (!star || !velmora::scene::initScene(scene, *star)) {
            failure = "the scene cannot be set up";
        }
    }
    FpsOverlay overlay;
    if (failure.empty() && options->showFps && !overlay.load(hack.display)) {
        failure = "the font \"fixed\" for -fps is missing";
    }
    if (failure.empty()) {
        runFrames(hack, scene, *options, overlay);
    }
    overlay.release(hack.display);
    // While the context is still current, which holds the texture.
    velmora::scene::freeScene(scene);
    closeHackWindow(hack);
    if (!failure.empty()) {
        std::fprintf(stderr, "velmora: %s\n", failure.c_str());
        return 1;
    }
    return 0;
}
