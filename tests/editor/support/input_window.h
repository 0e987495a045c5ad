#pragma once
// A recording main window that also answers what the keyboard, the timer and the minimap ask of
// it: whether the level list is open, where the focus went, the pauses, and the overwrite state
// shown.
#include <string>
#include <vector>

#include "editor/support/recording_window.h"
#include "editor/support/scripted_dialogs.h"

namespace brolt::testing {

class InputWindow : public RecordingWindow {
 public:
  bool listOpen = false;
  int canvasFocus = 0;
  std::vector<double> pauses;
  int overwriteShown = -1;  // -1 never shown, else 0 or 1

  void FocusCanvas() override {
    ++canvasFocus;
    listOpen = false;  // the list closes when it loses the focus
  }
  bool LevelDropDownShown() const override { return listOpen; }
  void Pause(double seconds) override { pauses.push_back(seconds); }
  void ShowOverwrite(bool on) override { overwriteShown = on ? 1 : 0; }
  void DropDownLevelList() override {
    RecordingWindow::DropDownLevelList();
    listOpen = true;
  }
};

// An editor wired to an input window, a recording canvas and scripted boxes.
struct InputEditor {
  InputEditor() {
    editor.ui.window = &window;
    editor.ui.canvas = &canvas;
    editor.ui.dialogs = &dialogs;
  }
  editor::Editor editor;
  InputWindow window;
  RecordingCanvas canvas;
  ScriptedDialogs dialogs;
};

}  // namespace brolt::testing
