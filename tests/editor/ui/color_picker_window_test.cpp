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

  std::array<int, 3> Bars() const { return picker_->Bars(); }

  testing::ScriptedDialogs dialogs_;
  Editor editor_;
  std::unique_ptr<ColorPickerWindow> picker_;
};

TEST_F(ColorPickerWindowTest, TheTriangleCornersGiveAlmostPureColoursAtFullLight) {
  Press(picker_->SaturationBar(), {5, 100});  // the foot of the bar: the palest triangle is gone
  Release(picker_->SaturationBar(), {5, 100});
  ASSERT_LT(picker_->SaturationLevel(), 10);
  struct Case {
    QPoint click;
    int strong;  // the channel that must be near full
  };
  for (const Case& c : {Case{{64, 0}, 0}, Case{{0, 126}, 1}, Case{{127, 126}, 2}}) {
    Click(picker_->Triangle(), c.click);
    const std::array<int, 3> bars = Bars();
    for (int channel = 0; channel < 3; ++channel) {
      if (channel == c.strong) EXPECT_GE(bars[channel], 240) << c.click.x() << "," << c.click.y();
      else EXPECT_LE(bars[channel], 20) << c.click.x() << "," << c.click.y();
    }
  }
}

TEST_F(ColorPickerWindowTest, AClickBesideTheTriangleSnapsOntoItsEdgeAndNeverReadsTheBackground) {
  const QImage& triangle = picker_->Triangle()->Picture();
  for (int y = 0; y < ColorPickerWindow::kTriangleSize.height(); ++y) {
    for (int x : {0, ColorPickerWindow::kTriangleSize.width() - 1}) {
      Click(picker_->Triangle(), {x, y});
      const QPoint marked = picker_->Triangle()->MarkerPoint();
      EXPECT_EQ(qAlpha(triangle.pixel(marked)), 255) << x << "," << y;
      const QRgb pixel = triangle.pixel(marked);
      EXPECT_EQ(Bars(), (std::array{qRed(pixel), qGreen(pixel), qBlue(pixel)}));
    }
  }
  Click(picker_->Triangle(), {0, 0});
  EXPECT_EQ(picker_->Triangle()->MarkerPoint().y(), 2);
}

TEST_F(ColorPickerWindowTest, TheShaderDarkensTheTriangleAndItsReleaseSetsThreeEqualBars) {
  picker_->SetBars(10, 200, 30);
  const QImage before = picker_->Triangle()->Picture();
  Press(picker_->Shader(), {7, 19});
  EXPECT_LT(picker_->ShadeLevel(), 255);
  EXPECT_NE(picker_->Triangle()->Picture(), before);
  EXPECT_EQ(Bars(), (std::array{10, 200, 30}));  // not until the release
  Release(picker_->Shader(), {7, 19});
  EXPECT_EQ(Bars(), (std::array{picker_->ShadeLevel(), picker_->ShadeLevel(), picker_->ShadeLevel()}));
}

TEST_F(ColorPickerWindowTest, RightClicksOpenHelpAndChangeNothing) {
  picker_->SetBars(1, 2, 3);
  const int saturation = picker_->SaturationLevel();
  Click(picker_->Shader(), {7, 30}, Qt::RightButton);
  Click(picker_->Triangle(), {64, 60}, Qt::RightButton);
  Click(picker_->SaturationBar(), {5, 30}, Qt::RightButton);
  EXPECT_EQ(dialogs_.helpTopics, (std::vector<std::string>{"color_shader", "color_triangle", "color_saturation"}));
  EXPECT_EQ(Bars(), (std::array{1, 2, 3}));
  EXPECT_EQ(picker_->SaturationLevel(), saturation);
  EXPECT_EQ(picker_->ShadeLevel(), 255);
}

TEST_F(ColorPickerWindowTest, TheSaturationBarRepaintsTheTriangleOnly) {
  picker_->SetBars(4, 5, 6);
  EXPECT_EQ(picker_->SaturationLevel(), 191);
  const QImage before = picker_->Triangle()->Picture();
  Press(picker_->SaturationBar(), {5, 0});
  EXPECT_EQ(picker_->SaturationLevel(), 248);
  EXPECT_NE(picker_->Triangle()->Picture(), before);
  EXPECT_EQ(Bars(), (std::array{4, 5, 6}));
}

TEST_F(ColorPickerWindowTest, TheBarsShowTheirValuesAndTheSample) {
  picker_->SetBars(255, 0, 10);
  EXPECT_EQ(picker_->ValueLabel(0)->text(), "255");
  EXPECT_EQ(picker_->ValueLabel(1)->text(), "0");
  EXPECT_EQ(picker_->ValueLabel(2)->text(), "10");
  EXPECT_EQ(picker_->SampleColor(), QColor(255, 0, 10));
}

TEST_F(ColorPickerWindowTest, ChooseColorReturnsThePaddedColourOnOkAndNothingOnCancel) {
  QTimer::singleShot(0, [this] { picker_->OkButton()->click(); });
  EXPECT_EQ(ChooseColor(*picker_, "255,0,10"), "255,000,010");
  QTimer::singleShot(0, [this] {
    picker_->SetBars(1, 1, 1);
    picker_->CancelButton()->click();
  });
  EXPECT_EQ(ChooseColor(*picker_, "255,0,10"), "");
}

TEST_F(ColorPickerWindowTest, KeepsAPictureOfThePicker) {
  picker_->show();
  Press(picker_->SaturationBar(), {5, 30});
  Click(picker_->Triangle(), {70, 80});
  EXPECT_TRUE(testing::SaveScreenshot(*picker_, "color_picker"));
}

}  // namespace
}  // namespace brolt::editor
