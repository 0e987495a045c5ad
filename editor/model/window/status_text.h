#pragma once
// The status bar's four panels: 0 the main text and hints, 1 the column, 2 the row, 3 the tool.
#include <cstdint>
#include <string_view>

#include "editor/model/editor.h"

namespace brolt::editor {

// Shows a text on a panel, bold or italic, in a colour 0xBBGGRR. The window shows the text followed by
// a blank, and hides a panel other than 0 while its text is empty.
void ShowStatusText(Editor& editor, std::string_view text, int index, bool bold, bool italic, std::int32_t colour);

}  // namespace brolt::editor
