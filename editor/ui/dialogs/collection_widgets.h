#pragma once
// Filling the dialogs' combo boxes and lists from the model's strings, with the model's choice.
#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <string>
#include <type_traits>
#include <vector>

#include "editor/model/collections/level_management.h"
#include "editor/ui/dialogs/dialog_frame.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

// No row current, and none made current when the list takes the focus: the first Down then
// chooses the first row instead of the second.
inline void NoCurrentRow(QListWidget* list) { list->QAbstractItemView::setCurrentIndex(QModelIndex()); }

// The entries are text unless `shown` says otherwise (file names, FileNameToQString).
template <typename Widget>
void FillStrings(Widget* widget, const std::vector<std::string>& entries, int chosen,
                 QString (*shown)(std::string_view) = ToQString) {
  const QSignalBlocker quiet(widget);
  widget->clear();
  for (const std::string& entry : entries) widget->addItem(shown(entry));
  if constexpr (std::is_same_v<Widget, QListWidget>) {
    if (chosen >= 0) widget->setCurrentRow(chosen);
    else NoCurrentRow(widget);
  } else {
    widget->setCurrentIndex(chosen);
  }
}

// The dialogs' "..." button, its right click opening level management's help.
inline QPushButton* AddManageButton(DialogFrame& dialog) {
  auto* button = new QPushButton("...", &dialog);
  button->setToolTip(" Level Management ");
  dialog.OpenHelpOnRightClick(button, "toolbar4");
  return button;
}

// What the "..." button does: level management on the chosen collection, then the same collection
// (any case) and entry chosen again where they still exist.
template <typename State>
void ManageChosenCollection(Editor& editor, State& state, int chosenIndex) {
  const std::string remembered = state.File();
  std::string file = remembered;
  OpenLevelManagement(editor, file);
  ReselectAfterManagement(editor, state, remembered, chosenIndex);
}

}  // namespace brolt::editor
