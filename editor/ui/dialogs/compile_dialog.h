#pragma once
// The compile dialog: which collection, how many of its levels are open when play starts, and the
// two texts of its tag record.
#include "editor/model/collections/compile_choices.h"
#include "editor/ui/dialogs/dialog_frame.h"

class QComboBox;
class QLabel;

namespace brolt::editor {

class TagBox;

class CompileDialog : public DialogFrame {
  Q_OBJECT

 public:
  CompileDialog(Editor& editor, CompileChoices& choices, QWidget* parent = nullptr);

 protected:
  // OK ("Compile"), also when pressed with Enter: holds the count in its range, then the checks.
  bool CheckBeforeOk() override;
  // Each time the dialog is active again, a question answered or help closed, the collection to
  // compile has the keys.
  void changeEvent(QEvent* event) override;

 private:
  void ChooseCollection();
  // The collection chosen, as the folder named it.
  std::string ChosenFile() const;
  void ClampCount();

  CompileChoices& choices_;
  int levelCount_ = 0;
  QComboBox* file_;
  QComboBox* count_;
  QLabel* countLine_;
  TagBox* introduction_;
  TagBox* congratulations_;
};

// Shows the compile dialog modally; true when the designer chose Compile.
bool RunCompileDialog(Editor& editor, CompileChoices& choices, QWidget* parent);

}  // namespace brolt::editor
