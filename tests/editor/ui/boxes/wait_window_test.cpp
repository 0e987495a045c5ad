#include "editor/ui/boxes/wait_window.h"

#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

#include <algorithm>

#include "editor/model/editor.h"
#include "editor/support/skinned_editor.h"
#include "editor/ui/boxes/box_look.h"

namespace brolt::editor {
namespace {

TEST(WaitWindow, TheBarAndItsFigureFollowTheProgressFromNoneToAll) {
  Editor editor;
  testing::SetTestColorScheme(editor);
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
  // The figure stands in the middle of the track.
  wait.SetProgress(0);
  const QImage figure = wait.TrackFigure()->grab().toImage();
  int left = figure.width(), right = -1;
  for (int y = 0; y < figure.height(); ++y)
    for (int x = 0; x < figure.width(); ++x)
      if (figure.pixel(x, y) != figure.pixel(0, 0)) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  ASSERT_GE(right, left);
  EXPECT_NEAR((left + right) / 2.0, (figure.width() - 1) / 2.0, 3);
  // The bar fills the black track in the border colour.
  wait.SetProgress(50);
  wait.show();
  const QImage shown = wait.grab().toImage();
  const QPoint bar = wait.Bar()->mapTo(&wait, QPoint(2, 2));
  EXPECT_EQ(shown.pixelColor(bar), ColoursOf(editor.prefs).border);
  EXPECT_EQ(shown.pixelColor(bar + QPoint(wait.Bar()->width() + 4, 0)), QColor(Qt::black));
}

}  // namespace
}  // namespace brolt::editor
