#pragma once
// An editor with a colour scheme of its own, so that pictures of its dialogs show their panels.
#include "editor/model/editor.h"

namespace brolt::testing {

inline void SetTestColorScheme(editor::Editor& editor) {
  editor.prefs.BorderColor = "60,90,160";
  editor.prefs.GridDark = "20,30,60";
  editor.prefs.GridLight = "120,160,220";
}

}  // namespace brolt::testing
