#include "editor/ui/message_box_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>

#include "editor/model/editor.h"
#include "editor/model/message_box.h"
#include "editor/support/modal_script.h"
#include "editor/support/scripted_dialogs.h"

namespace brolt::editor {
namespace {

using Action = std::function<void(MessageBoxWindow&)>;

const Action kEnter = [](MessageBoxWindow& box) { QTest::keyClick(&box, Qt::Key_Return); };
const Action kEscape = [](MessageBoxWindow& box) { QTest::keyClick(&box, Qt::Key_Escape); };
const Action kClose = [](MessageBoxWindow& box) { box.close(); };
Action Click(int index) {
  return [index](MessageBoxWindow& box) { QTest::mouseClick(box.Button(index), Qt::LeftButton); };
}

struct PressCase {
  const char* name;
  ButtonSet set;
  Action press;
  int answer;
};

TEST(MessageBoxWindow, EachButtonSetAnswersEnterEscapeCloseAndClicks) {
  const PressCase cases[] = {
      {"OK enter", ButtonSet::OK, kEnter, 1},
      {"OK escape", ButtonSet::OK, kEscape, 1},
      {"OK close", ButtonSet::OK, kClose, 1},
      {"OK click", ButtonSet::OK, Click(1), 1},
      {"YesNo enter", ButtonSet::YesNo, kEnter, 1},
      {"YesNo escape", ButtonSet::YesNo, kEscape, 2},
      {"YesNo close", ButtonSet::YesNo, kClose, 2},
      {"YesNo no", ButtonSet::YesNo, Click(2), 2},
      {"OKCancel enter", ButtonSet::OKCancel, kEnter, 1},
      {"OKCancel escape", ButtonSet::OKCancel, kEscape, 2},
      {"OKCancel close", ButtonSet::OKCancel, kClose, 2},
      {"YesNoCancel enter", ButtonSet::YesNoCancel, kEnter, 0},
      {"YesNoCancel escape", ButtonSet::YesNoCancel, kEscape, 2},
      {"YesNoCancel close", ButtonSet::YesNoCancel, kClose, 2},
      {"YesNoCancel no", ButtonSet::YesNoCancel, Click(1), 1},
  };
  Editor editor;
  MessageBoxWindow box(editor);
  for (const PressCase& c : cases) {
    QStringList shown;
    testing::WhenModalShown([&](QWidget*) {
      for (int i = 0; i < 3; ++i) shown << (box.Button(i)->isVisible() ? box.Button(i)->text() : QString());
      c.press(box);
    });
    EXPECT_EQ(box.Ask("Save the level?", c.set, ""), c.answer) << c.name;
    const ButtonLayout layout = ButtonLayoutFor(c.set);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(shown.value(i).toStdString(), layout.captions[i]) << c.name << i;
    EXPECT_FALSE(box.isVisible()) << c.name;
  }
}

TEST(MessageBoxWindow, TheHelpButtonShowsOnlyWithAKeyAndLeavesTheBoxOpen) {
  Editor editor;
  testing::ScriptedDialogs dialogs;
  editor.ui.dialogs = &dialogs;
  MessageBoxWindow box(editor);
  bool helpShown = true;
  testing::WhenModalShown([&](QWidget*) {
    helpShown = box.HelpButton()->isVisible();
    QTest::keyClick(&box, Qt::Key_Return);
  });
  box.Ask("No help here.", ButtonSet::OK, "");
  EXPECT_FALSE(helpShown);

  bool openAfterHelp = false;
  testing::WhenModalShown([&](QWidget*) {
    helpShown = box.HelpButton()->isVisible();
    QTest::mouseClick(box.HelpButton(), Qt::LeftButton);
    openAfterHelp = box.isVisible();
    QTest::keyClick(&box, Qt::Key_Escape);
  });
  EXPECT_EQ(box.Ask("You are in paste mode.", ButtonSet::YesNo, "xopastemode"), 2);
  EXPECT_TRUE(helpShown);
  EXPECT_TRUE(openAfterHelp);
  EXPECT_EQ(dialogs.helpTopics, (std::vector<std::string>{"xopastemode"}));
}

TEST(MessageBoxWindow, ShowsAtTheDialogOpacityWithTheTextAndTheErrorPictureWhenAsked) {
  Editor editor;
  MessageBoxWindow box(editor);
  box.SetErrorIconVisible(true);
  double opacity = 0;
  QString text;
  bool icon = false;
  testing::WhenModalShown([&](QWidget*) {
    opacity = box.windowOpacity();
    text = box.MessageLabel()->text();
    icon = box.ErrorIcon()->isVisible();
    QTest::keyClick(&box, Qt::Key_Return);
  });
  box.Ask("ERROR:  Disk full. Caf\xE9", ButtonSet::OK, "");
  EXPECT_NEAR(opacity, 230 / 255.0, 0.01);
  EXPECT_EQ(text, QString::fromUtf8("ERROR:  Disk full. Café"));
  EXPECT_TRUE(icon);
  EXPECT_EQ(box.size(), QSize(296, 192)) << "4440 x 2880 twips";
}

}  // namespace
}  // namespace brolt::editor
