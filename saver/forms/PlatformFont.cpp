// Platform fonts from font designs (see PlatformFont.h).
#include "saver/forms/PlatformFont.h"

#include "base/win32/PlatformText.h"
#include "saver/forms/Screen.h"
#include "saver/forms/core/FontSize.h"

namespace velmora::forms {

HFONT createFont(const FontDesign& design) {
    LOGFONTW font{};
    // A negative height asks for the character height, not the cell height, as point sizes mean.
    font.lfHeight = -fontPixelHeight(design.size, screenTwipsPerPixelY());
    font.lfWeight = design.weight;
    font.lfItalic = design.italic;
    font.lfUnderline = design.underline;
    font.lfStrikeOut = design.strikethrough;
    font.lfCharSet = static_cast<BYTE>(design.charset);
    const std::wstring name = win32::toWide(design.name);
    lstrcpynW(font.lfFaceName, name.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

} // namespace velmora::forms
