#include "editor/ui/main_window/menu_lookup.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

namespace {
// The items are searched through the menus' own lists, whoever owns the actions.
QAction* FindIn(const QList<QAction*>& items, const QString& name) {
  for (QAction* item : items) {
    if (item->objectName() == name) return item;
    if (item->menu() == nullptr) continue;
    if (QAction* found = FindIn(item->menu()->actions(), name)) return found;
  }
  return nullptr;
}
}  // namespace

QAction* FindMenuItem(const QMenuBar& menuBar, std::string_view name) {
  return FindIn(menuBar.actions(), ToQString(name));
}

QMenu* FindSubmenu(const QMenuBar& menuBar, std::string_view name) {
  const QAction* item = FindMenuItem(menuBar, name);
  if (item != nullptr && item->menu() != nullptr) return item->menu();
  return menuBar.findChild<QMenu*>(ToQString(name));  // a menu named itself rather than its item
}

void PopUpSubmenu(const QMenuBar& menuBar, std::string_view submenu, std::string_view defaultItem, QPoint where) {
  QMenu* menu = FindSubmenu(menuBar, submenu);
  if (menu == nullptr) return;
  menu->setDefaultAction(FindMenuItem(menuBar, defaultItem));
  menu->exec(where);
}

}  // namespace brolt::editor
