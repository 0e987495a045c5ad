#include "editor/ui/boxes/help_window.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBlock>

#include "editor/model/editor.h"
#include "editor/ui/boxes/box_look.h"
#include "editor/ui/boxes/help_page_view.h"
#include "editor/ui/boxes/help_window_host.h"
#include "editor/ui/qt/input_line.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

namespace {

// Pages keep their lines in CR LF; the page view counts a line break as one character, so that a
// caret it reports is a position in the text it shows.
QString ForDisplay(const std::string& page) { return ToQString(page).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

// A one-line caption as wide as its text, which the system's font may draw wider than designed.
void FitOneLine(QLabel* label, const QString& text) {
  label->setWordWrap(false);
  label->setText(text);
  label->resize(label->sizeHint().width(), label->height());
}

QString ColouredBack(const QString& widget, const QColor& back) {
  return QStringLiteral("%1 { background: %2; color: white; }").arg(widget, back.name());
}

}  // namespace

HelpWindow::HelpWindow(Editor& editor, HelpWindowHost& host, QWidget* parent)
    : QDialog(parent), editor_(editor), host_(host) {
  PrepareBoxWindow(this, 5595, 5850);
  BuildControls();
  ConnectControls();
}

void HelpWindow::BuildControls() {
  const BoxColours colours = ColoursOf(editor_.prefs);
  new FrameShape(this, TwipsRect(120, 120, 5370, 5610), colours.border, 2);
  QLabel* header = MakeBoxLabel(this, TwipsRect(240, 0, 420, 240));
  header->setStyleSheet(QStringLiteral("color: white; background: black;"));
  FitOneLine(header, QStringLiteral("Help"));
  FitOneLine(MakeBoxLabel(this, TwipsRect(360, 360, 960, 240)), QStringLiteral("Find Topic:"));
  new FrameShape(this, TwipsRect(360, 630, 4875, 405), colours.gridDark, 1);
  cmbTopic_ = new QComboBox(this);
  cmbTopic_->setGeometry(TwipsRect(405, 675, 3840, 315));
  cmbTopic_->setEditable(true);
  cmbTopic_->setLineEdit(new InputLine(cmbTopic_));
  cmbTopic_->setInsertPolicy(QComboBox::NoInsert);
  cmbTopic_->setFont(EditorFont(8.25, true));
  cmbTopic_->setStyleSheet(ColouredBack(QStringLiteral("QComboBox"), colours.gridDark));
  cmdBack_ = MakeBoxButton(this, TwipsRect(4275, 675, 615, 330), QStringLiteral("Back"), colours.border);
  cmdRecent_ = MakeBoxButton(this, TwipsRect(4905, 675, 300, 330), QStringLiteral("..."), colours.border);
  new FrameShape(this, TwipsRect(360, 1200, 4905, 3825), colours.gridDark, 1);
  txtHelp_ = new HelpPageView(this);
  txtHelp_->setGeometry(TwipsRect(480, 1320, 4695, 3615));
  txtHelp_->setFont(EditorFont(9.75, true));
  txtHelp_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtHelp_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtHelp_->setPlainText(ForDisplay(pages_.PageText));
  txtHelp_->setReadOnly(!editor_.DeveloperMode);
  cmdClose_ = MakeBoxButton(this, TwipsRect(2400, 5160, 855, 375), QStringLiteral("Close"), colours.border);
  cmdUpdate_ = MakeBoxButton(this, TwipsRect(3840, 5160, 1455, 375), QStringLiteral("Save Topic"), colours.border);
  cmdUpdate_->setToolTip(QStringLiteral(" Brenwick Internal: Updates current help topic."));
  cmdUpdate_->setVisible(editor_.DeveloperMode);
  picR_ = new QWidget(this);
  picR_->setGeometry(TwipsRect(2160, 675, 3030, 2070));
  picR_->hide();
  new FrameShape(picR_, TwipsRect(0, 0, 3000, 2040), colours.border, 1);
  lstR_ = new QListWidget(picR_);
  lstR_->setGeometry(TwipsRect(30, 30, 2940, 1980));
  lstR_->setFont(EditorFont(8.25, true));
}

void HelpWindow::ConnectControls() {
  connect(cmbTopic_, &QComboBox::activated, this, [this](int entry) {
    ChooseHelpEntry(editor_, pages_, entry);
    ShowPage();
  });
  // The combo box takes Enter before its line sees it and would open the topic it matches, so the
  // search watches both. The box's own match of the typed text would also open a topic of that name
  // when the focus leaves it; a topic opens only when picked from the list.
  cmbTopic_->installEventFilter(this);
  cmbTopic_->lineEdit()->installEventFilter(this);
  disconnect(cmbTopic_->lineEdit(), &QLineEdit::returnPressed, cmbTopic_, nullptr);
  disconnect(cmbTopic_->lineEdit(), &QLineEdit::editingFinished, cmbTopic_, nullptr);
  connect(txtHelp_, &HelpPageView::Pressed, this, &HelpWindow::PickLink);
  connect(txtHelp_, &HelpPageView::Released, this, &HelpWindow::FollowLink);
  connect(txtHelp_, &HelpPageView::DoubleClicked, this, [this] { cmbTopic_->setFocus(); });
  connect(cmdBack_, &QPushButton::clicked, this, [this] {
    picR_->hide();
    GoBackHelpPage(editor_, pages_);
    ShowPage();
  });
  connect(cmdRecent_, &QPushButton::clicked, this, [this] {
    picR_->show();
    picR_->raise();
    lstR_->setCurrentRow(0);
    lstR_->setFocus();
  });
  lstR_->installEventFilter(this);
  lstR_->viewport()->installEventFilter(this);
  connect(cmdClose_, &QPushButton::clicked, this, &QDialog::reject);
  connect(cmdUpdate_, &QPushButton::clicked, this, [this] {
    pages_.TopicText = FromQString(cmbTopic_->currentText());
    askingName_ = true;
    SaveHelpTopic(editor_, pages_, FromQString(txtHelp_->toPlainText()));
    askingName_ = false;
  });
}

bool HelpWindow::ShowTopic(std::string_view key) {
  if (!OpenHelpPage(editor_, pages_, key)) return false;
  ShowPage();
  PlaceOverMainWindow();
  // Help asked for from a dialog must be usable over it, and the dialog blocks every other window.
  const bool modal = !host_.MainWindowEnabled() || (QApplication::activeModalWidget() != nullptr &&
                                                    QApplication::activeModalWidget() != this);
  if (isVisible() && isModal()) return true;  // already open over a dialog: the page is changed
  if (modal) {
    hide();
    const KeyboardReturn keyboard;
    exec();
  } else {
    setModal(false);
    if (!isVisible()) keyboard_.emplace();
    show();
    raise();
    activateWindow();
  }
  return true;
}

void HelpWindow::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  keyboard_.reset();
}

void HelpWindow::PlaceOverMainWindow() {
  QRect frame = frameGeometry();
  frame.moveCenter(host_.MainWindowFrame().center());
  move(frame.topLeft());
}

void HelpWindow::ShowPage() {
  QStringList entries;
  for (const std::string& entry : pages_.TopicList) entries << ToQString(entry);
  QStringList shown;
  for (int i = 0; i < cmbTopic_->count(); ++i) shown << cmbTopic_->itemText(i);
  {
    const QSignalBlocker blocker(cmbTopic_);
    if (shown != entries) {
      cmbTopic_->clear();
      cmbTopic_->addItems(entries);
    }
    cmbTopic_->setEditText(ToQString(pages_.TopicText));
  }
  txtHelp_->setPlainText(ForDisplay(pages_.PageText));
  txtHelp_->moveCursor(QTextCursor::Start);
  ShowRecentList();
  cmbTopic_->setFocus();
}

void HelpWindow::ShowRecentList() {
  lstR_->clear();
  for (const std::string& entry : pages_.Recent) lstR_->addItem(ToQString(entry));
}

void HelpWindow::PickLink(int caret) {
  const std::optional<HelpLinkSpan> link = PickHelpLink(pages_, FromQString(txtHelp_->toPlainText()), caret);
  QTextCursor cursor = txtHelp_->textCursor();
  if (link) {
    cursor.setPosition(link->start);
    cursor.setPosition(link->start + link->length, QTextCursor::KeepAnchor);
  } else {
    cursor.clearSelection();
  }
  txtHelp_->setTextCursor(cursor);
}

void HelpWindow::FollowLink() {
  if (pages_.HelpLink.empty()) return;
  FollowHelpLink(pages_, editor_);
  ShowPage();
}

void HelpWindow::Search() {
  pages_.TopicText = FromQString(cmbTopic_->currentText());
  QApplication::setOverrideCursor(Qt::WaitCursor);
  SearchHelpTopics(editor_, pages_);
  QApplication::restoreOverrideCursor();
  ShowPage();
}

void HelpWindow::OpenRecentEntry(int entry) {
  OpenRecentHelpPage(editor_, pages_, entry);
  picR_->hide();
  ShowPage();
}

void HelpWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The frame is known only once the window is up.
  PlaceOverMainWindow();
  cmbTopic_->setFocus();
  if (pages_.Recent.empty()) {
    AddRecentHelpTopic(pages_, kHelpIndexEntry);
    ShowRecentList();
  }
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  // The window has no default button: Return is the focused control's (a button presses itself, the
  // topic box searches, the editable page breaks the line), and what a control leaves, such as the
  // read-only page or the recent list, does nothing. Qt would press the first button, Back.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
  QDialog::keyPressEvent(event);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool keyPress = event->type() == QEvent::KeyPress;
  const int key = keyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
  const bool topicBox = watched == cmbTopic_ || watched == cmbTopic_->lineEdit();
  if (topicBox && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
    Search();
    return true;
  }
  if (watched == lstR_ && key == Qt::Key_Escape) {
    cmbTopic_->setFocus();
    return true;
  }
  if (watched == lstR_ && event->type() == QEvent::FocusOut) picR_->hide();
  if (watched == lstR_->viewport() && event->type() == QEvent::MouseButtonRelease) {
    const QListWidgetItem* item = lstR_->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (item != nullptr) {
      OpenRecentEntry(lstR_->row(item));
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace brolt::editor
