#pragma once
// frmHelp: the help window. The topic box with its list (also the search box), the page with its
// links, Back, the recent-topics panel, Close, and in developer mode the editable page with "Save
// Topic". The window mirrors HelpPages; the rules are the model's.
#include <QDialog>
#include <optional>
#include <string_view>

#include "editor/model/services/help_pages.h"
#include "editor/ui/qt/keyboard_return.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace brolt::editor {

struct Editor;
class HelpPageView;
class HelpWindowHost;

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  HelpWindow(Editor& editor, HelpWindowHost& host, QWidget* parent = nullptr);

  // Opens the topic with this key ("" for the index) centred over the main window: modeless over
  // the main window, modal while it is blocked. A key without a topic shows nothing; returns
  // whether a page was opened.
  bool ShowTopic(std::string_view key);

  // True while "Save Topic" asks for the topic's name: the question belongs to this window.
  bool AsksForTopicName() const { return askingName_; }

  const HelpPages& Pages() const { return pages_; }
  QComboBox* TopicBox() const { return cmbTopic_; }
  HelpPageView* Page() const { return txtHelp_; }
  QPushButton* BackButton() const { return cmdBack_; }
  QPushButton* RecentButton() const { return cmdRecent_; }
  QWidget* RecentPanel() const { return picR_; }
  QListWidget* RecentList() const { return lstR_; }
  QPushButton* CloseButton() const { return cmdClose_; }
  QPushButton* SaveButton() const { return cmdUpdate_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void ConnectControls();
  // Mirrors the model after the page changed: the topic list and text, the page with the caret at
  // its start, the recent list; the focus goes to the topic box.
  void ShowPage();
  void ShowRecentList();
  void PickLink(int caret);
  void FollowLink();
  void Search();
  void OpenRecentEntry(int entry);
  void PlaceOverMainWindow();

  Editor& editor_;
  HelpWindowHost& host_;
  HelpPages pages_;
  QComboBox* cmbTopic_ = nullptr;
  HelpPageView* txtHelp_ = nullptr;
  QPushButton* cmdBack_ = nullptr;
  QPushButton* cmdRecent_ = nullptr;
  QWidget* picR_ = nullptr;
  QListWidget* lstR_ = nullptr;
  QPushButton* cmdClose_ = nullptr;
  QPushButton* cmdUpdate_ = nullptr;
  bool askingName_ = false;
  // Open beside the main window, help hands the keyboard back to it when it closes.
  std::optional<KeyboardReturn> keyboard_;
};

}  // namespace brolt::editor
