// The six face bitmaps of the button, loaded from the program's resources.
#pragma once

#include <windows.h>

#include <array>

#include "saver/button/core/ButtonState.h"

class FaceBitmaps {
public:
    FaceBitmaps();
    ~FaceBitmaps();
    FaceBitmaps(const FaceBitmaps&) = delete;
    FaceBitmaps& operator=(const FaceBitmaps&) = delete;

    // Null when the program holds no such picture.
    HBITMAP operator[](velmora::button::ButtonFace face) const {
        return bitmaps_[static_cast<size_t>(face)];
    }

private:
    std::array<HBITMAP, 6> bitmaps_{};
};
