#pragma once
// The menu bar's items found by their control names ("mnuViewZoom", "mnuToolsSaturationValue100"),
// and its submenus popped up at the pointer as the tool bar's and tool panel's choosers.
#include <QPoint>
#include <string_view>

class QAction;
class QMenu;
class QMenuBar;

namespace brolt::editor {

// The item of that name anywhere in the bar's menus, or nullptr.
QAction* FindMenuItem(const QMenuBar& menuBar, std::string_view name);

// The submenu that the item of that name opens, or nullptr.
QMenu* FindSubmenu(const QMenuBar& menuBar, std::string_view name);

// Pops the submenu up at `where` with `defaultItem` shown as its default (bold) item, and returns
// once it closed. Nothing happens when the bar has no such submenu.
void PopUpSubmenu(const QMenuBar& menuBar, std::string_view submenu, std::string_view defaultItem, QPoint where);

}  // namespace brolt::editor
