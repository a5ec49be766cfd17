// The hack's event decisions (see HackEvents.h).
#include "renderer/x11/core/HackEvents.h"

namespace velmora::x11 {

HackAction decideHackEvent(const HackState& state, const HackEvent& event) {
    if (!event.onTarget) {
        return HackAction::Continue;
    }
    switch (event.kind) {
    case HackEventKind::SizeChanged:
        return event.width != state.width || event.height != state.height ? HackAction::Resize
                                                                          : HackAction::Continue;
    case HackEventKind::KeyPressed:
        // Under the daemon the keys are its own: it ends the hack when it unblanks.
        return state.ownWindow && event.key != HackKey::Other ? HackAction::End
                                                              : HackAction::Continue;
    case HackEventKind::CloseAsked:
        return state.ownWindow ? HackAction::End : HackAction::Continue;
    case HackEventKind::WindowDestroyed:
        return HackAction::WindowGone;
    case HackEventKind::Other:
        break;
    }
    return HackAction::Continue;
}

} // namespace velmora::x11
