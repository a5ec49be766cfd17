// Entry of velmora, the starfield as an XScreenSaver hack: reads the options, draws the scene on
// the chosen window at the pace of -delay until a signal, Escape, q, the close box or the
// window's end, and releases the context before it exits.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

#include "base/Clock.h"
#include "renderer/scene/Scene.h"
#include "renderer/window/core/FramePacer.h"
#include "renderer/x11/HackEnds.h"
#include "renderer/x11/HackScene.h"
#include "renderer/x11/HackWindow.h"
#include "renderer/x11/core/HackOptions.h"
#include "renderer/x11/core/HackView.h"

namespace velmora::x11 {
namespace {

// Takes the waiting events; true when one of them ends the run.
bool takeEvents(HackWindow& hack) {
    while (XPending(hack.display) > 0) {
        XEvent event;
        XNextEvent(hack.display, &event);
        switch (decideHackEvent(hackState(hack), describeEvent(hack, event))) {
        case HackAction::Resize:
            hack.width = event.xconfigure.width;
            hack.height = event.xconfigure.height;
            viewHackScene(hack.width, hack.height);
            break;
        case HackAction::End:
            return true;
        case HackAction::WindowGone:
            markDrawnWindowGone();
            return true;
        case HackAction::Continue:
            break;
        }
    }
    return false;
}

void runFrames(HackWindow& hack, scene::SceneState& scene, const HackOptions& options,
               const FpsOverlay& overlay) {
    base::SteadyClock clock;
    window::FramePacer pacer(clock, static_cast<double>(options.delayMicroseconds) / 1000.0);
    FpsFigure figure;
    while (!stopRequested() && !takeEvents(hack) && !drawnWindowGone()) {
        if (pacer.msUntilDue() == 0) {
            pacer.frameStarts();
            beginStoppableFrame(ConnectionNumber(hack.display));
            scene::drawScene(scene);
            if (options.showFps) {
                figure.frame(clock.nowMs() / 1000.0);
                overlay.draw(figure.text(), hack.width, hack.height);
            }
            showFrame(hack);
            endStoppableFrame();
        }
        awaitWake(hack.display, pacer.msUntilDue());
    }
}

int run(const HackOptions& options) {
    exitOnXErrors();
    HackWindow hack;
    scene::SceneState scene;
    std::string failure = openHackWindow(options, hack);
    if (failure.empty()) {
        watchDrawnWindow(hack.window, hack.glxErrorBase);
        if (!startHackScene(scene, hack.width, hack.height)) {
            failure = "the scene cannot be set up";
        }
    }
    FpsOverlay overlay;
    if (failure.empty() && options.showFps && !overlay.load(hack.display)) {
        failure = "the font \"fixed\" for -fps is missing";
    }
    if (failure.empty()) {
        runFrames(hack, scene, options, overlay);
    }
    overlay.release(hack.display);
    // While the context is still current, which holds the texture.
    scene::freeScene(scene);
    closeHackWindow(hack);
    if (!failure.empty()) {
        std::fprintf(stderr, "velmora: %s\n", failure.c_str());
        return 1;
    }
    return 0;
}

} // namespace
} // namespace velmora::x11

int main(int argc, char** argv) {
    using namespace velmora::x11;
    holdStopSignals();
    const char* daemonWindow = std::getenv("XSCREENSAVER_WINDOW");
    const ParsedOptions parsed = parseHackOptions(
        std::vector<std::string_view>(argv + 1, argv + argc),
        daemonWindow ? std::optional<std::string_view>(daemonWindow) : std::nullopt);
    if (!parsed.refusal.empty()) {
        std::fprintf(stderr, "velmora: %s\n", parsed.refusal.c_str());
        return 1;
    }
    switch (parsed.options.request) {
    case HackRequest::ShowHelp:
        std::fputs(hackHelp().c_str(), stdout);
        return 0;
    case HackRequest::ShowVersion:
        std::printf("velmora %s\n", VELMORA_VERSION);
        return 0;
    case HackRequest::Run:
        break;
    }
    return run(parsed.options);
}
