// What every dialog of the editor shares: its help, asked for from each label and button, its
// labels lit under the pointer, and its controls laid out where they can be seen and clicked.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegion>
#include <QStyle>
#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>

#include "editor/model/collections/load_dialog_rules.h"
#include "editor/model/collections/save_dialog_rules.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/skinned_editor.h"
#include "editor/support/widget_events.h"
#include "editor/ui/qt/qt_colors.h"
#include "editor/ui/dialogs/color_picker_window.h"
#include "editor/ui/dialogs/compile_dialog.h"
#include "editor/ui/dialogs/gradient_picture.h"
#include "editor/ui/dialogs/level_management_dialog.h"
#include "editor/ui/dialogs/level_preview_widget.h"
#include "editor/ui/dialogs/level_properties_window.h"
#include "editor/ui/dialogs/load_dialog.h"
#include "editor/ui/dialogs/preferences_window.h"
#include "editor/ui/dialogs/save_dialog.h"
#include "editor/ui/main_window/tile_counter_window.h"

namespace brolt::editor {
namespace {

// Every dialog of the editor over a levels folder with one collection, in the test colours.
struct DialogFrames : ::testing::Test, testing::LevelsFolderEditor {
  using Make = std::function<std::unique_ptr<DialogFrame>()>;
  struct Case {
    const char* dialog;
    Make make;
    std::vector<std::string> labels;   // the topics its labels open, in the order they were made
    std::vector<std::string> buttons;  // OK, Cancel and the help button
    // Its other controls that open a topic on a right click, found by their caption, tip or kind.
    std::vector<std::pair<QString, std::string>> rightClicks = {};
  };

  DialogFrames() {
    testing::SetTestColorScheme(editor);
    WriteLevels("Set.lvl", {"A"});
    editor.prefs.LevelFile = "Set.lvl";
    EXPECT_TRUE(PrepareSaveDialog(editor, saving) && PrepareLoadDialog(editor, loading));
    compiling.files = {"Set.lvl"};
    compiling.file = "Set.lvl";
  }

  std::vector<Case> Cases() {
    const std::string ok = "button_ok", cancel = "button_cancel";
    return {
        {"save", [&] { return std::make_unique<SaveDialog>(editor, saving); },
         {"level_title", "levels", "collectioncombo"}, {ok, cancel}, {{"...", "toolbar4"}}},
        {"load", [&] { return std::make_unique<LoadDialog>(editor, loading); },
         {"collectioncombo", "levels", "preview"}, {ok, cancel}, {{"...", "toolbar4"}}},
        {"compile", [&] { return std::make_unique<CompileDialog>(editor, compiling); },
         {"compile_availablelevels", "compile_availablelevels", "toolbar8", "collectioncombo", "compile_comments",
          "compile_congrats"},
         {ok, cancel, "toolbar8"}},
        {"level management", [&] { return std::make_unique<LevelManagementDialog>(editor, "Set.lvl"); },
         {"collectioncombo", "levels", "preview", "clipboard", "toolbar4"}, {ok, "toolbar4"}},
        {"level properties", [&] { return std::make_unique<LevelPropertiesWindow>(editor, nullptr); },
         {"toolbar3", "level_title", "level_timelimit", "level_timelimit", "level_timelimit", "level_unidaward",
          "level_unidaward", "level_cannonrate", "level_cannonrate", "level_lightradius", "level_lightradius"},
         {ok, cancel, "toolbar3"},
         {{"QLineEdit", "level_title"}, {"QCheckBox", "level_randomcolor"}}},
        {"preferences", [&] { return std::make_unique<PreferencesWindow>(editor, nullptr); },
         {"preferences", "prefs_bordercolor", "prefs_gridcolor1", "prefs_gridcolor2", "prefs_formfadein",
          "prefs_centeronscreen", "prefs_maximizeeditor", "prefs_mutemusic", "level_lightradius", "level_cannonrate"},
         {ok, cancel, "preferences"}, {{"QCheckBox", "prefs_chooserandomcolor"}}},
        {"colour picker", [&] { return std::make_unique<ColorPickerWindow>(editor, nullptr); },
         {"color_picker", "color_rgb", "color_rgb", "color_rgb", "color_rgb", "color_rgb", "color_rgb"},
         {ok, cancel, "color_picker"},
         {{" Color Triangle ", "color_triangle"}, {" Color Shader ", "color_shader"},
          {" Color Saturator ", "color_saturation"}}},
        {"tile counter", [&] { return std::make_unique<TileCounterWindow>(editor, nullptr); },
         {"tilecount", "tilecounter"}, {ok, "tilecount"}, {{"QCheckBox", "useprimarytilefortilecounter"}}},
    };
  }

  SaveDialogState saving;
  LoadDialogState loading;
  CompileChoices compiling;
};

TEST_F(DialogFrames, EveryLabelAndButtonOfEveryDialogOpensItsOwnTopic) {
  for (const Case& c : Cases()) {
    std::unique_ptr<DialogFrame> dialog = c.make();
    dialog->show();
    dialogs.helpTopics.clear();
    for (QLabel* label : dialog->findChildren<QLabel*>()) testing::Click(label, {2, 2});
    EXPECT_EQ(dialogs.helpTopics, c.labels) << c.dialog;
    dialogs.helpTopics.clear();
    for (QPushButton* button : {dialog->OkButton(), dialog->CancelButton()})
      if (button != nullptr) testing::Click(button, {5, 5}, Qt::RightButton);
    if (dialog->HelpButton() != nullptr) dialog->HelpButton()->click();
    EXPECT_EQ(dialogs.helpTopics, c.buttons) << c.dialog;
    for (const auto& [control, topic] : c.rightClicks) {
      dialogs.helpTopics.clear();
      QWidget* found = nullptr;
      for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        if (found == nullptr && (widget->toolTip() == control || widget->metaObject()->className() == control ||
                                 (button != nullptr && button->text() == control)))
          found = widget;
      }
      ASSERT_NE(found, nullptr) << c.dialog << ": " << control.toStdString();
      testing::Click(found, {3, 3}, Qt::RightButton);
      EXPECT_EQ(dialogs.helpTopics, std::vector<std::string>{topic}) << c.dialog << ": " << control.toStdString();
    }
    EXPECT_TRUE(dialog->isVisible()) << c.dialog << " closed by a right click";
  }
}

// The pointer over each label in turn lights every label that opens a topic, but the colour
// picker's values and their headings, and leaves it lit until it crosses the dialog itself, or the
// tile counter's list.
TEST_F(DialogFrames, ALabelThatOpensATopicLightsUnderThePointerUntilThePointerCrossesTheDialog) {
  const QColor light = ColorFromText(editor.prefs.GridLight);
  for (const Case& c : Cases()) {
    std::unique_ptr<DialogFrame> dialog = c.make();
    dialog->show();
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    const auto lit = [&] {
      std::vector<bool> shown;
      for (QLabel* label : labels) shown.push_back(label->palette().color(QPalette::WindowText) == light);
      return shown;
    };
    for (QLabel* label : labels) testing::SendMouse(label, QEvent::MouseMove, {2, 2}, Qt::NoButton, Qt::NoButton);
    const std::vector<bool> lighted = lit();
    dialogs.helpTopics.clear();
    std::vector<std::string> topics;
    for (std::size_t n = 0; n < static_cast<std::size_t>(labels.size()); ++n) {
      testing::Click(labels[static_cast<qsizetype>(n)], {2, 2});
      if (lighted[n]) topics.push_back(dialogs.helpTopics.empty() ? "(none)" : dialogs.helpTopics.back());
    }
    std::vector<std::string> expected;
    std::copy_if(c.labels.begin(), c.labels.end(), std::back_inserter(expected),
                 [](const std::string& topic) { return topic != "color_rgb"; });
    EXPECT_EQ(topics, expected) << c.dialog;

    QWidget* crossed = dialog.get();
    if (auto* counter = dynamic_cast<TileCounterWindow*>(dialog.get())) crossed = counter->Lines()->viewport();
    testing::SendMouse(crossed, QEvent::MouseMove, {1, 1}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(lit(), std::vector<bool>(lighted.size(), false)) << c.dialog;
  }
}

// Whether a widget is a control of its own: something the designer reads, clicks or types into.
bool IsControl(const QWidget* widget) {
  return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
         qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
         qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractSlider*>(widget) ||
         qobject_cast<const QLabel*>(widget) || dynamic_cast<const LevelPreviewWidget*>(widget) ||
         dynamic_cast<const GradientPicture*>(widget);
}

// Every control of every dialog stands whole inside it and clear of every other, so that each can be
// seen and clicked; only a control's own parts, such as the bars inside the colour triangle, stand
// on it. The panels behind them are placed too.
TEST_F(DialogFrames, EveryControlOfEveryDialogStandsInsideItClearOfTheOthers) {
  for (const Case& c : Cases()) {
    std::unique_ptr<DialogFrame> dialog = c.make();
    dialog->show();
    std::vector<std::pair<QWidget*, QRect>> controls;
    for (QWidget* widget : dialog->findChildren<QWidget*>())
      if (IsControl(widget) && widget->isVisibleTo(dialog.get()))
        controls.emplace_back(widget, QRect(widget->mapTo(dialog.get(), QPoint()), widget->size()));
    const auto name = [](QWidget* widget) {
      const auto* label = qobject_cast<QLabel*>(widget);
      const auto* button = qobject_cast<QAbstractButton*>(widget);
      return std::string(widget->metaObject()->className()) + " '" +
             (label ? label->text() : button ? button->text() : widget->objectName()).toStdString() + "'";
    };
    // The panels the controls stand on lie inside the dialog and, where it has any, fill most of it.
    QRegion panels;
    for (const QFrame* panel : dialog->findChildren<QFrame*>()) {
      if (panel->metaObject() != &QFrame::staticMetaObject || !panel->isVisibleTo(dialog.get())) continue;
      const QRect area(panel->mapTo(dialog.get(), QPoint()), panel->size());
      EXPECT_TRUE(dialog->rect().contains(area)) << c.dialog << ": a panel";
      panels += area;
    }
    long covered = 0;
    for (const QRect& part : panels) covered += static_cast<long>(part.width()) * part.height();
    EXPECT_TRUE(panels.isEmpty() || 2 * covered > static_cast<long>(dialog->width()) * dialog->height()) << c.dialog;
    // A heading names the group of controls on its panel, so it stands on one.
    for (const QLabel* heading : dialog->findChildren<QLabel*>())
      if (heading->font().bold() && heading->isVisibleTo(dialog.get()) && !panels.isEmpty())
        EXPECT_TRUE(panels.contains(QRect(heading->mapTo(dialog.get(), QPoint()), heading->size())))
            << c.dialog << ": heading '" << heading->text().toStdString() << "'";
    for (std::size_t n = 0; n < controls.size(); ++n) {
      const auto& [widget, area] = controls[n];
      EXPECT_TRUE(dialog->rect().contains(area) && !area.isEmpty()) << c.dialog << ": " << name(widget);
      for (std::size_t other = n + 1; other < controls.size(); ++other) {
        QWidget* second = controls[other].first;
        if (widget->isAncestorOf(second) || second->isAncestorOf(widget)) continue;
        EXPECT_FALSE(area.intersects(controls[other].second)) << c.dialog << ": " << name(widget) << " and " << name(second);
      }
    }
  }
}

// The box of collections reads on the dark grid colour and its "..." button on the light one, as
// in the other dialogs that choose a collection.
TEST_F(DialogFrames, TheCollectionBoxAndItsButtonWearTheGridColours) {
  const auto near = [](const QColor& shown, const std::string& colour) {
    const QColor wanted = ColorFromText(colour);
    return std::abs(shown.red() - wanted.red()) < 50 && std::abs(shown.green() - wanted.green()) < 50 &&
           std::abs(shown.blue() - wanted.blue()) < 50;
  };
  // Beside the caption, where the style draws the face.
  const auto face = [](QWidget* control) {
    const QImage shown = control->grab().toImage();
    return shown.pixelColor(4, shown.height() / 2);
  };
  for (const Case& c : Cases()) {
    if (std::string(c.dialog) != "save" && std::string(c.dialog) != "load") continue;
    const std::unique_ptr<DialogFrame> dialog = c.make();
    dialog->show();
    EXPECT_TRUE(near(face(dialog->findChild<QComboBox*>()), editor.prefs.GridDark)) << c.dialog;
    QAbstractButton* manage = nullptr;
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
      if (button->text() == "...") manage = button;
    ASSERT_NE(manage, nullptr) << c.dialog;
    EXPECT_TRUE(near(face(manage), editor.prefs.GridLight)) << c.dialog;
  }
}

// A button's caption on the border colour is white on a dark face and black on a light one.
TEST_F(DialogFrames, EveryDialogsButtonCaptionReadsOnTheBorderColour) {
  struct Shade {
    const char* border;
    bool whiteCaption;
  };
  for (const Shade shade : {Shade{"60,90,160", true}, Shade{"230,230,150", false}}) {
    editor.prefs.BorderColor = shade.border;
    for (const Case& c : Cases()) {
      const std::unique_ptr<DialogFrame> dialog = c.make();
      dialog->show();
      QPushButton* ok = dialog->OkButton();
      const QImage button = ok->grab().toImage();
      // The style's frame around the face may hold either colour; the caption is centred text.
      const QRect caption = QStyle::alignedRect(ok->layoutDirection(), Qt::AlignCenter,
                                                ok->fontMetrics().size(Qt::TextShowMnemonic, ok->text()), ok->rect());
      int white = 0, black = 0;
      for (int y = caption.top(); y <= caption.bottom(); ++y) {
        for (int x = caption.left(); x <= caption.right(); ++x) {
          const QColor pixel = button.pixelColor(x, y);
          const int lowest = std::min({pixel.red(), pixel.green(), pixel.blue()});
          const int highest = std::max({pixel.red(), pixel.green(), pixel.blue()});
          white += lowest > 215;
          black += highest < 40;
        }
      }
      EXPECT_GT(shade.whiteCaption ? white : black, 0) << c.dialog << " on " << shade.border;
      EXPECT_EQ(shade.whiteCaption ? black : white, 0) << c.dialog << " on " << shade.border;
    }
  }
}

}  // namespace
}  // namespace brolt::editor
