#pragma once
// The property commands with their dialogs: each dialog is made for the one showing, so that it is
// always skinned in the current colours.
#include "editor/model/editor.h"

class QWidget;

namespace brolt::editor {

void RunLevelProperties(Editor& editor, QWidget* parent);
void RunPreferences(Editor& editor, QWidget* parent);
void RunTileCount(Editor& editor, QWidget* parent);
// The splash window as the about box, shown modally.
void RunAboutBox(Editor& editor, QWidget* parent);

}  // namespace brolt::editor
