// The asset files and their names; the resource script refers to the same names.
#include "tools/assetgen/AssetSet.h"

#include "tools/assetgen/DialogPictures.h"
#include "tools/assetgen/FacePictures.h"
#include "tools/assetgen/PictureFiles.h"
#include "tools/assetgen/PreviewPicture.h"
#include "tools/assetgen/StarPicture.h"

namespace velmora::assetgen {

using button::ButtonFace;

namespace {

struct FaceFile {
    ButtonFace face;
    const char* name;
};

constexpr FaceFile kFaceFiles[] = {
    {ButtonFace::Normal, "face_normal.bmp"},
    {ButtonFace::HighLight, "face_highlight.bmp"},
    {ButtonFace::HighLightSelect, "face_highlightselect.bmp"},
    {ButtonFace::Selected, "face_selected.bmp"},
    {ButtonFace::Pressed, "face_pressed.bmp"},
    {ButtonFace::Disable, "face_disable.bmp"},
};

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
    for (const FaceFile& f : kFaceFiles) {
        files.push_back({f.name, encodeBitmapFile(makeFacePicture(f.face))});
    }
    return files;
}

} // namespace velmora::assetgen
