// The asset files and their names; the resource script refers to the same names.
#include "tools/assetgen/AssetSet.h"

#include "tools/assetgen/DialogPictures.h"
#include "tools/assetgen/FacePictures.h"
#include "tools/assetgen/PictureFiles.h"
#include "tools/assetgen/PreviewPicture.h"
#include "tools/assetgen/StarPicture.h"

namespace {

const char* faceFileName(Face face) {
    switch (face) {
    case Face::Normal:
        return "face_normal.bmp";
    case Face::HighLight:
        return "face_highlight.bmp";
    case Face::HighLightSelect:
        return "face_highlightselect.bmp";
    case Face::Selected:
        return "face_selected.bmp";
    case Face::Pressed:
        return "face_pressed.bmp";
    case Face::Disable:
        return "face_disable.bmp";
    }
    return "";
}

} // namespace

std::vector<AssetFile> makeAssetFiles() {
    const Picture star = makeStarPicture();
    std::vector<AssetFile> files = {
        {"star.bmp", encodeBitmapFile(star)},
        {"preview.bmp", encodeBitmapFile(makePreviewPicture(star))},
        {"mark_off.bmp", encodeBitmapFile(makeMarkOffPicture())},
        {"mark_on.bmp", encodeBitmapFile(makeMarkOnPicture())},
        {"velmora.ico", encodeIconFile(makeIconPicture())},
        {"hand.cur", encodeCursorFile(makeHandPicture(), kHandHotX, kHandHotY)},
    };
    for (Face face : kAllFaces) {
        files.push_back({faceFileName(face), encodeBitmapFile(makeFacePicture(face))});
    }
    return files;
}
