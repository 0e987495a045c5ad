#include "editor/ui/boxes/wait_window.h"

#include <QLabel>
#include <gtest/gtest.h>

#include "editor/model/editor.h"

namespace brolt::editor {
namespace {

TEST(WaitWindow, TheBarAndItsFigureFollowTheProgressFromNoneToAll) {
  Editor editor;
  WaitWindow wait(editor);
  EXPECT_EQ(wait.TrackFigure()->text(), "0%");
  QStringList texts;
  for (const QLabel* label : wait.findChildren<QLabel*>()) texts << label->text();
  EXPECT_TRUE(texts.contains("Please wait while the action is being performed.")) << texts.join('|').toStdString();
  EXPECT_NEAR(wait.windowOpacity(), 200 / 255.0, 0.01);
  for (const auto& [percent, width, figure] :
       {std::tuple{40, 117, "40%"}, {100, 294, "100%"}, {150, 294, "100%"}, {-5, 0, "0%"}}) {
    wait.SetProgress(percent);
    EXPECT_EQ(wait.Bar()->width(), width) << percent;
    EXPECT_EQ(wait.TrackFigure()->text(), figure) << percent;
  }
}

}  // namespace
}  // namespace brolt::editor
