#pragma once
// The load dialog: a collection, its levels, and a map preview of the level pressed.
#include <QComboBox>
#include <QListWidget>

#include "editor/model/load_dialog_rules.h"
#include "editor/ui/dialog_frame.h"

namespace brolt::editor {

// The 80 x 80 map preview: each cell a 1.6-pixel dot in its minimap colour.
class LevelPreviewBox : public QWidget {
 public:
  LevelPreviewBox(const LevelPreview& preview, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const LevelPreview& preview_;
};

class LoadDialog : public DialogFrame {
  Q_OBJECT
 public:
  LoadDialog(Editor& editor, LoadDialogState& state, QWidget* parent = nullptr);

  QComboBox* Files() const { return files_; }
  QListWidget* Levels() const { return levels_; }
  QLabel* NoData() const { return noData_; }
  void ShowChosenPreview();

 private:
  void FillLevels();
  void Accept();
  void ManageLevels();

  LoadDialogState& state_;
  QComboBox* files_;
  QListWidget* levels_;
  LevelPreviewBox* preview_;
  QLabel* noData_;
};

// Shows the dialog modally over `state`; true when the designer pressed Load on a level.
bool RunLoadDialog(Editor& editor, LoadDialogState& state, QWidget* parent);

}  // namespace brolt::editor
