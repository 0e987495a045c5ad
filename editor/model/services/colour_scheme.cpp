#include "editor/model/services/colour_scheme.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "common/numeric.h"

namespace brolt::editor {

namespace {

constexpr int kFullComponent = 255;
constexpr int kGridLightStep = 75;
constexpr int kGridDarkStep = 80;

using Rgb = std::array<int, 3>;

int ColourField(std::string_view field) { return std::clamp(LeadingNumber(field), 0, kFullComponent); }

int DrawComponent(Random& random) { return static_cast<int>(std::floor(random.Rnd() * 200 + 55)); }

// Lifts the one strongest component to 255 and the others with it; a tie for strongest stays.
void LiftStrongest(Rgb& rgb) {
  for (std::size_t strongest = 0; strongest < rgb.size(); ++strongest) {
    if (rgb[strongest] <= rgb[(strongest + 1) % 3] || rgb[strongest] <= rgb[(strongest + 2) % 3]) continue;
    const int lift = kFullComponent - rgb[strongest];
    for (int& component : rgb) component += lift;
    return;
  }
}

bool Refused(const Rgb& rgb) {
  return (rgb[0] == kFullComponent && rgb[1] < rgb[2] + 30) || (rgb[2] == kFullComponent && rgb[0] > 150);
}

std::string ColourText(const Rgb& rgb) {
  return PadNumber(rgb[0], 3) + "," + PadNumber(rgb[1], 3) + "," + PadNumber(rgb[2], 3);
}

Rgb Darker(Rgb rgb, int step) {
  for (int& component : rgb) component = std::max(0, component - step);
  return rgb;
}

}  // namespace

std::optional<int> GetColorComponent(std::string_view text, bool wantRed, bool wantGreen, bool wantBlue) {
  const std::size_t first = text.find(',');
  if (first == std::string_view::npos) return std::nullopt;
  if (wantRed) return ColourField(text.substr(0, first));
  const std::size_t second = text.find(',', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  if (wantGreen) return ColourField(text.substr(first + 1, second - first - 1));
  if (wantBlue) return ColourField(text.substr(second + 1));
  return std::nullopt;
}

std::int32_t ColorTextToRgbValue(std::string_view text) {
  const int red = GetColorComponent(text, true, false, false).value_or(0);
  const int green = GetColorComponent(text, false, true, false).value_or(0);
  const int blue = GetColorComponent(text, false, false, true).value_or(0);
  return red | green << 8 | blue << 16;
}

void RandomBorderColor(Editor& editor) {
  Rgb border{};
  do {
    for (int& component : border) component = DrawComponent(editor.random);
    LiftStrongest(border);
  } while (Refused(border));
  const Rgb light = Darker(border, kGridLightStep);
  editor.prefs.BorderColor = ColourText(border);
  editor.prefs.GridLight = ColourText(light);
  editor.prefs.GridDark = ColourText(Darker(light, kGridDarkStep));
}

}  // namespace brolt::editor
