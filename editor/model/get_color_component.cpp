#include "editor/model/get_color_component.h"

#include "common/numeric.h"

namespace brolt::editor {

// Completed later with the other small utilities.
int GetColorComponent(std::string_view colorText, bool wantRed, bool wantGreen, bool wantBlue) {
  const std::size_t first = colorText.find(',');
  if (first == std::string_view::npos) return 0;
  const std::size_t second = colorText.find(',', first + 1);
  if (second == std::string_view::npos) return 0;
  if (wantRed) return LeadingNumber(colorText.substr(0, first));
  if (wantGreen) return LeadingNumber(colorText.substr(first + 1, second - first - 1));
  if (wantBlue) return LeadingNumber(colorText.substr(second + 1));
  return 0;
}

}  // namespace brolt::editor
