#pragma once
// The load dialog: a collection, its levels, and a map preview of the level pressed.
#include <QListWidget>

#include "editor/model/collections/load_dialog_rules.h"
#include "editor/ui/dialogs/dialog_frame.h"
#include "editor/ui/dialogs/level_preview_widget.h"
#include "editor/ui/qt/fitted_text.h"

namespace brolt::editor {

class LoadDialog : public DialogFrame {
  Q_OBJECT
 public:
  LoadDialog(Editor& editor, LoadDialogState& state, QWidget* parent = nullptr);

  FittedComboBox* Files() const { return files_; }
  QListWidget* Levels() const { return levels_; }
  LevelPreviewWidget* Preview() const { return preview_; }
  void ShowChosenPreview();

 protected:
  bool CheckBeforeOk() override;

 private:
  void FillLevels();
  void ManageLevels();

  LoadDialogState& state_;
  FittedComboBox* files_;
  QListWidget* levels_;
  LevelPreviewWidget* preview_;
};

// Shows the dialog modally over `state`; true when the designer pressed Load on a level.
bool RunLoadDialog(Editor& editor, LoadDialogState& state, QWidget* parent);

}  // namespace brolt::editor
