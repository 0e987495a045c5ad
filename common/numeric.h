#pragma once
// The numeric and text conventions of the level files and the settings rows.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#if defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace brolt {

// A whole number held to the range of T.
template <typename T>
constexpr T SaturateTo(std::int64_t value) {
  return static_cast<T>(std::clamp<std::int64_t>(value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// Rounds half to even a value that is no NaN and lies within the 64-bit range. Under the default
// rounding mode std::rint rounds half to even in a few instructions (std::nearbyint rounds the
// same, but through a library call); on x86-64 one instruction rounds and converts under that same
// rounding mode.
inline std::int64_t RoundWithinRange(double value) {
#if defined(__x86_64__)
  return _mm_cvtsd_si64(_mm_set_sd(value));
#else
  return static_cast<std::int64_t>(std::rint(value));
#endif
}

// Wherever a fraction becomes an integer the files round half to even: 2.5 gives 2, 3.5 gives 4.
// Values beyond the 64-bit range saturate; NaN gives 0. Every corner of every quad drawn and most
// rules round, so this is inline and cheap.
inline std::int64_t RoundHalfEven(double value) {
  // 2^63 - 1024, the largest double below 2^63: it and everything beyond saturate.
  constexpr double kLimit = 9.2233720368547748e18;
  if (std::isnan(value)) return 0;
  if (value >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (value <= -kLimit) return std::numeric_limits<std::int64_t>::min();
  return RoundWithinRange(value);
}

// RoundHalfEven narrowed to a 32-bit or 16-bit field, saturating at the type's limits. The limits
// are whole numbers, so the value may be held to them before it is rounded: the result is the same,
// with fewer steps.
template <typename T>
T RoundSaturated(double value) {
  constexpr double kLow = std::numeric_limits<T>::min();
  constexpr double kHigh = std::numeric_limits<T>::max();
  if (std::isnan(value)) return 0;
  return static_cast<T>(RoundWithinRange(value < kLow ? kLow : value > kHigh ? kHigh : value));
}
inline std::int32_t RoundToInt32(double value) { return RoundSaturated<std::int32_t>(value); }
inline std::int16_t RoundToInt16(double value) { return RoundSaturated<std::int16_t>(value); }

// The value of the number that a text starts with: leading blanks, an optional sign, digits and an
// optional fraction. A text that starts with anything else is worth 0.
double LeadingValue(std::string_view text);

// The value of a text that is one number and nothing else (spaces around it aside): an optional sign,
// digits and an optional fraction. Nothing for any other text, the empty text included.
std::optional<double> WholeTextNumber(std::string_view text);

// LeadingValue rounded half to even and saturated to 32 bits: how every numeric field is read.
// Most fields are a few plain digits (a level's 2500 cells are read this way): their value is the
// whole number they spell, read inline without the general reading in floating point.
inline std::int32_t LeadingNumber(std::string_view text) {
  constexpr std::size_t kExactDigits = 9;
  std::int32_t value = 0;
  bool plainDigits = text.size() <= kExactDigits;
  for (std::size_t i = 0; plainDigits && i < text.size(); ++i) {
    plainDigits = text[i] >= '0' && text[i] <= '9';
    value = value * 10 + (text[i] - '0');
  }
  return plainDigits ? value : RoundToInt32(LeadingValue(text));
}

// A whole number written as exactly `width` decimal digits, zero-padded on the left; values outside
// 0 .. 10^width - 1 are clamped so that a field never spills into its neighbour.
std::string PadNumber(std::int64_t value, int width);

// A text cut or right-padded with spaces to exactly `width` characters.
std::string PadText(std::string_view text, int width);

// The text without leading and trailing spaces; other white space stays.
std::string TrimSpaces(std::string_view text);

// Adds to a counter that stops at the limit of its 16-bit field instead of overflowing.
std::int16_t SaturatingAdd16(std::int16_t value, std::int32_t delta);

// ASCII case changes; the files hold single-byte text, and only ASCII letters change.
std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);

}  // namespace brolt
