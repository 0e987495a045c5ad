#include "common/numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace brolt {
namespace {

// Rounding half to even as it was first written, with floor and fmod: the inline rounding must
// give exactly its results.
std::int64_t FloorRoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kMax = 9.2233720368547748e18;
  if (value >= kMax) return std::numeric_limits<std::int64_t>::max();
  if (value <= -kMax) return std::numeric_limits<std::int64_t>::min();
  double whole = std::floor(value);
  double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return static_cast<std::int64_t>(whole);
}

TEST(RoundHalfEven, GivesTheResultsOfFloorAndFmodAtEveryEdge) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  constexpr double kTwo63 = 9223372036854775808.0;
  constexpr double kTwo52 = 4503599627370496.0;
  const double edges[] = {0.0, -0.0, 0.5, -0.5, 1.5, -1.5, 2.5, -2.5, 3.5, -3.5, 0.49999999999999994,
                          -0.49999999999999994, 1e-300, -1e-300, 32767.5, 32766.5, -32768.5, -32767.5, 32768.0,
                          2147483647.5, 2147483646.5, -2147483648.5, -2147483647.5, kTwo52 - 0.5, kTwo52 + 1,
                          -kTwo52 + 0.5, std::nextafter(kTwo63, 0.0), -std::nextafter(kTwo63, 0.0), kTwo63, -kTwo63,
                          1e300, -1e300, kInfinity, -kInfinity, std::numeric_limits<double>::quiet_NaN()};
  for (double value : edges) {
    EXPECT_EQ(RoundHalfEven(value), FloorRoundHalfEven(value)) << value;
    EXPECT_EQ(RoundToInt32(value), SaturateTo<std::int32_t>(FloorRoundHalfEven(value))) << value;
    EXPECT_EQ(RoundToInt16(value), SaturateTo<std::int16_t>(FloorRoundHalfEven(value))) << value;
  }
  // Halves and values near them across the ranges the game rounds in.
  std::mt19937_64 generator(7);
  std::uniform_int_distribution<int> whole(-70000, 70000);
  std::uniform_real_distribution<double> fraction(0.0, 1.0);
  for (int i = 0; i < 100000; ++i) {
    const double half = whole(generator) + 0.5;
    const double near[] = {half, std::nextafter(half, 0.0), std::nextafter(half, 1e9),
                           whole(generator) + fraction(generator)};
    for (double value : near)
      ASSERT_EQ(RoundHalfEven(value), FloorRoundHalfEven(value)) << value;
  }
}

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
  EXPECT_EQ(LeadingNumber("000"), 0);
  EXPECT_EQ(LeadingNumber("999999999"), 999999999);
  EXPECT_EQ(LeadingNumber("2147483648"), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(LeadingNumber("7 "), 7);
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
