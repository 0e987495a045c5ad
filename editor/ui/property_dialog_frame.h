#pragma once
// The frame every property dialog carries: skin, fade-in, help labels, OK and Cancel.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <string>
#include <vector>

#include "editor/model/editor.h"
#include "editor/ui/layered_window.h"

namespace brolt::editor {

// A label of a dialog. With a help key it opens that topic when clicked and, when it lights, is
// drawn in GridLight while the mouse is over it.
class PropertyHelpLabel : public QLabel {
 public:
  PropertyHelpLabel(Editor& editor, const QString& text, std::string helpKey, bool lights, QWidget* parent);
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
class PropertyDialogFrame : public QDialog {
 public:
  PropertyDialogFrame(Editor& editor, std::string helpKey, QWidget* parent);

  // Opens transparent, fades in and returns true when OK accepted the dialog.
  bool RunModal();
  bool OkTag() const { return okTag_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }
  QPushButton* HelpButton() const { return helpButton_; }

 protected:
  // The dialog's own checks when OK is pressed, by click or by Enter; false keeps it open.
  virtual bool CheckBeforeOk() { return true; }

  // The window's title, and the same on a bar in BorderColor across the top, opening the dialog's
  // help topic; call once sized.
  void AddTitleBar(const QString& title);
  QFrame* AddPanel(const QRect& area, const std::string& colour);
  PropertyHelpLabel* AddLabel(const QString& text, const QRect& area, std::string helpKey = {}, bool lights = true);
  // OK (and Cancel, when it has one) in BorderColor, and the help button opening the dialog's topic.
  void AddButtons(const QString& okCaption, bool withCancel, int top);
  // A right click on the widget opens the help topic and does nothing else.
  void OpenHelpOnRightClick(QWidget* widget, std::string helpKey);
  void ShowHelp(const std::string& key) const;
  // Every label back to white, as when the mouse crosses the dialog's background.
  void DarkenLabels();

  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  Editor& editor_;

 private:
  void OkClicked();
  void CancelClicked();

  std::string helpKey_;
  WindowFade fade_;
  bool faded_ = false;
  bool okTag_ = false;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  std::vector<PropertyHelpLabel*> labels_;
};

}  // namespace brolt::editor
