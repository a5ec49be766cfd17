// The temporary place of the texture bitmap (see TexturePlaces.h).
#include "base/win32/TexturePlaces.h"

#include <windows.h>

#include "base/win32/PlatformText.h"
#include "contract/SharedNames.h"

namespace velmora::win32 {

std::optional<base::PathForm> temporaryTexturePlace() {
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH) {
        return std::nullopt;
    }
    const std::string name = contract::kTextureFileName;
    std::optional<base::PathForm> place =
        ansiUsablePath(fromWide({folder, length}), MAX_PATH - 1 - name.size());
    if (place) {
        place->path += name;
        *place->ansi += name;
    }
    return place;
}

} // namespace velmora::win32
