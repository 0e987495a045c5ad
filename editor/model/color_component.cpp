#include "editor/model/color_component.h"

#include "common/numeric.h"

namespace brolt::editor {

std::optional<int> GetColorComponent(std::string_view colorText, bool wantRed, bool wantGreen, bool wantBlue) {
  const std::size_t first = colorText.find(',');
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = colorText.find(',', first + 1);
  if (wantRed) return LeadingNumber(colorText.substr(0, first));
  if (second == std::string_view::npos || !(wantGreen || wantBlue)) return std::nullopt;
  if (wantGreen) return LeadingNumber(colorText.substr(first + 1, second - first - 1));
  // A third comma stays inside blue, where the leading number stops at it.
  return LeadingNumber(colorText.substr(second + 1));
}

}  // namespace brolt::editor
