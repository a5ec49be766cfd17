// Reading and writing the persisted properties of a custom control.
#include "saver/forms/core/PropertyBag.h"

namespace velmora::forms {

std::string PropertyBag::read(const std::string& key, const std::string& readDefault) const {
    const auto found = values_.find(key);
    return found == values_.end() ? readDefault : found->second;
}

void PropertyBag::write(const std::string& key, const std::string& value,
                        const std::string& writeDefault) {
    if (value == writeDefault) {
        values_.erase(key);
    } else {
        values_[key] = value;
    }
}

} // namespace velmora::forms
