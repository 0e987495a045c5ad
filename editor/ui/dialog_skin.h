#pragma once
// Colours a dialog from the designer's preference colours: panels in GridDark, buttons in
// BorderColor, lines and list frames in GridLight.
#include <QDialog>

#include "editor/model/preferences.h"

namespace brolt::editor {

void SkinDialog(QDialog& dialog, const Preferences& prefs);

}  // namespace brolt::editor
