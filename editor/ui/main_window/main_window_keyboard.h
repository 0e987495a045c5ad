#pragma once
// The main window sees every key before the control that has the focus: key presses, repeats
// included, and real releases go to the keyboard shortcuts; the control still gets the key after.
#include <QObject>

#include "editor/model/editor.h"

class QWidget;

namespace brolt::editor {

class MainWindowKeyboard : public QObject {
 public:
  // Watches the application's key events for the widgets of `mainWindow`.
  MainWindowKeyboard(Editor& editor, QWidget& mainWindow);
  ~MainWindowKeyboard() override;
  MainWindowKeyboard(const MainWindowKeyboard&) = delete;
  MainWindowKeyboard& operator=(const MainWindowKeyboard&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The widget a key goes to first: the focused one, or the main window when none has the focus.
  QWidget* KeyReceiver() const;

  Editor& editor_;
  QWidget& mainWindow_;
};

}  // namespace brolt::editor
