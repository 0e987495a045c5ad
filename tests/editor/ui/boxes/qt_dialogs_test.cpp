#include "editor/ui/boxes/qt_dialogs.h"

#include <QImage>
#include <gtest/gtest.h>

#include <functional>

#include "editor/model/commands/apply_color_scheme.h"
#include "editor/support/fake_help_host.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/skinned_editor.h"
#include "editor/ui/boxes/help_window.h"
#include "editor/ui/boxes/input_box_window.h"
#include "editor/ui/boxes/message_box_window.h"
#include "editor/ui/boxes/wait_window.h"

namespace brolt::editor {
namespace {

bool Shows(QWidget& window, const QColor& colour) {
  const QImage picture = window.grab().toImage();
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.pixelColor(x, y) == colour) return true;
    }
  }
  return false;
}

// The kept boxes are made once in the colours of their time; a new colour scheme must reach every one.
TEST(QtDialogs, EveryKeptBoxIsBuiltAfreshInTheNewColoursAfterTheSchemeChanges) {
  testing::LevelsFolderEditor t;
  testing::FakeHelpHost host;
  QtDialogs dialogs(t.editor, host);
  t.editor.ui.dialogs = &dialogs;
  testing::SetTestColorScheme(t.editor);
  const QColor before(60, 90, 160), after(200, 40, 10);
  using Box = std::pair<const char*, std::function<QWidget&()>>;
  const Box boxes[] = {{"message", [&]() -> QWidget& { return dialogs.MessageBox(); }},
                       {"input", [&]() -> QWidget& { return dialogs.InputBox(); }},
                       {"wait", [&]() -> QWidget& { return dialogs.Wait(); }},
                       {"help", [&]() -> QWidget& { return dialogs.Help(); }}};
  for (const auto& [name, box] : boxes) EXPECT_TRUE(Shows(box(), before)) << name;

  t.editor.prefs.BorderColor = "200,40,10";
  ApplyColorScheme(t.editor, false);
  for (const auto& [name, box] : boxes) {
    EXPECT_TRUE(Shows(box(), after)) << name;
    EXPECT_FALSE(Shows(box(), before)) << name;
  }
}

}  // namespace
}  // namespace brolt::editor
