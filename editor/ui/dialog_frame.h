#pragma once
// The frame every choosing dialog of the editor shares: skinned from the preference colours when it
// is built, faded in each time it is shown, help labels lit under the mouse, a right-click on a
// button opening its help topic, and OK or Cancel as the result.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <string>
#include <vector>

#include "editor/model/editor.h"

namespace brolt::editor {

// A colour of the preferences ("r,g,b") as Qt's.
QColor PreferenceColour(const std::string& colorText);

// A label that opens its help topic when clicked and lights up under the mouse; without a key it is
// a plain heading.
class HelpLabel : public QLabel {
  Q_OBJECT
 public:
  HelpLabel(Editor& editor, const QString& text, std::string helpKey, QWidget* parent);
  void SetLit(bool lit);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Editor& editor_;
  std::string helpKey_;
};

// A button whose right-click opens its help topic instead of pressing it.
class FrameButton : public QPushButton {
  Q_OBJECT
 public:
  FrameButton(Editor& editor, const QString& text, std::string helpKey, QWidget* parent);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Editor& editor_;
  std::string helpKey_;
};

class DialogFrame : public QDialog {
  Q_OBJECT
 public:
  DialogFrame(Editor& editor, const QString& title, QWidget* parent);

  // The alpha step of each fade tick: the preference, at least 1 so that the fade ends.
  int FadeStep() const;
  bool FadedIn() const { return fadedIn_; }

 protected:
  HelpLabel* AddLabel(const QString& text, const std::string& helpKey);
  // Colours the panel from BorderColor, the given widgets from GridDark and GridLight.
  void Skin(QWidget* panel, const std::vector<QWidget*>& dark, const std::vector<QWidget*>& light);
  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

  Editor& editor_;
  FrameButton* okButton_;
  FrameButton* cancelButton_;

 private:
  void FadeTick();

  std::vector<HelpLabel*> labels_;
  QTimer fade_;
  int alpha_ = 0;
  bool fadedIn_ = false;
};

}  // namespace brolt::editor
