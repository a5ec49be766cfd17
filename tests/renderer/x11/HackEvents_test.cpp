// Which X events end the hack, which tell it its window is gone and which resize it, on its own
// window and on one that the daemon or another program gave it.
#include "renderer/x11/core/HackEvents.h"

#include <gtest/gtest.h>

namespace velmora::x11 {
namespace {

struct Case {
    const char* name;
    bool ownWindow;
    HackEvent event;
    HackAction action;
};

constexpr HackEvent on(HackEventKind kind, HackKey key = HackKey::Other) {
    return {kind, true, 0, 0, key};
}

constexpr HackEvent sized(int width, int height, bool onTarget = true) {
    return {HackEventKind::SizeChanged, onTarget, width, height, HackKey::Other};
}

TEST(HackEvents, EachEventOnEachKindOfWindow) {
    const HackEvent elsewhere{HackEventKind::WindowDestroyed, false, 0, 0, HackKey::Other};
    const HackEvent escapeElsewhere{HackEventKind::KeyPressed, false, 0, 0, HackKey::Escape};
    const Case cases[] = {
        {"new size", false, sized(800, 600), HackAction::Resize},
        {"new width only", true, sized(1024, 600), HackAction::Resize},
        {"a move, same size", false, sized(1024, 768), HackAction::Continue},
        {"a child's size", false, sized(10, 10, false), HackAction::Continue},
        {"Escape, own window", true, on(HackEventKind::KeyPressed, HackKey::Escape),
         HackAction::End},
        {"q, own window", true, on(HackEventKind::KeyPressed, HackKey::Q), HackAction::End},
        {"another key, own window", true, on(HackEventKind::KeyPressed), HackAction::Continue},
        {"Escape, given window", false, on(HackEventKind::KeyPressed, HackKey::Escape),
         HackAction::Continue},
        {"q, given window", false, on(HackEventKind::KeyPressed, HackKey::Q), HackAction::Continue},
        {"Escape on another window", true, escapeElsewhere, HackAction::Continue},
        {"close box, own window", true, on(HackEventKind::CloseAsked), HackAction::End},
        {"close message, given window", false, on(HackEventKind::CloseAsked), HackAction::Continue},
        {"destroyed, given window", false, on(HackEventKind::WindowDestroyed),
         HackAction::WindowGone},
        {"destroyed, own window", true, on(HackEventKind::WindowDestroyed), HackAction::WindowGone},
        {"another window destroyed", false, elsewhere, HackAction::Continue},
        {"anything else", true, on(HackEventKind::Other), HackAction::Continue},
    };
    for (const Case& c : cases) {
        const HackState state{c.ownWindow, 1024, 768};
        EXPECT_EQ(c.action, decideHackEvent(state, c.event)) << c.name;
    }
}

} // namespace
} // namespace velmora::x11
