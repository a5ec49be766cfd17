// The number conversions of the saver, case by case.
#include "saver/text/core/VbNumber.h"

#include <gtest/gtest.h>

namespace velmora::text {
namespace {

struct ValueCase {
    const char* text;
    double value;
};

TEST(VbNumberTest, NumbersAsAWholeText) {
    const ValueCase cases[] = {
        {"2", 2},           {" 2", 2},          {"2 ", 2},          {"\t-1\t", -1}, {"+3", 3},
        {"2.9", 2.9},       {".5", 0.5},        {"5.", 5},          {"1e2", 100},   {"1E+2", 100},
        {"1D2", 100},       {"25e-1", 2.5},     {"&H1F", 31},       {"&hff", 255},  {"&HFFFF", -1},
        {"&H8000", -32768}, {"&H10000", 65536}, {"&HFFFFFFFF", -1}, {"&O17", 15},   {"&o777", 511},
        {" &H10 ", 16},     {"007", 7},         {"1e-400", 0},
    };
    for (const auto& c : cases) {
        const auto value = numberValue(c.text);
        ASSERT_TRUE(value.has_value()) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(*value, c.value) << '"' << c.text << '"';
    }
}

TEST(VbNumberTest, DigitsBeyondTheDoubleRange) {
    EXPECT_EQ(numberValue("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_FALSE(numberValue("1" + std::string(400, '0')).has_value());
}

TEST(VbNumberTest, TextsThatAreNoNumber) {
    for (const char* text : {"", " ", "abc", "1a", "1 2", "--1", "+", ".", "1e", "1e+", "&H", "&HG",
                             "&Z1", "1e999", "-1e999", "2,5", "&H1G", "1..2"}) {
        EXPECT_FALSE(numberValue(text).has_value()) << '"' << text << '"';
    }
}

struct IntCase {
    const char* text;
    int expected;
};

TEST(VbNumberTest, FloorToInt16TakesTheLargestIntegerNotAboveOrZero) {
    const IntCase cases[] = {
        {"2.9", 2},      {"-1", -1},   {"abc", 0},   {"40000", 0},       {"", 0},
        {" 2", 2},       {"-0.5", -1}, {"-2.1", -3}, {"32767.9", 32767}, {"-32768", -32768},
        {"-32768.1", 0}, {"32768", 0}, {"1e999", 0}, {"&HFFFF", -1},     {"&H10000", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(floorToInt16(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(VbNumberTest, RoundToInt16RoundsHalvesToEvenAndNeverFails) {
    const IntCase cases[] = {
        {"2.5", 2},         {"3.5", 4},     {"-2.5", -2},         {"-3.5", -4},  {"2.4999", 2},
        {"2.51", 3},        {"7", 7},       {" 7 ", 7},           {"", 0},       {"x", 0},
        {"32767.4", 32767}, {"32767.5", 0}, {"-32768.5", -32768}, {"-32769", 0}, {"40000", 0},
        {"1e10", 0},        {"1e999", 0},   {"&H7FFF", 32767},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundToInt16(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(VbNumberTest, WrittenForms) {
    EXPECT_EQ(blankLedText(2), " 2");
    EXPECT_EQ(blankLedText(0), " 0");
    EXPECT_EQ(blankLedText(-1), "-1");
    EXPECT_EQ(blankLedText(-32768), "-32768");
    EXPECT_EQ(hashHashText(0), "");
    EXPECT_EQ(hashHashText(1), "1");
    EXPECT_EQ(hashHashText(30), "30");
    EXPECT_EQ(hashHashText(-5), "-5");
}

TEST(VbNumberTest, WrittenFormsReadBackUnchanged) {
    for (const int value : {-32768, -1, 0, 1, 2, 30, 32767}) {
        EXPECT_EQ(floorToInt16(blankLedText(value)), value);
        EXPECT_EQ(roundToInt16(blankLedText(value)), value);
        EXPECT_EQ(roundToInt16(hashHashText(value)), value);
    }
}

TEST(VbNumberTest, LeadingNumberStopsAtTheFirstCharacterThatCannotContinue) {
    const ValueCase cases[] = {
        {"12abc", 12}, {"1 2 3", 123}, {"\t4\n5", 45}, {"-  7", -7}, {"1e", 1},
        {"1e+x", 1},   {"2.5.6", 2.5}, {"&H1FZ", 31},  {"&O19", 1},  {"&X5", 0},
        {"", 0},       {"abc", 0},     {"12-3", 12},   {"1,5", 1},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

} // namespace
} // namespace velmora::text
