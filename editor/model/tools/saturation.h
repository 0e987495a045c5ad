#pragma once
// The saturation: the chance, set in percent, that the brush paints a cell at all.
#include "editor/model/editor.h"

namespace brolt::editor {

// One draw of the saturation's chance; true means the cell is painted. Saturation s paints with the
// chance k / (101 - s), k being the tens of s (at least 1), and always from 92 up.
bool RandomChance(Editor& editor);

// Sets the saturation, kept within 1..100, and shows it.
void SetSaturation(Editor& editor, int percent);

}  // namespace brolt::editor
