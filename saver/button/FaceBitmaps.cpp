// Loading the button's face bitmaps (see FaceBitmaps.h).
#include "saver/button/FaceBitmaps.h"

#include "saver/assets/AssetIds.h"
#include "saver/forms/Bitmaps.h"

namespace {

// In the order of ButtonFace.
constexpr std::array<int, 6> kResources = {IDB_FACE_NORMAL,          IDB_FACE_HIGHLIGHT,
                                           IDB_FACE_HIGHLIGHTSELECT, IDB_FACE_SELECTED,
                                           IDB_FACE_PRESSED,         IDB_FACE_DISABLE};

} // namespace

FaceBitmaps::FaceBitmaps() {
    for (size_t i = 0; i < kResources.size(); ++i) {
        bitmaps_[i] = loadBitmapResource(kResources[i]);
    }
}

FaceBitmaps::~FaceBitmaps() {
    for (HBITMAP bitmap : bitmaps_) {
        if (bitmap) {
            DeleteObject(bitmap);
        }
    }
}
