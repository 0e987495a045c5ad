#include "editor/ui/wait_window.h"

#include <QLabel>
#include <gtest/gtest.h>

#include "editor/model/editor.h"

namespace brolt::editor {
namespace {

TEST(WaitWindow, TheBarAndItsFigureFollowTheProgress) {
  Editor editor;
  WaitWindow wait(editor);
  EXPECT_EQ(wait.TrackFigure()->text(), "0%");
  EXPECT_NEAR(wait.windowOpacity(), 200 / 255.0, 0.01);
  const std::pair<int, int> cases[] = {{40, 117}, {100, 294}, {150, 294}, {-5, 0}};
  for (const auto& [percent, width] : cases) {
    wait.SetProgress(percent);
    EXPECT_EQ(wait.Bar()->width(), width) << percent;
  }
  wait.SetProgress(40);
  EXPECT_EQ(wait.TrackFigure()->text(), "40%");
}

}  // namespace
}  // namespace brolt::editor
