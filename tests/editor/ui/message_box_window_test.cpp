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

void Key(MessageBoxWindow& box, Qt::Key key) { QTest::keyClick(&box, key); }

// Asks, lets `act` look at and answer the shown box, and returns the answer.
int Ask(MessageBoxWindow& box, ButtonSet set, const std::string& help, const Action& act,
        const std::string& text = "Save the level?") {
  testing::WhenModalShown([&](QWidget*) { act(box); });
  const int answer = box.Ask(text, set, help);
  EXPECT_FALSE(box.isVisible());
  return answer;
}

TEST(MessageBoxWindow, EnterTakesTheDefaultButtonEscapeAndCloseTheCloseAnswerAndAClickItsOwn) {
  struct Case {
    ButtonSet set;
    int enter;
    int escape;  // closing the window answers as Escape does
  };
  Editor editor;
  MessageBoxWindow box(editor);
  for (const Case& c : {Case{ButtonSet::OK, 1, 1}, Case{ButtonSet::YesNo, 1, 2}, Case{ButtonSet::OKCancel, 1, 2},
                        Case{ButtonSet::YesNoCancel, 0, 2}}) {
    const ButtonLayout layout = ButtonLayoutFor(c.set);
    const std::string name = std::string(layout.captions[0]).append(layout.captions[1]).append(layout.captions[2]);
    const int enter = Ask(box, c.set, "", [&](MessageBoxWindow& b) {
      for (int i = 0; i < 3; ++i)
        EXPECT_EQ(b.Button(i)->isVisible() ? b.Button(i)->text().toStdString() : "", layout.captions[i]) << name << i;
      Key(b, Qt::Key_Return);
    });
    EXPECT_EQ(enter, c.enter) << name;
    EXPECT_EQ(Ask(box, c.set, "", [](MessageBoxWindow& b) { Key(b, Qt::Key_Escape); }), c.escape) << name;
    EXPECT_EQ(Ask(box, c.set, "", [](MessageBoxWindow& b) { b.close(); }), c.escape) << name;
    for (int i = 0; i < 3; ++i) {
      if (layout.captions[i].empty()) continue;
      EXPECT_EQ(Ask(box, c.set, "", [i](MessageBoxWindow& b) { QTest::mouseClick(b.Button(i), Qt::LeftButton); }), i)
          << name << i;
    }
  }
}

TEST(MessageBoxWindow, ShowsTheTextAtTheDialogOpacityAndTheHelpButtonOnlyWithAKeyLeavingTheBoxOpen) {
  Editor editor;
  testing::ScriptedDialogs dialogs;
  editor.ui.dialogs = &dialogs;
  MessageBoxWindow box(editor);
  box.SetErrorIconVisible(true);
  const auto shown = [](MessageBoxWindow& b) {
    EXPECT_NEAR(b.windowOpacity(), 230 / 255.0, 0.01);
    EXPECT_EQ(b.MessageLabel()->text(), QString::fromUtf8("ERROR:  Disk full. Café"));
    EXPECT_TRUE(b.ErrorIcon()->isVisible());
    EXPECT_FALSE(b.HelpButton()->isVisible());
    Key(b, Qt::Key_Return);
  };
  Ask(box, ButtonSet::OK, "", shown, "ERROR:  Disk full. Caf\xE9");
  EXPECT_EQ(box.size(), QSize(296, 192)) << "4440 x 2880 twips";
  Ask(box, ButtonSet::YesNo, "xopastemode", [](MessageBoxWindow& b) {
    ASSERT_TRUE(b.HelpButton()->isVisible());
    QTest::mouseClick(b.HelpButton(), Qt::LeftButton);
    EXPECT_TRUE(b.isVisible());
    Key(b, Qt::Key_Escape);
  });
  EXPECT_EQ(dialogs.helpTopics, (std::vector<std::string>{"xopastemode"}));
}

}  // namespace
}  // namespace brolt::editor
