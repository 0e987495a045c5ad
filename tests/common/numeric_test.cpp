#include "common/numeric.h"

#include <gtest/gtest.h>

#include <limits>

namespace brolt {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-3.5), -4);
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2.5001), 3);
  EXPECT_EQ(RoundHalfEven(-0.4), 0);
}

TEST(RoundHalfEven, SaturatesInsteadOfOverflowing) {
  EXPECT_EQ(RoundToInt16(40000.0), std::numeric_limits<std::int16_t>::max());
  EXPECT_EQ(RoundToInt16(-40000.0), std::numeric_limits<std::int16_t>::min());
  EXPECT_EQ(RoundToInt32(1e300), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(SaturatingAdd16(32760, 100), 32767);
  EXPECT_EQ(SaturatingAdd16(-32760, -100), -32768);
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAField) {
  EXPECT_EQ(LeadingNumber("042"), 42);
  EXPECT_EQ(LeadingNumber("  7x"), 7);
  EXPECT_EQ(LeadingNumber("12 3"), 12);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("   "), 0);
  EXPECT_EQ(LeadingNumber("-5"), -5);
  EXPECT_EQ(LeadingNumber("2.5"), 2);
  EXPECT_EQ(LeadingNumber("3.5"), 4);
  EXPECT_EQ(LeadingNumber("99999999999999"), std::numeric_limits<std::int32_t>::max());
}

TEST(WholeTextNumber, AcceptsOnlyATextThatIsOneNumber) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  for (const Case& c : {Case{"20", 20.0}, Case{" -1 ", -1.0}, Case{"+2.5", 2.5}, Case{"15px", std::nullopt},
                        Case{"", std::nullopt}, Case{"-", std::nullopt}, Case{"1.2.3", std::nullopt},
                        Case{"True", std::nullopt}}) {
    EXPECT_EQ(WholeTextNumber(c.text), c.value) << c.text;
  }
}

TEST(FixedWidthFields, NumbersAreClampedAndTextsCutOrPadded) {
  EXPECT_EQ(PadNumber(7, 3), "007");
  EXPECT_EQ(PadNumber(0, 2), "00");
  EXPECT_EQ(PadNumber(1234, 3), "999");
  EXPECT_EQ(PadNumber(-4, 3), "000");
  EXPECT_EQ(PadText("ab", 5), "ab   ");
  EXPECT_EQ(PadText("abcdefg", 5), "abcde");
  EXPECT_EQ(PadText("", 0), "");
}

TEST(TrimSpaces, RemovesOnlySpacesOnBothSides) {
  EXPECT_EQ(TrimSpaces("   "), "");
  EXPECT_EQ(TrimSpaces(""), "");
  EXPECT_EQ(TrimSpaces("  a b  "), "a b");
  EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");
}

}  // namespace
}  // namespace brolt
