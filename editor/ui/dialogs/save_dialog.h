#pragma once
// The save dialog: a collection, the slot to save into and the level's title.
#include <QListWidget>

#include "editor/model/collections/save_dialog_rules.h"
#include "editor/ui/dialogs/dialog_frame.h"
#include "editor/ui/qt/fitted_text.h"
#include "editor/ui/qt/input_line.h"

namespace brolt::editor {

class SaveDialog : public DialogFrame {
  Q_OBJECT
 public:
  SaveDialog(Editor& editor, SaveDialogState& state, QWidget* parent = nullptr);

  FittedComboBox* Files() const { return files_; }
  QListWidget* Slots() const { return slots_; }
  InputLine* Title() const { return title_; }

 protected:
  bool CheckBeforeOk() override;
  void showEvent(QShowEvent* event) override;

 private:
  void Refill();
  void ShowTitle();
  void FocusTitle();
  void ManageLevels();

  SaveDialogState& state_;
  FittedComboBox* files_;
  QListWidget* slots_;
  InputLine* title_;
};

// Shows the dialog modally over `state`; true when the designer pressed Save and the checks passed.
bool RunSaveDialog(Editor& editor, SaveDialogState& state, QWidget* parent);

}  // namespace brolt::editor
