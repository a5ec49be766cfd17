// Encoders of the Windows picture files that the resources hold: 24-bit bitmaps, icons and
// cursors. Each returns the whole file, the same bytes for the same picture every time.
#pragma once

#include "tools/assetgen/Bytes.h"
#include "tools/assetgen/Picture.h"

namespace velmora::assetgen {

// An uncompressed 24-bit bitmap file: "BM" header, 40-byte information header, bottom-up rows
// padded to four bytes. Alpha is dropped.
Bytes encodeBitmapFile(const Picture& picture);

// A one-image icon file: a 32-bit image whose alpha is kept, with the matching AND mask
// (pixels of alpha below 128 are see-through).
Bytes encodeIconFile(const Picture& picture);

// A one-image cursor file laid out like the icon, with its hot spot.
Bytes encodeCursorFile(const Picture& picture, int hotX, int hotY);

} // namespace velmora::assetgen
