#pragma once
// The level roll-down (picDropDown with its list lstDropDown): the levels of the current
// collection dropped down under the level title. Releasing the mouse on an entry opens that level;
// the list closes as soon as it loses the focus.
#include <QFrame>

#include "editor/model/editor.h"

class QListWidget;

namespace brolt::editor {

class FrameShape;

class LevelRollDown : public QFrame {
 public:
  explicit LevelRollDown(Editor& editor, QWidget* parent = nullptr);

  // Shows the entries and the chosen one of Editor::collections over `area`, and takes the focus.
  void DropDown(const QRect& area);

  QListWidget* List() const { return lstDropDown_; }
  // The frame round the list (ShpMisc(15)).
  void SetFrameColour(const QColor& colour);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Editor& editor_;
  QListWidget* lstDropDown_;
  FrameShape* frame_;
};

}  // namespace brolt::editor
