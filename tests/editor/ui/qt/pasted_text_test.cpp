// Text that arrives whole meets the same rules as typing in every text field of the editor. The
// middle button's selection needs an X server: it is checked here only where the platform has one
// (QT_QPA_PLATFORM=xcb), and pasted on a real one in desktop_session_test.cpp.
#include "editor/ui/qt/pasted_text.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <optional>
#include <vector>

#include "editor/support/collection_fixture.h"
#include "editor/support/fake_help_host.h"
#include "editor/support/help_database.h"
#include "editor/support/modal_script.h"
#include "editor/ui/boxes/help_page_view.h"
#include "editor/ui/boxes/help_window.h"
#include "editor/ui/boxes/input_box_window.h"
#include "editor/ui/boxes/qt_dialogs.h"
#include "editor/ui/dialogs/compile_dialog.h"
#include "editor/ui/dialogs/level_properties_window.h"
#include "editor/ui/dialogs/save_dialog.h"
#include "editor/ui/qt/input_line.h"

namespace brolt::editor {
namespace {

// Puts the text into the field; false when this way does not reach it.
using Entry = std::function<bool(QWidget* field, const QString& text)>;

bool CtrlV(QWidget* field, const QString& text) {
  QApplication::clipboard()->setText(text);
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  return true;
}
bool ShiftInsert(QWidget* field, const QString& text) {
  QApplication::clipboard()->setText(text);
  QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
  return true;
}
bool InputMethod(QWidget* field, const QString& text) {
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QApplication::sendEvent(field, &commit);
  return true;
}
// A keyboard or an input tool may send a whole text with one key press.
bool Keys(QWidget* field, const QString& text) {
  QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, Qt::NoModifier);
  return true;
}

// Where a text box takes its mouse and drops.
QWidget* Surface(QWidget* field) {
  auto* box = qobject_cast<QPlainTextEdit*>(field);
  return box != nullptr ? box->viewport() : field;
}

// Only onto a field that takes drops, as the desktop does.
bool Drop(QWidget* field, const QString& text) {
  if (!Surface(field)->acceptDrops()) return false;
  QMimeData data;
  data.setText(text);
  QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Surface(field), &enter);
  QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Surface(field), &drop);
  return true;
}

// Only where the field offers its own menu, whose Paste item the designer then chooses.
bool ContextMenu(QWidget* field, const QString& text) {
  QApplication::clipboard()->setText(text);
  bool offered = false;
  const auto choosePaste = [&offered] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    offered = true;
    for (QAction* item : menu->actions())
      if (item->text().contains("Paste")) item->trigger();
    menu->close();
  };
  // The menu may run its own loop or just pop up.
  QTimer whileOpen;
  whileOpen.setSingleShot(true);
  QObject::connect(&whileOpen, &QTimer::timeout, choosePaste);
  whileOpen.start(0);
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), Surface(field)->mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(Surface(field), &event);
  whileOpen.stop();
  choosePaste();
  return offered;
}

bool MiddleButton(QWidget* field, const QString& text) {
  QApplication::clipboard()->setText(text, QClipboard::Selection);
  QTest::mouseClick(Surface(field), Qt::MiddleButton, Qt::NoModifier, QPoint(4, 4));
  return true;
}

// Every way this platform offers: X11's selection only where there is one.
std::vector<std::pair<const char*, Entry>> Entries() {
  std::vector<std::pair<const char*, Entry>> entries = {{"Ctrl+V", CtrlV}, {"Shift+Insert", ShiftInsert},
                                                        {"input method", InputMethod}, {"keys", Keys},
                                                        {"drop", Drop}, {"context menu", ContextMenu}};
  if (QApplication::clipboard()->supportsSelection()) entries.emplace_back("middle button", MiddleButton);
  else std::cout << "This platform has no X11 selection: the middle button is not checked.\n";
  return entries;
}

// The entry made into an empty field; what the field then holds, nothing when the entry does not
// reach it.
using Field = std::function<std::optional<QString>(const Entry& entry, const QString& text)>;

struct PastedTextTest : testing::CollectionFixture {
  Field InputBox() {
    return [this](const Entry& entry, const QString& text) -> std::optional<QString> {
      InputBoxWindow box(editor);
      bool reached = false;
      testing::WhenModalShown([&](QWidget*) {
        reached = entry(box.Line(), text);
        QTest::keyClick(box.Line(), Qt::Key_Return);
      });
      const QString answer = QString::fromLatin1(box.Ask("Type a new level title below.", "[PROPER]", 30));
      return reached ? std::optional(answer) : std::nullopt;
    };
  }
  Field LevelTitle() {
    return [this](const Entry& entry, const QString& text) -> std::optional<QString> {
      LevelPropertiesWindow window(editor, nullptr);
      window.show();
      auto* title = window.findChild<InputLine*>();
      title->clear();
      if (!entry(title, text)) return std::nullopt;
      return title->text();
    };
  }
  Field SaveTitle() {
    return [this](const Entry& entry, const QString& text) -> std::optional<QString> {
      SaveDialogState state;
      EXPECT_TRUE(PrepareSaveDialog(editor, state));
      SaveDialog dialog(editor, state);
      dialog.show();
      dialog.Title()->clear();
      if (!entry(dialog.Title(), text)) return std::nullopt;
      return dialog.Title()->text();
    };
  }
  Field Tag() {
    return [this](const Entry& entry, const QString& text) -> std::optional<QString> {
      CompileChoices choices;
      choices.files = {"Set.lvl"};
      choices.file = "Set.lvl";
      CompileDialog dialog(editor, choices);
      dialog.show();
      auto* tag = dialog.findChild<QPlainTextEdit*>("txtCmnts");
      if (!entry(tag, text)) return std::nullopt;
      return tag->toPlainText();
    };
  }
};

TEST_F(PastedTextTest, EveryWayTextArrivesKeepsTheFieldsRules) {
  WriteLevels("Set.lvl", {"Level"});
  const std::vector<std::pair<const char*, Entry>> entries = Entries();
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
          {QStringLiteral("abc ").repeated(70), QStringLiteral("Abc ").repeated(70).left(limit)},
      };
      for (const auto& [text, held] : cases) {
        if (const std::optional<QString> got = field(entry, text)) {
          EXPECT_EQ(*got, held) << text.left(20).toStdString();
        }
      }
    }
  }
}

// While an input tool composes a character, the field shows the composition as any field does;
// only the committed text goes through the rules.
TEST_F(PastedTextTest, AComposedCharacterShowsWhileItIsComposed) {
  WriteLevels("Set.lvl", {"Level"});
  CompileChoices choices;
  choices.files = {"Set.lvl"};
  choices.file = "Set.lvl";
  CompileDialog compile(editor, choices);
  LevelPropertiesWindow properties(editor, nullptr);
  for (QWidget* field : {static_cast<QWidget*>(properties.findChild<InputLine*>()),
                         static_cast<QWidget*>(compile.findChild<QPlainTextEdit*>("txtCmnts"))}) {
    field->window()->show();
    field->setFocus();
    const QImage before = field->grab().toImage();
    QInputMethodEvent composing(QStringLiteral("e"), {});
    QApplication::sendEvent(field, &composing);
    EXPECT_NE(field->grab().toImage(), before) << field->metaObject()->className();
  }
}

TEST(SiftPastedText, APageKeepsItsLineBreaksAndTabsAndDropsOtherControlsAndWideCharacters) {
  EXPECT_EQ(SiftPastedText(QString::fromUtf8("a\r\nb\rc\u2028d\te\x01\u00E9\u20AC"), false),
            QString::fromUtf8("a\nb\nc\nd\te\u00E9"));
  EXPECT_EQ(SiftPastedText(QString::fromUtf8("a\r\nb\rc\u2028d\te\x01\u00E9\u20AC"), true),
            QString::fromUtf8("a b c de\u00E9"));
  // The C1 controls end just below the no-break space, which is typed as any other character.
  EXPECT_EQ(SiftPastedText(QString::fromUtf8("a\u0080b\u009Fc\u00A0d"), true), QString::fromUtf8("abc\u00A0d"));
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
  for (const auto& [name, entry] : Entries()) {
    page->clear();
    page->setFocus();
    if (entry(page, QString::fromUtf8("Zoom \u20AC5\nor the wheel"))) {
      EXPECT_EQ(page->toPlainText().toStdString(), "Zoom 5\nor the wheel") << name;
    }
  }
}

}  // namespace
}  // namespace brolt::editor
