#pragma once
// The frame every choosing dialog of the editor shares: coloured from the preference colours,
// faded in each time it is shown, help labels lit under the mouse, a right click on a control
// opening its help topic, and OK or Cancel as the result.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <string>
#include <vector>

#include "editor/model/editor.h"
#include "editor/ui/boxes/layered_window.h"

namespace brolt::editor {

// A label of a dialog. With a help key it opens that topic when clicked and, when it lights, is
// drawn in GridLight while the mouse is over it; without a key it is a plain heading.
class HelpLabel : public QLabel {
 public:
  HelpLabel(Editor& editor, const QString& text, std::string helpKey, bool lights, QWidget* parent);
  void Darken();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void SetTextColor(const QColor& colour);

  Editor& editor_;
  std::string helpKey_;
  bool lights_;
};

// A modal dialog in the preference colours that fades in at every showing and reports OK or
// Cancel to its caller.
class DialogFrame : public QDialog {
 public:
  // `helpKey` is the topic of the dialog's help button; a dialog without one passes "".
  DialogFrame(Editor& editor, std::string helpKey, QWidget* parent);

  // Opens transparent, fades in and returns true when OK accepted the dialog.
  bool RunModal();
  bool FadedIn() const { return fadedIn_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }
  QPushButton* HelpButton() const { return helpButton_; }

  // OK, by click or by Enter: the dialog's own checks, then accepted; a refusal keeps it open.
  void accept() override;

  // A right click on the widget, or on anything inside it, opens the help topic and does nothing
  // else.
  void OpenHelpOnRightClick(QWidget* widget, std::string helpKey);

 protected:
  // The dialog's own checks when OK is pressed; false keeps it open.
  virtual bool CheckBeforeOk() { return true; }

  // The window's title, and the same on a bar in BorderColor across the top, opening the dialog's
  // help topic; call once sized.
  void AddTitleBar(const QString& title);
  QFrame* AddPanel(const QRect& area, const std::string& colour);
  // Panels in GridDark, for the labels to stand on whatever the border colour, framed together by
  // BorderColor around them.
  void AddFramedPanels(const std::vector<QRect>& panels);
  // A label for a layout, and one placed at `area`; without a help key it is a heading.
  HelpLabel* AddLabel(const QString& text, std::string helpKey = {}, bool lights = true);
  HelpLabel* PlaceLabel(const QString& text, const QRect& area, std::string helpKey = {}, bool lights = true);
  // A panel's heading: a label without a help key, set apart in bold.
  HelpLabel* PlaceHeading(const QString& text, const QRect& area);
  // OK (and Cancel, when it has one) in BorderColor, and the help button when the dialog has a
  // topic. A dialog with a layout places them itself; PlaceButtons puts them in a row at `top`.
  void AddButtons(const QString& okCaption, bool withCancel);
  void PlaceButtons(int top);
  // The dialog's background, its headings in white.
  void PaintBackground(const std::string& colour);
  // The faces of the skin table besides the buttons and panels: widgets in GridDark and GridLight.
  void Skin(const std::vector<QWidget*>& dark, const std::vector<QWidget*>& light);
  void ShowHelp(const std::string& key) const;
  // Tab and Shift+Tab walk the controls in this order, as they stand on the dialog rather than
  // as they were made.
  static void ChainFocus(const std::vector<QWidget*>& order);
  // Every label back to white, as when the mouse crosses the dialog's background.
  void DarkenLabels();

  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  Editor& editor_;

 private:
  std::string helpKey_;
  WindowFade fade_;
  bool fadedIn_ = false;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  std::vector<HelpLabel*> labels_;
};

}  // namespace brolt::editor
