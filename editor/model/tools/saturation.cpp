#include "editor/model/tools/saturation.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace brolt::editor {

bool RandomChance(Editor& editor) {
  const int saturation = editor.tools.Saturation;
  // Settings below 10 have no tens; one share keeps them painting rarely instead of dividing by zero.
  const int shares = std::max(1, saturation / 10);
  return std::floor(editor.random.Rnd() * (101 - saturation) / shares) == 0;
}

void SetSaturation(Editor& editor, int percent) {
  percent = std::clamp(percent, 1, 100);
  editor.tools.Saturation = static_cast<std::int16_t>(percent);
  editor.ui.window->ShowSaturation(percent, std::to_string(percent) + "%");
}

}  // namespace brolt::editor
