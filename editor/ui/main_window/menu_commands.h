#pragma once
// The menu bar's commands, each found by its item's control name: "mnuFileSave" for one item,
// "mnuViewZoomLevel2" for item 2 of an item array. Items added to the menus later (a custom
// saturation, the thickness items, recent levels) run as well: an item's name is read when it is
// chosen.
#include <QObject>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "editor/model/editor.h"

class QAction;
class QMenu;
class QMenuBar;

namespace brolt::editor {

class MenuCommands : public QObject {
 public:
  MenuCommands(Editor& editor, QMenuBar& menuBar);

  // Runs the command of an item by its control name, without the paste-mode question: for the tool
  // bar's buttons, which ask it themselves. False for a name that has no command.
  bool Run(std::string_view name);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Command {
    bool gated = false;  // asks to leave paste mode first
    std::function<void(int index)> run;
  };
  using CommandTable = std::map<std::string, Command, std::less<>>;

  void AddFileAndEditCommands();
  void AddToolCommands();
  void AddViewAndHelpCommands();
  void Watch(QMenu& menu);
  void Triggered(const QWidget& container, QAction& item);
  // The command of a control name and the item's index in its array (0 for a single item).
  const Command* Find(std::string_view name, int& index) const;
  void ChooseCustomSaturation();
  QWidget* DialogParent() const;

  Editor& editor_;
  QMenuBar& menuBar_;
  CommandTable single_;
  CommandTable arrays_;
};

}  // namespace brolt::editor
