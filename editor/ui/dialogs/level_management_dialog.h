#pragma once
// The level management dialog: the levels of one collection at a time with the level commands and
// the level bin, a preview of the level under the pointer, and the collection file commands. It
// cannot be closed while a holder space is listed.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/collections/level_slot_commands.h"
#include "editor/model/editor.h"
#include "editor/ui/dialogs/dialog_frame.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace brolt::editor {

class LevelPreviewWidget;

class LevelManagementDialog : public DialogFrame {
  Q_OBJECT

 public:
  LevelManagementDialog(Editor& editor, std::string_view requestedCollection, QWidget* parent = nullptr);

  // Escape and the close box run the holder guard first, as Done does.
  void reject() override;

 protected:
  bool CheckBeforeOk() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Which level is shown: a slot of a collection, or a bin slot.
  struct PreviewKey {
    bool bin = false;
    std::string file;
    int slot = 0;
    bool operator==(const PreviewKey&) const = default;
  };

  // A button with its name whose right click opens its help topic.
  QPushButton* AddNamedButton(const QString& caption, const QString& name, const std::string& helpKey, QWidget* panel);
  void BuildCommandButtons(QWidget* panel);
  // The collection file buttons, left to right.
  std::vector<QWidget*> BuildFileButtons(QWidget* panel);
  void ListLevels();
  void RefreshManageLists(const ManageOutcome& outcome);
  void SelectCollection(const std::string& name);
  // The collection being managed, as the folder lists it; "" for none.
  std::string CurrentCollection() const;
  void RunCommand(const ManageOutcome& outcome);
  ManageSelection Selection() const;
  std::vector<std::string> LevelEntries() const;
  void ShowManagePreview(bool levelList);
  bool HandleCommandKey(int key);
  bool GuardCollectionChoice();

  // The collections as the folder named them, in the order of the collection box.
  std::vector<std::string> collectionFiles_;
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
