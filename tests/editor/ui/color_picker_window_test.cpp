#include "editor/ui/color_picker_window.h"

#include <gtest/gtest.h>

#include <QTimer>

#include "editor/support/scripted_dialogs.h"
#include "editor/support/skinned_editor.h"
#include "editor/support/widget_events.h"

namespace brolt::editor {
namespace {

using testing::Click;
using testing::Press;
using testing::Release;

class ColorPickerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.ui.dialogs = &dialogs_;
    testing::SetTestColorScheme(editor_);
    picker_ = std::make_unique<ColorPickerWindow>(editor_, nullptr);
  }

  testing::ScriptedDialogs dialogs_;
  Editor editor_;
  std::unique_ptr<ColorPickerWindow> picker_;
};

TEST_F(ColorPickerWindowTest, AClickBesideTheTriangleSnapsOntoItsEdgeAndTakesThePixelThere) {
  const QImage& triangle = picker_->Triangle()->Picture();
  for (int y = 0; y < ColorPickerWindow::kTriangleSize.height(); ++y) {
    for (int x : {0, ColorPickerWindow::kTriangleSize.width() - 1}) {
      Click(picker_->Triangle(), {x, y});
      const QRgb pixel = triangle.pixel(picker_->Triangle()->MarkerPoint());
      EXPECT_EQ(qAlpha(pixel), 255) << x << "," << y;  // never the clear background
      EXPECT_EQ(picker_->Bars(), (std::array{qRed(pixel), qGreen(pixel), qBlue(pixel)})) << x << "," << y;
    }
  }
}

TEST_F(ColorPickerWindowTest, BothBarsRepaintTheTriangleButOnlyTheShadersReleaseSetsTheBars) {
  picker_->SetBars(10, 200, 30);
  EXPECT_EQ(picker_->SaturationLevel(), 191);
  QImage before = picker_->Triangle()->Picture();
  Press(picker_->SaturationBar(), {5, 0});
  EXPECT_EQ(picker_->SaturationLevel(), 248);
  EXPECT_NE(picker_->Triangle()->Picture(), before);
  before = picker_->Triangle()->Picture();
  Press(picker_->Shader(), {7, 19});
  EXPECT_LT(picker_->ShadeLevel(), 255);
  EXPECT_NE(picker_->Triangle()->Picture(), before);
  EXPECT_EQ(picker_->Bars(), (std::array{10, 200, 30}));
  Release(picker_->Shader(), {7, 19});
  const int shade = picker_->ShadeLevel();
  EXPECT_EQ(picker_->Bars(), (std::array{shade, shade, shade}));
}

TEST_F(ColorPickerWindowTest, RightClicksOpenHelpAndChangeNothing) {
  picker_->SetBars(1, 2, 3);
  const int saturation = picker_->SaturationLevel();
  Click(picker_->Shader(), {7, 30}, Qt::RightButton);
  Click(picker_->Triangle(), {64, 60}, Qt::RightButton);
  Click(picker_->SaturationBar(), {5, 30}, Qt::RightButton);
  EXPECT_EQ(dialogs_.helpTopics, (std::vector<std::string>{"color_shader", "color_triangle", "color_saturation"}));
  EXPECT_EQ(picker_->Bars(), (std::array{1, 2, 3}));
  EXPECT_EQ(picker_->SaturationLevel(), saturation);
  EXPECT_EQ(picker_->ShadeLevel(), 255);
}

TEST_F(ColorPickerWindowTest, OkReturnsTheShownColourAndCancelNothing) {
  QTimer::singleShot(0, [this] {
    EXPECT_EQ((std::array{picker_->ValueLabel(0)->text(), picker_->ValueLabel(1)->text(), picker_->ValueLabel(2)->text()}),
              (std::array<QString, 3>{"255", "0", "10"}));
    EXPECT_EQ(picker_->SampleColor(), QColor(255, 0, 10));
    Click(picker_->Triangle(), {70, 80});
    EXPECT_TRUE(testing::SaveScreenshot(*picker_, "color_picker"));
    picker_->SetBars(255, 0, 10);
    picker_->OkButton()->click();
  });
  EXPECT_EQ(ChooseColor(*picker_, "255,0,10"), "255,000,010");
  QTimer::singleShot(0, [this] {
    picker_->SetBars(1, 1, 1);
    picker_->CancelButton()->click();
  });
  EXPECT_EQ(ChooseColor(*picker_, "255,0,10"), "");
}

}  // namespace
}  // namespace brolt::editor
