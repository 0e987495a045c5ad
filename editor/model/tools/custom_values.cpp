#include "editor/model/tools/custom_values.h"

#include <algorithm>
#include <string>

#include "common/numeric.h"
#include "editor/model/canvas/zoom.h"

namespace brolt::editor {

namespace {

constexpr int kMaxDigits = 3;
constexpr int kMinCustomZoom = 10;

std::optional<int> AskNumber(Editor& editor, std::string_view prompt, int current, int minimum, int maximum) {
  const std::string answer = editor.ui.dialogs->ShowInputBox(prompt, "[num]" + std::to_string(current), kMaxDigits);
  if (answer.empty()) return std::nullopt;
  return std::clamp(LeadingNumber(answer), minimum, maximum);
}

}  // namespace

std::optional<int> AskCustomSaturation(Editor& editor) {
  return AskNumber(editor, "What is your desired saturation level in percent?", editor.tools.Saturation, 1, 100);
}

void AskCustomZoom(Editor& editor) {
  const std::optional<int> zoom = AskNumber(editor, "What is your desired zoom level in pixels per tile?",
                                            RoundToInt32(editor.view.TileSize), kMinCustomZoom, kMaxZoom);
  if (zoom) SetZoom(editor, *zoom);
}

}  // namespace brolt::editor
