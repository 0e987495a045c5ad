// A collection's name too long for its box, in the tool bar and in the save and load dialogs: two
// names that share their first letters must not look like one.
#include "editor/ui/qt/fitted_text.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "editor/model/collections/load_dialog_rules.h"
#include "editor/model/collections/save_dialog_rules.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/synthetic_tileset.h"
#include "editor/ui/dialogs/load_dialog.h"
#include "editor/ui/dialogs/save_dialog.h"
#include "editor/ui/main_window/main_window.h"

namespace brolt::editor {
namespace {

// A name as the designer sees it: the text drawn and the tip that pointing at it brings up.
struct Seen {
  QString text;
  QString tip;
};

QString TipOf(QWidget& widget) {
  QHelpEvent pointed(QEvent::ToolTip, QPoint(2, 2), widget.mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(&widget, &pointed);
  return widget.toolTip();
}

// What a collection box shows. Drawn again with its shown text as its entry, the box looks the same:
// the text it draws is the one it says it shows, and it draws one.
Seen SeenIn(FittedComboBox& box) {
  const QString name = box.currentText();
  const QString shown = box.ShownText();
  const QImage drawn = box.grab().toImage();
  box.setItemText(box.currentIndex(), shown);
  EXPECT_EQ(box.grab().toImage(), drawn) << "the box draws " << shown.toStdString();
  box.setItemText(box.currentIndex(), QString());
  EXPECT_NE(box.grab().toImage(), drawn) << "the box draws no text";
  box.setItemText(box.currentIndex(), name);
  return {shown, TipOf(box)};
}

// Two pairs of names alike in their first letters.
constexpr const char* kTwo = "Mountain Mayhem Two.lvl";
constexpr const char* kOne = "Mountain Mayhem One.lvl";
constexpr const char* kTwoAtNight = "Mountain Mayhem Two Revisited At Night.lvl";
constexpr const char* kTwoAtDawn = "Mountain Mayhem Two Revisited At Dawn.lvl";

struct FittedNames : testing::LevelsFolderEditor {
  FittedNames() {
    for (const char* name : {kTwo, kOne, kTwoAtNight, kTwoAtDawn, "Set.lvl"}) WriteLevels(name, {"Level"});
  }

  Seen ToolBar(const std::string& name) {
    const TilesetPictures pictures = testing::SyntheticTileset();
    MainWindow window(editor, pictures);
    window.show();
    window.ShowLevelCaption("Level", "(001/001)", name);
    auto* label = window.findChild<QLabel*>("txtLevelFile");
    return {label->text(), TipOf(*label)};
  }
  // The collection box of a save or load dialog open on the collection `name`.
  template <typename Dialog, typename State, bool (*Prepare)(Editor&, State&)>
  Seen DialogBox(const std::string& name) {
    editor.prefs.LevelFile = name;
    State state;
    EXPECT_TRUE(Prepare(editor, state));
    Dialog dialog(editor, state);
    dialog.show();
    return SeenIn(*dialog.Files());
  }
};

TEST(FittedText, ANameTooLongForItsBoxEndsInAnEllipsisAndShowsWholeAsItsTip) {
  using See = Seen (FittedNames::*)(const std::string&);
  const See toolBar = &FittedNames::ToolBar;
  const See save = &FittedNames::DialogBox<SaveDialog, SaveDialogState, PrepareSaveDialog>;
  const See load = &FittedNames::DialogBox<LoadDialog, LoadDialogState, PrepareLoadDialog>;
  struct Case {
    const char* place;
    See see;
    const char* name;
    bool cut;
  };
  // The tool bar's 68 pixels hold 14 letters; the dialogs' boxes hold about 25.
  const Case cases[] = {
      {"tool bar", toolBar, kTwo, true},       {"tool bar", toolBar, kOne, true},
      {"tool bar", toolBar, "Set.lvl", false}, {"load dialog", load, kTwo, false},
      {"load dialog", load, kTwoAtNight, true}, {"load dialog", load, kTwoAtDawn, true},
      {"save dialog", save, kTwo, false},      {"save dialog", save, kTwoAtNight, true},
      {"save dialog", save, kTwoAtDawn, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.place) + ", " + c.name);
    FittedNames t;
    const Seen seen = (t.*c.see)(c.name);
    const QString name = QString::fromUtf8(c.name);
    if (!c.cut) {
      EXPECT_EQ(seen.text, name);
      EXPECT_EQ(seen.tip, "");
      continue;
    }
    EXPECT_TRUE(seen.text.endsWith(QChar(0x2026)) && name.startsWith(seen.text.chopped(1))) << seen.text.toStdString();
    EXPECT_GE(seen.text.size(), 8) << "cut no shorter than the box needs";
    EXPECT_EQ(seen.tip, name);
  }
}

}  // namespace
}  // namespace brolt::editor
