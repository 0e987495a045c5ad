#pragma once
// Closes each dialog of a kind as soon as it is up, noting what it showed, so that a test sees
// which dialog a control or a step opened without needing a hand in it. Dialogs of other kinds,
// such as the message boxes a test answers itself, are left alone.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

namespace brolt::testing {

template <typename Dialog>
class ClosingDialogs {
 public:
  // By default a dialog is noted by its title.
  explicit ClosingDialogs(std::function<std::string(Dialog&)> note = [](Dialog& dialog) {
    return dialog.windowTitle().toStdString();
  }) {
    timer_.callOnTimeout([this, note = std::move(note)] {
      auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr || !dialog->isVisible()) return;
      noted.push_back(note(*dialog));
      dialog->reject();
    });
    timer_.start(10);
  }

  std::vector<std::string> noted;

 private:
  QTimer timer_;
};

}  // namespace brolt::testing
