#include "editor/ui/main_window/menu_tree.h"

#include <QKeySequence>

#include "editor/model/canvas/zoom.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

namespace {

constexpr int kThicknessItems = 15;
constexpr int kSaturationStep = 10;

struct TreeWriter {
  std::vector<MenuEntry> entries;

  void Menu(const char* name, const char* caption) { entries.push_back({name, caption, "", 0}); }
  void Item(int depth, const std::string& name, const std::string& caption, const char* shortcut = "") {
    entries.push_back({name, caption, shortcut, depth});
  }
  void Separator(int depth, const char* name) { Item(depth, name, "-"); }
  void Hidden() { entries.back().hidden = true; }
  void Checkable(bool checked = false) {
    entries.back().checkable = true;
    entries.back().checked = checked;
  }
};

std::string Indexed(const char* array, int index) { return array + std::to_string(index); }

void FileMenu(TreeWriter& t) {
  t.Menu("mnuFile", "File");
  t.Separator(1, "mnu1");
  t.Item(1, "mnuFileNew", "New", "Ctrl+N");
  t.Separator(1, "mnuFile1");
  t.Item(1, "mnuFileLoad", "Load...", "Ctrl+L");
  t.Item(1, "mnuFileSave", "Save", "Ctrl+S");
  t.Item(1, "mnuFileSaveAs", "Save As...");
  t.Separator(1, "mnuFile3");
  t.Item(1, "mnuToolProperties", "Level Properties...  (Backspace)");
  t.Separator(1, "mnuFile2");
  t.Item(1, Indexed("mnuFileRecent", 0), "[Recent]");
  t.Hidden();
  t.Separator(1, "mnuFile7");
  t.Hidden();
  t.Item(1, "mnuFileExit", "Exit");
}

void EditMenu(TreeWriter& t) {
  t.Menu("mnuEdit", "Edit");
  t.Separator(1, "mnu2");
  t.Item(1, "mnuEditUndo", "Undo", "Ctrl+Z");
  t.Item(1, "mnuEditRedo", "Redo", "Ctrl+Y");
  t.Separator(1, "mnuEdit5");
  t.Item(1, "mnuEditCut", "Cut", "Ctrl+X");
  t.Item(1, "mnuEditCopy", "Copy", "Ctrl+C");
  t.Item(1, "mnuEditPaste", "Paste", "Ctrl+V");
  t.Separator(1, "mnuEdit1");
  t.Item(1, "mnuEditDelSelected", "Clear Selection  (Delete)");
  t.Item(1, "mnuEditClearLevel", "Clear All");
  t.Separator(1, "mnuEdit8");
  t.Item(1, "mnuEditSelection", "Select");
  t.Item(2, "mnuFileSelTilesLMB", "Select All Tiles Like Primary", "Ctrl+E");
  t.Item(2, "mnuFileSelTilesRMB", "Select All Tiles Like Secondary", "Ctrl+F");
  t.Item(2, "mnuFileSelTilesOnly", "Select All Tiles", "Ctrl+T");
  t.Item(2, "mnuEditSelectAll", "Select All", "Ctrl+A");
  t.Item(2, "mnuEditInvertSelection", "Invert Selection", "Ctrl+I");
  t.Separator(2, "mnuEditSelectBar1");
  t.Item(2, "mnuEditDeselect", "Deselect", "Ctrl+D");
  t.Item(1, "mnuEditFill", "Fill");
  t.Item(2, "mnuEditFillPrimary", "Using Primary Tile", "Ctrl+P");
  t.Item(2, "mnuEditFillSecondary", "Using Secondary Tile", "Ctrl+O");
  t.Separator(1, "mnuEdit2");
  t.Item(1, "mnuEditRotateMenu", "Rotate Tiles");
  t.Item(2, "mnuEditRotate", "90 Degrees", "Ctrl+R");
  t.Item(2, "mnuRotateCC", "-90 Degrees");
  t.Item(2, "mnuRotate180", "180 Degees");
}

void RotateSubmenu(TreeWriter& t, const char* name, const char* caption, const char* array, const char* key) {
  t.Item(1, name, caption);
  t.Item(2, Indexed(array, 1), std::string("90 Degrees  (") + key + ")");
  t.Item(2, Indexed(array, 2), "-90 Degrees");
  t.Item(2, Indexed(array, 3), "180 Degrees");
}

void ToolsMenu(TreeWriter& t) {
  t.Menu("mnuTools", "Tools");
  t.Separator(1, "mnuToolsBar87");
  t.Item(1, "mnuToolsPlay", "Play Level  (Enter)");
  t.Separator(1, "mnuTools1");
  t.Item(1, "mnuToolsTools", "Select Tool");
  const char* tools[] = {"Selector  (Pointer)  (1)", "Brush  (2)", "Filler  (3)", "Rectangle  (4)",
                         "Rectangle Fill  (5)", "Line  (6)", "Preview Start  (7)"};
  for (int tool = 0; tool < 7; ++tool) {
    t.Item(2, Indexed("mnuToolsToolsSelect", tool), tools[tool]);
    t.Checkable(tool == 0);
  }
  t.Separator(1, "mnuToolsTools1");
  t.Item(1, "mnuToolsOverwrite", "Overwite Tiles", "Ctrl+W");
  t.Checkable();
  t.Item(1, "mnuToolsThick", "Thickness");
  for (int item = 1; item <= kThicknessItems; ++item) {
    t.Item(2, Indexed("mnuToolsThickValue", item), std::to_string(item));
    t.Checkable(item == 1);
    if (item > 1) t.Hidden();
  }
  t.Item(1, "mnuToolsSaturation", "Saturation");
  for (int percent = kSaturationStep; percent <= 100; percent += kSaturationStep) {
    t.Item(2, Indexed("mnuToolsSaturationValue", percent), std::to_string(percent) + "%");
    t.Checkable();
  }
  t.Separator(2, "mnuBar4");
  t.Item(2, "mnuToolsSaturationCustom", "Custom...");
  t.Separator(1, "mnuBar2");
  RotateSubmenu(t, "mnuToolsRotate", "Rotate Primary Tile", "mnuToolsRotateValue", ">");
  RotateSubmenu(t, "mnuToolsRotate_RMB", "Rotate Secondary Tile", "mnuToolsRotateValue_RMB", "<");
  t.Separator(1, "mnuTools2");
  t.Item(1, "mnuToolsTileCount", "Tile Count Summary...", "Ctrl+Q");
  t.Item(1, "mnuFileLevelManagement", "Level Management...", "Ctrl+M");
  t.Separator(1, "mnuTools9");
  t.Hidden();
  t.Item(1, "mnuToolsCompile", "Compile Level Collection...");
  t.Separator(1, "mnuToolsBar77");
  t.Item(1, "mnuToolsLaunchBrolt", "Launch Brolt...");
  t.Separator(1, "mnuToolsBan1");
  t.Hidden();
  t.Item(1, "mnuToolsBan2", "Edit Define...");
  t.Hidden();
}

void ViewMenu(TreeWriter& t) {
  t.Menu("mnuView", "View");
  t.Separator(1, "mnu4");
  t.Item(1, "mnuViewZoom", "Zoom  (+/-)");
  for (int item = 0; item < kZoomMenuItems; ++item) {
    t.Item(2, Indexed("mnuViewZoomLevel", item), std::to_string(ZoomOfMenuItem(item)));
    t.Checkable();
  }
  t.Separator(2, "mnuViewZoom1");
  t.Item(2, "mnuViewZoomCustom", "Custom...");
  t.Checkable();
  t.Separator(1, "mnuView3");
  t.Item(1, "mnuToolsCenterOnLevel", "Center On Level", "Ctrl+U");
  t.Item(1, "mnuViewGrid", "Show Grid", "Ctrl+G");
  t.Checkable(true);
  t.Item(1, "mnuViewRefresh", "Refresh");
  t.Separator(1, "mnu3");
  t.Item(1, "mnuFilePrefs", "Preferences...");
}

void HelpMenu(TreeWriter& t) {
  t.Menu("mnuHelp", "Help");
  t.Separator(1, "mnu5");
  t.Item(1, "mnuHelpIndex", "Help Index...", "F1");
  t.Item(1, "mnuHelpGettingStarted", "Getting Started...");
  t.Item(1, "mnuHelpTips", "Tips...");
  t.Item(1, "mnuHelpShortcuts", "Key Shortcuts...");
  t.Separator(1, "mnuHelpBar2");
  t.Item(1, "mnuHelpNew", "What's New...");
  t.Item(1, "mnuHelpAbout", "About...");
}

void TakeEntry(QAction* action, const MenuEntry& entry) {
  action->setObjectName(ToQString(entry.name));
  action->setVisible(!entry.hidden);
  action->setCheckable(entry.checkable);
  action->setChecked(entry.checked);
  if (!entry.shortcut.empty()) action->setShortcut(QKeySequence(ToQString(entry.shortcut)));
}

}  // namespace

std::vector<MenuEntry> MenuTree() {
  TreeWriter t;
  FileMenu(t);
  EditMenu(t);
  ToolsMenu(t);
  ViewMenu(t);
  HelpMenu(t);
  t.Item(0, "mnuCancelPasteMode", "Exit Paste Mode");
  t.Hidden();
  return t.entries;
}

QString ArrayItemName(const char* array, int index) { return ToQString(Indexed(array, index)); }

void BuildMenuBar(QMenuBar& bar) {
  const std::vector<MenuEntry> tree = MenuTree();
  // The open menu at each depth; an entry followed by a deeper one opens a submenu.
  QMenu* open[2] = {nullptr, nullptr};
  for (std::size_t n = 0; n < tree.size(); ++n) {
    const MenuEntry& entry = tree[n];
    const bool opensMenu = n + 1 < tree.size() && tree[n + 1].depth > entry.depth;
    QAction* action = nullptr;
    if (opensMenu) {
      QMenu* menu = entry.depth == 0 ? bar.addMenu(ToQString(entry.caption))
                                     : open[entry.depth - 1]->addMenu(ToQString(entry.caption));
      menu->setObjectName(ToQString(entry.name));
      open[entry.depth] = menu;
      action = menu->menuAction();
    } else if (entry.depth == 0) {
      action = bar.addAction(ToQString(entry.caption));
    } else if (entry.caption == "-") {
      action = open[entry.depth - 1]->addSeparator();
    } else {
      action = open[entry.depth - 1]->addAction(ToQString(entry.caption));
    }
    TakeEntry(action, entry);
  }
}

QAction* MenuItem(const QMenuBar& bar, const QString& name) { return bar.findChild<QAction*>(name); }

QMenu* SubMenu(const QMenuBar& bar, const QString& name) { return bar.findChild<QMenu*>(name); }

}  // namespace brolt::editor
