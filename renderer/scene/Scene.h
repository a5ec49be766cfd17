// The GL scene of the renderer: projection on size changes, one-time set-up and one frame.
// All three need the renderer's GL context to be current.
#pragma once

namespace velmora::scene {

// Viewport and projection for a client area of the given size.
void resizeScene(int width, int height);

// Loads the scene texture, sets the blending state and spawns the particles. False when the
// texture or the particles cannot be had.
bool initScene();

// Draws one frame and advances the animation by one step. Always true.
bool drawScene();

} // namespace velmora::scene
