// The persisted text form of a font and the colour value check.
#include "saver/button/core/Caption.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace velmora::button {

namespace {

constexpr uint32_t kSystemColourCount = 31; // the system colour indices 0 to 30
constexpr size_t kNumberFields = 6;
constexpr double kLargestSize = 2048.0; // points
constexpr int kHeaviestWeight = 1000;

bool parseInt(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool parseFlag(std::string_view text, bool& flag) {
    int value = 0;
    if (!parseInt(text, value) || (value != 0 && value != 1)) {
        return false;
    }
    flag = value == 1;
    return true;
}

// A stored size far beyond any font would overflow the pixel height made from it.
bool parseSize(std::string_view text, double& size) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    return error == std::errc() && end == text.data() + text.size() && size > 0.0 &&
           size <= kLargestSize;
}

bool parseWeight(std::string_view text, int& weight) {
    return parseInt(text, weight) && weight >= 0 && weight <= kHeaviestWeight;
}

} // namespace

std::string fontToText(const forms::FontDesign& font) {
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, "%g,%d,%d,%d,%d,%d,", font.size, font.charset,
                  font.weight, font.italic ? 1 : 0, font.underline ? 1 : 0,
                  font.strikethrough ? 1 : 0);
    return numbers + font.name;
}

std::optional<forms::FontDesign> fontFromText(std::string_view text) {
    std::vector<std::string_view> fields;
    while (fields.size() < kNumberFields) {
        const size_t comma = text.find(',');
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        fields.push_back(text.substr(0, comma));
        text.remove_prefix(comma + 1);
    }
    forms::FontDesign font;
    font.name = std::string(text);
    if (font.name.empty() || !parseSize(fields[0], font.size) ||
        !parseInt(fields[1], font.charset) || !parseWeight(fields[2], font.weight) ||
        !parseFlag(fields[3], font.italic) || !parseFlag(fields[4], font.underline) ||
        !parseFlag(fields[5], font.strikethrough)) {
        return std::nullopt;
    }
    return font;
}

bool isValidColour(uint32_t colour) {
    if ((colour & 0xFF000000u) == 0) {
        return true;
    }
    return (colour & kSystemColourFlag) != 0 && (colour & ~kSystemColourFlag) < kSystemColourCount;
}

} // namespace velmora::button
