// Platform fonts from font designs (see FontDesign.h).
#include "saver/forms/FontDesign.h"

#include "saver/forms/Screen.h"
#include "saver/forms/core/DesignFont.h"
#include "saver/forms/core/FontSize.h"
#include "saver/text/AnsiText.h"

static_assert(kDesignFont.charset == SHIFTJIS_CHARSET && kDesignFont.weight == FW_NORMAL);

FontDesign japaneseUiFont() {
    return {kDesignFont.face, kDesignFont.points, kDesignFont.charset, kDesignFont.weight, false};
}

HFONT createFont(const FontDesign& design) {
    // A negative height asks for the character height, not the cell height, as point sizes mean.
    const int height = -fontPixelHeight(design.points, screenTwipsPerPixelY());
    return CreateFontW(height, 0, 0, 0, design.weight, FALSE, design.underline ? TRUE : FALSE,
                       FALSE, static_cast<DWORD>(design.charset), OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       velmora::text::toWide(design.face).c_str());
}
