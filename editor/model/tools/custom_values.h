#pragma once
// The saturation and the zoom chosen by typing a number: a value out of range is held to it, never
// refused, and an empty answer changes nothing.
#include <optional>

#include "editor/model/editor.h"

namespace brolt::editor {

// The percent typed, held to 1..100, or nothing when the designer gave no answer. The caller adds
// the value's menu item and then sets the saturation.
std::optional<int> AskCustomSaturation(Editor& editor);

// Sets the zoom typed, held to 10..100 pixels per cell.
void AskCustomZoom(Editor& editor);

}  // namespace brolt::editor
