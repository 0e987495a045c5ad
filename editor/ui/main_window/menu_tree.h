#pragma once
// The main window's menu bar as data: every item's control name, caption, shortcut, nesting, check
// mark and visibility, in display order. Each item becomes a QAction whose objectName is its
// control name (control arrays append their index: "mnuToolsToolsSelect3", "mnuViewZoomLevel2"), so
// the command handlers attach by name and the canvas's pop-up menu shows the same Edit menu.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <string>
#include <vector>

namespace brolt::editor {

struct MenuEntry {
  std::string name;
  std::string caption;  // "-" for a separator line
  std::string shortcut;
  int depth = 0;  // 0 a menu of the bar, 1 its item, 2 an item of a submenu
  bool hidden = false;
  bool checkable = false;
  bool checked = false;
};

// The whole tree, with the zoom, saturation, thickness, tool, rotation and recent arrays expanded.
std::vector<MenuEntry> MenuTree();

// The objectName of element `index` of a control array.
QString ArrayItemName(const char* array, int index);

// Fills the bar with the tree. A submenu is a QMenu named after its control, and its menuAction()
// carries the same name.
void BuildMenuBar(QMenuBar& bar);

// The bar's item, separator or submenu action of that name, or nullptr.
QAction* MenuItem(const QMenuBar& bar, const QString& name);
QMenu* SubMenu(const QMenuBar& bar, const QString& name);

}  // namespace brolt::editor
