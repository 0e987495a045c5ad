#include "editor/ui/main_window/level_roll_down.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "editor/model/commands/open_level.h"
#include "editor/ui/boxes/box_look.h"
#include "editor/ui/dialogs/collection_widgets.h"

namespace brolt::editor {

LevelRollDown::LevelRollDown(Editor& editor, QWidget* parent) : QFrame(parent), editor_(editor) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 1);
  lstDropDown_ = new QListWidget(this);
  layout->addWidget(lstDropDown_);
  frame_ = NamedFrame(this, rect(), "ShpMisc15");
  lstDropDown_->viewport()->installEventFilter(this);
  lstDropDown_->installEventFilter(this);
  connect(lstDropDown_, &QListWidget::currentRowChanged, this,
          [this](int row) { editor_.collections.DropDownIndex = row; });
  hide();
}

void LevelRollDown::DropDown(const QRect& area) {
  const CollectionState& state = editor_.collections;
  // The level's own entry is the choice, or none for a level without one, so that Page Down from a
  // new level opens the first; taking the focus changes neither.
  FillStrings(lstDropDown_, state.DropDownEntries, state.DropDownIndex);
  setGeometry(area);
  show();
  raise();
  lstDropDown_->setFocus();
}

void LevelRollDown::SetFrameColour(const QColor& colour) { frame_->SetColour(colour); }

void LevelRollDown::resizeEvent(QResizeEvent* event) {
  frame_->setGeometry(rect());
  QFrame::resizeEvent(event);
}

bool LevelRollDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lstDropDown_ && event->type() == QEvent::FocusOut) {
    hide();
  } else if (watched == lstDropDown_->viewport() && event->type() == QEvent::MouseButtonRelease &&
             lstDropDown_->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()) != nullptr) {
    OpenLevelNumber(editor_);
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace brolt::editor
