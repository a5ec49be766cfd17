// The -fps figure: bitmap glyphs of an X font as GL display lists, drawn in window pixels.
#include "renderer/x11/FpsOverlay.h"

#include <GL/gl.h>
#include <GL/glx.h>

namespace velmora::x11 {

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
