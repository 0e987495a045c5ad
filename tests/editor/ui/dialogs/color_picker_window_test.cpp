#include "editor/ui/dialogs/color_picker_window.h"

#include <gtest/gtest.h>

#include <QTimer>

#include "editor/model/commands/apply_color_scheme.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/skinned_editor.h"
#include "editor/support/widget_events.h"
#include "editor/ui/dialogs/color_gradients.h"

namespace brolt::editor {
namespace {

TEST(DrawColorGradients, TheTrianglesCornersAreItsChannelsAtTheLightOverTheSaturationAndTheBarsFadeToBlack) {
  using Corners = std::array<QRgb, 3>;  // top, lower left, lower right
  for (const auto& [light, saturation, corners] :
       {std::tuple{255, 0, Corners{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}},
        std::tuple{200, 200, Corners{qRgb(200, 200, 200), qRgb(200, 200, 200), qRgb(200, 200, 200)}},
        std::tuple{180, 40, Corners{qRgb(180, 40, 40), qRgb(40, 180, 40), qRgb(40, 40, 180)}},
        std::tuple{255, -30, Corners{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}}}) {  // below 0 paints as 0
    const QImage triangle = DrawColorGradients({101, 90}, {12, 50}, {12, 50}, light, saturation, Qt::black).Triangle;
    EXPECT_EQ((Corners{triangle.pixel(50, 0), triangle.pixel(0, 89), triangle.pixel(100, 89)}), corners) << light;
    EXPECT_EQ(qAlpha(triangle.pixel(0, 0)) + qAlpha(triangle.pixel(100, 0)), 0) << "clear outside";
  }
  const ColorGradients gradients = DrawColorGradients({101, 90}, {12, 50}, {12, 50}, 255, 0, QColor(90, 160, 30));
  const QRgb centre = gradients.Triangle.pixel(50, 60);  // a third of each corner
  for (int channel : {qRed(centre), qGreen(centre), qBlue(centre)}) EXPECT_NEAR(channel, 85, 2);
  // The bars run from their top colour to black above their last two rows, which stay clear.
  for (const auto& [bar, top] :
       {std::pair{gradients.Shader, qRgb(255, 255, 255)}, {gradients.Saturation, qRgb(90, 160, 30)}}) {
    ASSERT_EQ(bar.size(), QSize(12, 50));
    for (int x : {0, 11}) {
      EXPECT_EQ(bar.pixel(x, 0), top) << x;
      EXPECT_EQ(bar.pixel(x, 24), qRgb(qRed(top) / 2, qGreen(top) / 2, qBlue(top) / 2)) << x << ": halfway down";
      EXPECT_LE(qGray(bar.pixel(x, 47)), 6) << x;
      EXPECT_EQ(qAlpha(bar.pixel(x, 48)) + qAlpha(bar.pixel(x, 49)), 0) << x;
    }
  }
}

struct ColorPickerWindowTest : ::testing::Test, testing::LevelsFolderEditor {
  ColorPickerWindowTest() {
    testing::SetTestColorScheme(editor);
    picker = std::make_unique<ColorPickerWindow>(editor, nullptr);
  }

  std::unique_ptr<ColorPickerWindow> picker;
};

TEST_F(ColorPickerWindowTest, AClickBesideTheTriangleSnapsOntoItsEdgeAndTakesThePixelThere) {
  const QImage& triangle = picker->Triangle()->Picture();
  const QSize size = ColorPickerWindow::kTriangleSize;
  for (int y = 0; y < size.height(); ++y) {
    for (int x : {0, size.width() - 1}) {
      testing::Click(picker->Triangle(), {x, y});
      const QRgb pixel = triangle.pixel(picker->Triangle()->MarkerPoint());
      EXPECT_EQ(qAlpha(pixel), 255) << x << "," << y;  // never the clear background
      EXPECT_EQ(picker->Bars(), (std::array{qRed(pixel), qGreen(pixel), qBlue(pixel)})) << x << "," << y;
    }
  }
  // The outline lies over the triangle in GridDark and is never read.
  EXPECT_EQ(picker->Triangle()->grab().toImage().pixelColor(0, size.height() - 1), QColor(20, 30, 60));
}

// Whether the picture as shown differs from its own gradient anywhere within `reach` pixels of `at`.
bool MarkedNear(GradientPicture* picture, QPoint at, int reach) {
  const QImage shown = picture->grab().toImage();
  for (int y = at.y() - reach; y <= at.y() + reach; ++y)
    for (int x = at.x() - reach; x <= at.x() + reach; ++x)
      if (picture->rect().contains(x, y) && shown.pixel(x, y) != picture->Picture().pixel(x, y)) return true;
  return false;
}

// The designer sees where the triangle and the bars were picked.
TEST_F(ColorPickerWindowTest, EachPickedPlaceShowsItsMarker) {
  testing::Click(picker->Triangle(), {64, 60});
  EXPECT_TRUE(MarkedNear(picker->Triangle(), picker->Triangle()->MarkerPoint(), 6));
  for (GradientPicture* bar : {picker->Shader(), picker->SaturationBar()}) {
    // Halfway down, where the bar is painted: its last two rows are left clear and never match the picture.
    testing::Click(bar, {5, 20});
    ASSERT_TRUE(bar->MarkerShown());
    EXPECT_TRUE(MarkedNear(bar, bar->MarkerPoint() + QPoint(5, 0), 2)) << bar->objectName().toStdString();
  }
}

TEST_F(ColorPickerWindowTest, BothBarsRepaintTheTriangleKeepTheirLevelsTillTheColoursChangeOnlyTheShaderSetsBars) {
  picker->SetBars(10, 200, 30);
  testing::Click(picker->Shader(), {7, 30}, Qt::RightButton);
  testing::Click(picker->Triangle(), {64, 60}, Qt::RightButton);
  testing::Click(picker->SaturationBar(), {5, 30}, Qt::RightButton);
  EXPECT_EQ(dialogs.helpTopics, (std::vector<std::string>{"color_shader", "color_triangle", "color_saturation"}));
  EXPECT_EQ((std::array{picker->ShadeLevel(), picker->SaturationLevel()}), (std::array{255, 191}));

  QImage before = picker->Triangle()->Picture();
  testing::Press(picker->SaturationBar(), {5, 0});
  EXPECT_NE(picker->Triangle()->Picture(), before);
  before = picker->Triangle()->Picture();
  testing::Press(picker->Shader(), {7, 19});
  const int shade = picker->ShadeLevel();
  EXPECT_TRUE(shade > 0 && shade < 255) << shade;  // the pixel pressed, not the clear edge or the top
  EXPECT_NE(picker->Triangle()->Picture(), before);
  EXPECT_EQ(picker->Bars(), (std::array{10, 200, 30}));
  testing::Release(picker->Shader(), {7, 19});
  EXPECT_EQ(picker->Bars(), (std::array{shade, shade, shade}));
  // The next use, then the one after a change of the colour preferences: levels and marker.
  for (const auto& [applied, expected] :
       {std::pair{false, std::array{shade, 248, 1}}, std::pair{true, std::array{255, 191, 10}}}) {
    if (applied) ApplyColorScheme(editor, false);
    picker = std::make_unique<ColorPickerWindow>(editor, nullptr);
    const int marker = picker->SaturationBar()->MarkerPoint().y();
    EXPECT_EQ((std::array{picker->ShadeLevel(), picker->SaturationLevel(), marker}), expected) << applied;
  }
}

TEST_F(ColorPickerWindowTest, TheLabelsAndTheSampleShowTheBarsOkReturnsThemAndCancelNothing) {
  for (const bool ok : {true, false}) {
    QTimer::singleShot(0, [this, ok] {
      const auto shown = [this](int bar) { return picker->ValueLabel(bar)->text(); };
      EXPECT_EQ(QStringList({shown(0), shown(1), shown(2)}).join(','), "255,0,10");
      EXPECT_EQ(picker->SampleColor(), QColor(255, 0, 10));
      testing::Click(picker->Triangle(), {70, 80});
      EXPECT_EQ(picker->SampleColor(), QColor(shown(0).toInt(), shown(1).toInt(), shown(2).toInt()));
      EXPECT_TRUE(testing::SaveScreenshot(*picker, "color_picker"));
      picker->SetBars(255, 0, 10);
      (ok ? picker->OkButton() : picker->CancelButton())->click();
    });
    EXPECT_EQ(ChooseColor(*picker, "255,0,10"), ok ? "255,000,010" : "") << ok;
  }
}

}  // namespace
}  // namespace brolt::editor
