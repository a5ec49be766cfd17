// What the hack draws: the scene on the embedded star under the hack's projection, and the -fps
// figure as bitmap glyphs of an X font turned into GL display lists, drawn in window pixels.
#include "renderer/x11/HackScene.h"

#include <GL/gl.h>
#include <GL/glx.h>

#include "renderer/bitmap/core/RgbBitmapFile.h"
#include "renderer/x11/core/HackView.h"

namespace velmora::x11 {

std::optional<bitmap::RgbImage> starPicture() {
    return bitmap::readRgbBitmapFile(starBitmapFile());
}

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

namespace {

constexpr int kFirstGlyph = 32;
constexpr int kGlyphCount = 96;
constexpr int kMargin = 10;

} // namespace

bool FpsOverlay::load(Display* display) {
    font_ = XLoadQueryFont(display, "fixed");
    if (!font_) {
        return false;
    }
    lists_ = glGenLists(kGlyphCount);
    glXUseXFont(font_->fid, kFirstGlyph, kGlyphCount, static_cast<int>(lists_));
    return true;
}

void FpsOverlay::release(Display* display) {
    if (font_) {
        glDeleteLists(lists_, kGlyphCount);
        XFreeFont(display, font_);
        font_ = nullptr;
    }
}

void FpsOverlay::draw(const std::string& text, int width, int height) const {
    if (!font_) {
        return;
    }
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LIST_BIT | GL_TRANSFORM_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, width, 0.0, height > 0 ? height : 1, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glColor3f(1.0f, 1.0f, 1.0f);
    glRasterPos2i(kMargin, kMargin + font_->descent);
    glListBase(lists_ - kFirstGlyph);
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
}

} // namespace velmora::x11
