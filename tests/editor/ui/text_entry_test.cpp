// Every way text reaches a text field goes through the field's typing rules.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <optional>
#include <vector>

#include "editor/support/collection_fixture.h"
#include "editor/support/fake_help_host.h"
#include "editor/support/help_database.h"
#include "editor/support/modal_script.h"
#include "editor/ui/compile_dialog.h"
#include "editor/ui/help_page_view.h"
#include "editor/ui/help_window.h"
#include "editor/ui/input_box_window.h"
#include "editor/ui/input_line.h"
#include "editor/ui/level_properties_window.h"
#include "editor/ui/qt_dialogs.h"
#include "editor/ui/qt_text.h"
#include "editor/ui/save_dialog.h"

namespace brolt::editor {
namespace {

// Puts the text into the field the way one of the designer's ways does; false when that way does not
// reach the field.
using Way = std::function<bool(QWidget* field, const QString& text)>;

// Where a text box takes its mouse and drops.
QWidget* Surface(QWidget* field) {
  auto* box = qobject_cast<QPlainTextEdit*>(field);
  return box != nullptr ? box->viewport() : field;
}

QString TextOf(QWidget* field) {
  auto* box = qobject_cast<QPlainTextEdit*>(field);
  return box != nullptr ? box->toPlainText() : static_cast<QLineEdit*>(field)->text();
}

void Empty(QWidget* field) {
  if (auto* box = qobject_cast<QPlainTextEdit*>(field)) box->clear();
  else static_cast<QLineEdit*>(field)->clear();
}

struct EntryWay {
  const char* name;
  Way put;
};

// The ways this platform offers: X11's selection only where there is one, drops only onto fields
// that take them.
std::vector<EntryWay> Ways() {
  std::vector<EntryWay> ways = {
      // A keyboard or an input tool may send a whole text with one key press.
      {"keys", [](QWidget* field, const QString& text) {
         QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, Qt::NoModifier);
         return true;
       }},
      {"Ctrl+V", [](QWidget* field, const QString& text) {
         QApplication::clipboard()->setText(text);
         QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
         return true;
       }},
      {"Shift+Insert", [](QWidget* field, const QString& text) {
         QApplication::clipboard()->setText(text);
         QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
         return true;
       }},
      {"drop", [](QWidget* field, const QString& text) {
         if (!Surface(field)->acceptDrops()) return false;
         QMimeData data;
         data.setText(text);
         QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(Surface(field), &enter);
         QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(Surface(field), &drop);
         return true;
       }},
      {"input method", [](QWidget* field, const QString& text) {
         QInputMethodEvent commit;
         commit.setCommitString(text);
         QApplication::sendEvent(field, &commit);
         return true;
       }},
  };
  if (QApplication::clipboard()->supportsSelection()) {
    ways.push_back({"middle button", [](QWidget* field, const QString& text) {
                      QApplication::clipboard()->setText(text, QClipboard::Selection);
                      QTest::mouseClick(Surface(field), Qt::MiddleButton, Qt::NoModifier, QPoint(4, 4));
                      return true;
                    }});
  } else {
    std::cout << "This platform has no X11 selection: the middle button is not checked.\n";
  }
  return ways;
}

struct TextFields : testing::CollectionFixture {
  TextFields() {
    WriteLevels("Set.lvl", {"Level"});
    choices.files = {"Set.lvl"};
    choices.file = "Set.lvl";
    EXPECT_TRUE(PrepareSaveDialog(editor, saving));
  }

  CompileChoices choices;
  SaveDialogState saving;
};

TEST_F(TextFields, EveryWayTextComesInGoesThroughTheFieldsTypingRules) {
  struct Entry {
    const char* name;
    QString text;
    QString typed;  // what typing the letters by hand would give, before the field's length limit
  };
  const Entry entries[] = {
      {"a control byte", QStringLiteral("ab\x01" "c"), "Abc"},
      {"a tab", QStringLiteral("ab\tc"), "Abc"},
      {"line breaks", QStringLiteral("one\r\ntwo\nthree"), "One Two Three"},
      {"a character beyond one byte", QString::fromUtf8("\u20ACuro lower"), "Uro Lower"},
      {"an overlong text", QStringLiteral("abc ").repeated(70), QStringLiteral("Abc ").repeated(70)},
  };

  InputBoxWindow inputBox(editor);
  LevelPropertiesWindow properties(editor, nullptr);
  SaveDialog save(editor, saving);
  CompileDialog compile(editor, choices);
  // Fills the field, emptied and shown, by `put` and returns what it then holds; nothing when the way
  // does not reach it.
  using Put = std::function<bool(QWidget*)>;
  using Fill = std::function<std::optional<QString>(const Put& put)>;
  const auto shownIn = [](QWidget& window, QWidget* field) -> Fill {
    return [&window, field](const Put& put) -> std::optional<QString> {
      window.show();
      Empty(field);
      field->setFocus();
      if (!put(field)) return std::nullopt;
      return TextOf(field);
    };
  };
  struct Field {
    const char* name;
    int limit;
    Fill fill;
  };
  const Field fields[] = {
      // The input box as renaming a level asks for a title.
      {"input box", 30,
       [&](const Put& put) -> std::optional<QString> {
         bool reached = false;
         testing::WhenModalShown([&](QWidget*) {
           reached = put(inputBox.Line());
           QTest::keyClick(inputBox.Line(), Qt::Key_Return);
         });
         const QString answer = ToQString(inputBox.Ask("Type a new level title below.", "[PROPER]", 30));
         return reached ? std::optional(answer) : std::nullopt;
       }},
      {"level title", 29, shownIn(properties, properties.TitleBox())},
      {"save title", 29, shownIn(save, save.Title())},
      {"introduction tag", 240, shownIn(compile, compile.findChild<QPlainTextEdit*>("txtCmnts"))},
  };

  const std::vector<EntryWay> ways = Ways();
  for (const Field& field : fields) {
    for (const EntryWay& way : ways) {
      for (const Entry& entry : entries) {
        const std::optional<QString> held = field.fill([&](QWidget* widget) { return way.put(widget, entry.text); });
        if (held) {
          EXPECT_EQ(held->toStdString(), entry.typed.left(field.limit).toStdString())
              << field.name << ", " << way.name << ", " << entry.name;
        }
      }
    }
  }
}

// The designer edits help topics in developer mode; a topic keeps its lines.
TEST(HelpPageEntry, EveryWayTextComesInLeavesOutCharactersBeyondOneByte) {
  testing::HelpDatabase database{testing::SampleTopics()};
  Editor editor;
  database.OpenInto(editor);
  editor.DeveloperMode = true;
  testing::FakeHelpHost host;
  QtDialogs dialogs{editor, host};
  editor.ui.dialogs = &dialogs;
  dialogs.ShowHelpTopic("zoom");
  HelpPageView* page = dialogs.Help().Page();
  for (const EntryWay& way : Ways()) {
    page->clear();
    page->setFocus();
    if (way.put(page, QString::fromUtf8("Zoom \u20AC5\nor the wheel"))) {
      EXPECT_EQ(page->toPlainText().toStdString(), "Zoom 5\nor the wheel") << way.name;
    }
  }
}

}  // namespace
}  // namespace brolt::editor
