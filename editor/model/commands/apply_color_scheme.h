#pragma once
// After the colour preferences change: the borders repainted and every dialog skinned anew.
#include "editor/model/editor.h"

namespace brolt::editor {

void ApplyColorScheme(Editor& editor, bool randomColours);

}  // namespace brolt::editor
