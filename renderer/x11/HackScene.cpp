// The scene's start and view on the hack's window.
#include "renderer/x11/HackScene.h"

#include "renderer/x11/StarAsset.h"
#include "renderer/x11/core/HackView.h"

namespace velmora::x11 {

bool startHackScene(scene::SceneState& scene, int width, int height) {
    const std::optional<bitmap::RgbImage> star = starPicture();
    if (!star || !scene::startScene(scene, *star, width, height)) {
        return false;
    }
    viewHackScene(width, height);
    return true;
}

void viewHackScene(int width, int height) {
    scene::viewScene(width, height, hackPerspective(width, height));
}

} // namespace velmora::x11
