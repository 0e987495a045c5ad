#include "common/numeric.h"

#include <algorithm>
#include <limits>

namespace brolt {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

double LeadingValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  double sign = 1.0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    if (text[i] == '-') sign = -1.0;
    ++i;
  }
  double value = 0.0;
  while (i < text.size() && IsDigit(text[i])) {
    value = value * 10.0 + (text[i] - '0');
    ++i;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    double scale = 0.1;
    while (i < text.size() && IsDigit(text[i])) {
      value += (text[i] - '0') * scale;
      scale /= 10.0;
      ++i;
    }
  }
  return sign * value;
}

std::optional<double> WholeTextNumber(std::string_view text) {
  const std::string trimmed = TrimSpaces(text);
  std::size_t i = (!trimmed.empty() && (trimmed[0] == '-' || trimmed[0] == '+')) ? 1 : 0;
  bool digits = false, point = false;
  for (; i < trimmed.size(); ++i) {
    if (trimmed[i] >= '0' && trimmed[i] <= '9') digits = true;
    else if (trimmed[i] == '.' && !point) point = true;
    else return std::nullopt;
  }
  if (!digits) return std::nullopt;
  return LeadingValue(trimmed);
}

std::string PadNumber(std::int64_t value, int width) {
  std::int64_t limit = 1;
  for (int i = 0; i < width && limit < std::numeric_limits<std::int64_t>::max() / 10; ++i) limit *= 10;
  std::string digits = std::to_string(std::clamp<std::int64_t>(value, 0, limit - 1));
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

std::string PadText(std::string_view text, int width) {
  std::string out(text.substr(0, static_cast<std::size_t>(std::max(width, 0))));
  out.resize(static_cast<std::size_t>(std::max(width, 0)), ' ');
  return out;
}

std::string TrimSpaces(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::int16_t SaturatingAdd16(std::int16_t value, std::int32_t delta) {
  return SaturateTo<std::int16_t>(static_cast<std::int64_t>(value) + delta);
}

std::string ToLowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace brolt
