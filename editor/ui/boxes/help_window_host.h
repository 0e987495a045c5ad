#pragma once
// What the help window needs of the main window: where it stands, so that help opens centred over
// it, and whether it takes input, since help over a blocked main window has to be modal.
#include <QRect>

namespace brolt::editor {

class HelpWindowHost {
 public:
  virtual ~HelpWindowHost() = default;
  // The main window's frame on the screen.
  virtual QRect MainWindowFrame() const = 0;
  // False while the main window is switched off, as while a dialog is up.
  virtual bool MainWindowEnabled() const = 0;
};

}  // namespace brolt::editor
