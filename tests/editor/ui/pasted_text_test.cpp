// Text that arrives whole meets the same rules as typing in every text field of the editor. The
// middle button's selection needs an X server: it is pasted on a real one in desktop_session_test.cpp.
#include "editor/ui/pasted_text.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

#include "editor/support/collection_fixture.h"
#include "editor/support/modal_script.h"
#include "editor/ui/compile_dialog.h"
#include "editor/ui/input_box_window.h"
#include "editor/ui/input_line.h"
#include "editor/ui/level_properties_window.h"
#include "editor/ui/save_dialog.h"

namespace brolt::editor {
namespace {

using Entry = std::function<void(QWidget* field, const QString& text)>;

void CtrlV(QWidget* field, const QString& text) {
  QApplication::clipboard()->setText(text);
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}
void ShiftInsert(QWidget* field, const QString& text) {
  QApplication::clipboard()->setText(text);
  QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
}
void InputMethod(QWidget* field, const QString& text) {
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QApplication::sendEvent(field, &commit);
}

// The entry made into an empty field; what the field then holds.
using Field = std::function<QString(const Entry& entry, const QString& text)>;

struct PastedTextTest : testing::CollectionFixture {
  Field InputBox() {
    return [this](const Entry& entry, const QString& text) {
      InputBoxWindow box(editor);
      testing::WhenModalShown([&](QWidget*) {
        entry(box.Line(), text);
        QTest::keyClick(box.Line(), Qt::Key_Return);
      });
      return QString::fromLatin1(box.Ask("Type a new level title below.", "[PROPER]", 30));
    };
  }
  Field LevelTitle() {
    return [this](const Entry& entry, const QString& text) {
      LevelPropertiesWindow window(editor, nullptr);
      auto* title = window.findChild<InputLine*>();
      title->clear();
      entry(title, text);
      return title->text();
    };
  }
  Field SaveTitle() {
    return [this](const Entry& entry, const QString& text) {
      SaveDialogState state;
      EXPECT_TRUE(PrepareSaveDialog(editor, state));
      SaveDialog dialog(editor, state);
      dialog.Title()->clear();
      entry(dialog.Title(), text);
      return dialog.Title()->text();
    };
  }
  Field Tag() {
    return [this](const Entry& entry, const QString& text) {
      CompileChoices choices;
      choices.files = {"Set.lvl"};
      choices.file = "Set.lvl";
      CompileDialog dialog(editor, choices);
      auto* tag = dialog.findChild<QPlainTextEdit*>("txtCmnts");
      entry(tag, text);
      return tag->toPlainText();
    };
  }
};

TEST_F(PastedTextTest, EveryWayTextArrivesKeepsTheFieldsRules) {
  WriteLevels("Set.lvl", {"Level"});
  const std::pair<const char*, Entry> entries[] = {{"Ctrl+V", CtrlV}, {"Shift+Insert", ShiftInsert},
                                                   {"input method", InputMethod}};
  const std::tuple<const char*, Field, int> fields[] = {{"input box", InputBox(), 30},
                                                        {"level title", LevelTitle(), 29},
                                                        {"save title", SaveTitle(), 29},
                                                        {"tag box", Tag(), 240}};
  const QString overlong(300, QLatin1Char('x'));
  for (const auto& [entryName, entry] : entries) {
    for (const auto& [fieldName, field, limit] : fields) {
      SCOPED_TRACE(std::string(entryName) + " into the " + fieldName);
      const std::pair<QString, QString> cases[] = {
          {QStringLiteral("a\x01" "b\x7f"), QStringLiteral("Ab")},
          {QStringLiteral("a\tb"), QStringLiteral("Ab")},
          {QStringLiteral("one\r\ntwo\nthree\r"), QStringLiteral("One Two Three ")},
          {QString::fromUtf8("\u20ACuro lower \u0141"), QStringLiteral("Uro Lower ")},
          {overlong, QLatin1Char('X') + QString(limit - 1, QLatin1Char('x'))},
      };
      for (const auto& [text, held] : cases) EXPECT_EQ(field(entry, text), held) << text.left(20).toStdString();
    }
  }
}

TEST(SiftPastedText, APageKeepsItsLineBreaksAndTabsAndDropsOtherControlsAndWideCharacters) {
  EXPECT_EQ(SiftPastedText(QString::fromUtf8("a\r\nb\rc\u2028d\te\x01\u00E9\u20AC"), false),
            QString::fromUtf8("a\nb\nc\nd\te\u00E9"));
  EXPECT_EQ(SiftPastedText(QString::fromUtf8("a\r\nb\rc\u2028d\te\x01\u00E9\u20AC"), true),
            QString::fromUtf8("a b c de\u00E9"));
}

}  // namespace
}  // namespace brolt::editor
