// The GL scene of the renderer: projection on size changes, one-time set-up and one frame.
// All three need the renderer's GL context to be current.
#pragma once

#include "renderer/scene/core/SceneLayout.h"

namespace velmora::scene {

// Viewport and projection for a client area of the given size.
void resizeScene(int width, int height);

// Viewport for a client area of the given size, under the given projection.
void viewScene(int width, int height, const Perspective& perspective);

// Loads the scene texture, sets the blending state and spawns the particles. False when the
// texture or the particles cannot be had.
bool initScene();

// The start on a client area of the given size, in the order of the Windows run: the viewport
// and projection of that size, then the set-up, whose start-up projection holds from then on.
bool startScene(int width, int height);

// Draws one frame and advances the animation by one step. Always true.
bool drawScene();

} // namespace velmora::scene
