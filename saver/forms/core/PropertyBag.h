// The persisted properties of a custom control, as its container stores them with the form:
// text keys and text values, where a value equal to its write default is simply left out.
#pragma once

#include <map>
#include <string>

namespace velmora::forms {

class PropertyBag {
public:
    // The stored value of key, or readDefault when the key was never stored.
    std::string read(const std::string& key, const std::string& readDefault) const {
        const auto found = values_.find(key);
        return found == values_.end() ? readDefault : found->second;
    }

    // Stores value under key; a value equal to writeDefault removes the key instead, so that a
    // later change of the default reaches every control still at its default.
    void write(const std::string& key, const std::string& value, const std::string& writeDefault) {
        if (value == writeDefault) {
            values_.erase(key);
        } else {
            values_[key] = value;
        }
    }

    bool contains(const std::string& key) const { return values_.contains(key); }
    bool empty() const { return values_.empty(); }
    const std::map<std::string, std::string>& entries() const { return values_; }

private:
    std::map<std::string, std::string> values_;
};

} // namespace velmora::forms
