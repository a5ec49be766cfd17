// The choice between a path's full and short form (see PathForm.h).
#include "base/PathForm.h"

namespace velmora::base {

namespace {

bool usable(const PathForm& form, size_t maxAnsiBytes) {
    return form.ansi && !form.ansi->empty() && form.ansi->size() <= maxAnsiBytes;
}

} // namespace

std::optional<PathForm> ansiUsableForm(const PathForm& full,
                                       const std::optional<PathForm>& short8dot3,
                                       size_t maxAnsiBytes) {
    if (usable(full, maxAnsiBytes)) {
        return full;
    }
    if (short8dot3 && usable(*short8dot3, maxAnsiBytes)) {
        return short8dot3;
    }
    return std::nullopt;
}

} // namespace velmora::base
