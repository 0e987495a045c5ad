#pragma once
// Colour helpers that the dialog frame and the minimap own, given here under their final names with
// a minimal body so that the collection dialogs can colour themselves; completed later by their
// owners.
#include <QColor>
#include <QDialog>
#include <string_view>

#include "editor/model/preferences.h"

namespace brolt::editor {

// A ColorText ("r,g,b", components by their numeric value) as a colour.
QColor ColorTextColor(std::string_view colorText);

// One of the 16 colours of the classic palette (0 black ... 15 bright white).
QColor QBColor(int index);

// Colours a dialog from the designer's preference colours: panels in GridDark, buttons in
// BorderColor, lines and list frames in GridLight.
void SkinDialog(QDialog& dialog, const Preferences& prefs);

}  // namespace brolt::editor
