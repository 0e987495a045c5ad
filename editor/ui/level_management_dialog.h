#pragma once
// The level management dialog: the levels of one collection at a time with the level commands and
// the level bin, a preview of the level under the pointer, and the collection file commands. It
// cannot be closed while a holder space is listed.
#include <QDialog>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/editor.h"
#include "editor/model/level_slot_commands.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace brolt::editor {

class LevelPreviewWidget;

class LevelManagementDialog : public QDialog {
  Q_OBJECT

 public:
  LevelManagementDialog(Editor& editor, std::string_view requestedCollection, QWidget* parent = nullptr);

  // Done, Escape and the close box all run the holder guard first.
  void accept() override;
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Which level is shown: a slot of a collection, or a bin slot.
  struct PreviewKey {
    bool bin = false;
    std::string file;
    int slot = 0;
    bool operator==(const PreviewKey&) const = default;
  };

  void BuildCommandButtons(QWidget* panel);
  void BuildFileButtons(QWidget* panel);
  void ListLevels();
  void RefreshLists(const ManageOutcome& outcome);
  void SelectCollection(const std::string& name);
  void RunCommand(const ManageOutcome& outcome);
  ManageSelection Selection() const;
  std::vector<std::string> LevelEntries() const;
  void ShowPreview(bool levelList);
  bool HandleCommandKey(int key);
  bool GuardCollectionChoice();

  Editor& editor_;
  QComboBox* collections_;
  QListWidget* levels_;
  QListWidget* bin_;
  LevelPreviewWidget* preview_;
  std::vector<QPushButton*> commands_;
  std::optional<PreviewKey> shown_;
};

// Shows the dialog modally on `collectionFile`.
void RunLevelManagementDialog(Editor& editor, std::string_view collectionFile, QWidget* parent);

}  // namespace brolt::editor
