// What the hack shows: the Windows start-up projection on every 4:3 window, widened or narrowed
// with the window's shape and nothing else on the others; the -fps figure over whole seconds.
#include "renderer/x11/core/HackView.h"

#include <gtest/gtest.h>

namespace velmora::x11 {
namespace {

TEST(HackView, TheStartUpProjectionScaledToTheWindowsShape) {
    struct Case {
        int width;
        int height;
        double aspect;
    };
    const Case cases[] = {
        {1024, 768, 1.0}, {256, 192, 1.0},      {800, 600, 1.0}, {1920, 1080, 4.0 / 3.0},
        {768, 768, 0.75}, {1280, 1024, 0.9375}, {300, 0, 225.0},
    };
    const scene::Perspective startup = scene::startupPerspective();
    for (const Case& c : cases) {
        const scene::Perspective view = hackPerspective(c.width, c.height);
        // Exact: a 4:3 window must draw the very frame of the Windows run.
        EXPECT_DOUBLE_EQ(c.aspect, view.aspect) << c.width << " x " << c.height;
        EXPECT_EQ(startup.fieldOfView, view.fieldOfView);
        EXPECT_EQ(startup.nearPlane, view.nearPlane);
        EXPECT_EQ(startup.farPlane, view.farPlane);
    }
    EXPECT_EQ(startup.aspect, hackPerspective(640, 480).aspect);
}

TEST(FpsFigure, FigureChangesOncePerSecond) {
    FpsFigure rate;
    rate.frame(10.0);
    for (int i = 1; i <= 59; ++i) {
        rate.frame(10.0 + i / 60.0);
    }
    EXPECT_EQ("FPS: -", rate.text());
    rate.frame(11.0);
    EXPECT_EQ("FPS: 60.0", rate.text());
    rate.frame(11.5);
    EXPECT_EQ("FPS: 60.0", rate.text());
    rate.frame(12.25);
    EXPECT_EQ("FPS: 1.6", rate.text());
}

} // namespace
} // namespace velmora::x11
