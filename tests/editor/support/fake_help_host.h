#pragma once
// A main window for the help window to stand over: a fixed frame, enabled or not as the test says.
#include <QRect>

#include "editor/ui/boxes/help_window_host.h"

namespace brolt::testing {

class FakeHelpHost : public editor::HelpWindowHost {
 public:
  QRect frame{200, 150, 632, 532};
  bool enabled = true;

  QRect MainWindowFrame() const override { return frame; }
  bool MainWindowEnabled() const override { return enabled; }
};

}  // namespace brolt::testing
