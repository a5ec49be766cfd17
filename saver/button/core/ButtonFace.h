// The faces of the push button, one built-in bitmap each; the asset generator draws them and the
// button shows them, both in this order.
#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora::button {

enum class ButtonFace : uint8_t { Normal, HighLight, HighLightSelect, Selected, Pressed, Disable };
inline constexpr size_t kButtonFaceCount = 6;

} // namespace velmora::button
