// Numeric text in the manner of the classic BASIC runtime: the whole-text test, the leading-number
// reader and the integer conversions the settings and the command line rely on.
#include "saver/text/core/VbNumber.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace velmora::text {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The value of a hexadecimal digit in either case; 99 for any other character.
int digitValue(char c) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    const size_t at = kDigits.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    return at == std::string_view::npos ? 99 : static_cast<int>(at);
}

int radixOf(char marker) {
    if (marker == 'H' || marker == 'h') {
        return 16;
    }
    if (marker == 'O' || marker == 'o') {
        return 8;
    }
    return 0;
}

struct Scan {
    double value = 0;
    size_t length = 0; // characters taken; 0 when no number starts here
};

// "&H1F" or "&O17" at the start of the text. Up to four hex digits' worth wraps as a 16-bit
// value and up to eight as a 32-bit one, so &HFFFF is -1 as the runtime has it; a larger value
// is returned unwrapped so that callers see it out of range.
Scan scanRadix(std::string_view text) {
    if (text.size() < 3 || text[0] != '&') {
        return {};
    }
    const int radix = radixOf(text[1]);
    if (radix == 0) {
        return {};
    }
    size_t pos = 2;
    double magnitude = 0;
    while (pos < text.size() && digitValue(text[pos]) < radix) {
        magnitude = magnitude * radix + digitValue(text[pos]);
        ++pos;
    }
    if (pos == 2) {
        return {};
    }
    double value = magnitude;
    if (magnitude <= 0xFFFF) {
        value = magnitude > 0x7FFF ? magnitude - 0x10000 : magnitude;
    } else if (magnitude <= 0xFFFFFFFFu) {
        value = magnitude > 0x7FFFFFFF ? magnitude - 4294967296.0 : magnitude;
    }
    return {value, pos};
}

size_t skipDigits(std::string_view text, size_t pos) {
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        ++pos;
    }
    return pos;
}

// Whether a decimal text out of the double range overflows rather than underflows: a negative
// exponent, or digits only after the point, make it tiny.
bool tooLarge(const std::string& plain) {
    const size_t exponent = plain.find('e');
    if (exponent != std::string::npos) {
        return plain[exponent + 1] != '-';
    }
    return plain.substr(0, plain.find('.')).find_first_not_of('0') != std::string::npos;
}

// The longest decimal number at the start of the text: sign, digits, point, exponent. A
// dangling exponent ("1E") is not taken. An overflow gives an infinite value.
Scan scanDecimal(std::string_view text) {
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const size_t mantissaStart = pos;
    pos = skipDigits(text, pos);
    size_t digits = pos - mantissaStart;
    if (pos < text.size() && text[pos] == '.') {
        const size_t afterPoint = skipDigits(text, pos + 1);
        digits += afterPoint - pos - 1;
        pos = afterPoint;
    }
    if (digits == 0) {
        return {};
    }
    std::string plain(text.substr(mantissaStart, pos - mantissaStart));
    if (pos < text.size() && std::string_view("EeDd").find(text[pos]) != std::string_view::npos) {
        size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent) {
            plain += 'e';
            plain += text.substr(pos + 1, exponentEnd - pos - 1);
            pos = exponentEnd;
        }
    }
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = tooLarge(plain) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return {negative ? -value : value, pos};
}

Scan scanNumber(std::string_view text) {
    if (!text.empty() && text[0] == '&') {
        return scanRadix(text);
    }
    return scanDecimal(text);
}

template <typename Int> bool fits(double value) {
    return value >= std::numeric_limits<Int>::min() && value <= std::numeric_limits<Int>::max();
}

} // namespace

std::optional<double> numberValue(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    const Scan scan = scanNumber(text);
    if (scan.length == 0 || scan.length != text.size() || !std::isfinite(scan.value)) {
        return std::nullopt;
    }
    return scan.value;
}

int16_t floorToInt16(std::string_view text) {
    const auto value = numberValue(text);
    if (!value || !fits<int16_t>(std::floor(*value))) {
        return 0;
    }
    return static_cast<int16_t>(std::floor(*value));
}

int16_t roundToInt16(std::string_view text) {
    const auto value = numberValue(text);
    if (!value || !fits<int16_t>(std::nearbyint(*value))) {
        return 0;
    }
    return static_cast<int16_t>(std::nearbyint(*value));
}

std::string blankLedText(int32_t value) {
    std::string text(value >= 0 ? 1 : 0, ' ');
    text += std::to_string(value);
    return text;
}

std::string hashHashText(int32_t value) {
    return value == 0 ? "" : std::to_string(value);
}

double leadingNumber(std::string_view text) {
    std::string packed;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            packed += c;
        }
    }
    return scanNumber(packed).value;
}

} // namespace velmora::text
