// Numbers read from and written to text the way the saver's settings file and command line have
// always held them: the rules of the classic BASIC runtime, made safe against out-of-range input.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::text {

// The value of a text that is a number as a whole: optional surrounding blanks, a sign, digits
// with an optional decimal point and exponent (E or D), or an &H / &O number. Anything else,
// including an empty text or a value too large for a double, is no number.
std::optional<double> numberValue(std::string_view text);
inline bool isNumber(std::string_view text) {
    return numberValue(text).has_value();
}

// The largest integer not above the text's value, as a 16-bit setting; 0 when the text is empty,
// no number, or its integer lies outside -32768..32767.
int16_t floorToInt16(std::string_view text);

// A typed number as a 16-bit setting, rounded to the nearest integer with halves to the even
// neighbour; 0 when the text is no number or the result lies outside -32768..32767.
int16_t roundToInt16(std::string_view text);

// The decimal form that puts a blank before zero and positive numbers: " 2", " 0", "-1".
std::string blankLedText(int32_t value);

// The "##" pattern: the decimal digits, with 0 giving an empty text.
std::string hashHashText(int32_t value);

// The value of the number at the start of a text: blanks, tabs and line feeds are ignored
// wherever they stand, &H / &O read hexadecimal or octal, reading stops at the first character
// that cannot continue the number, and no number gives 0.
double leadingNumber(std::string_view text);

} // namespace velmora::text
