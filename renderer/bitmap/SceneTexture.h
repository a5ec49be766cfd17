// The scene texture: the one GL texture every particle shows, made once from the texture bitmap.
#pragma once

// Makes the scene texture from the texture bitmap; needs a current GL context. False when there
// is no bitmap or it cannot be read (the reader has then shown its message).
bool loadSceneTexture();

// The GL name of the scene texture, 0 before it is made.
unsigned int sceneTextureName();
