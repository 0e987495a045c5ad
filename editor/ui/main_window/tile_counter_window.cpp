#include "editor/ui/main_window/tile_counter_window.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>

#include "editor/ui/qt/color_text.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

TileCounterWindow::TileCounterWindow(Editor& editor, QWidget* parent) : DialogFrame(editor, "tilecount", parent) {
  setFixedSize(320, 392);
  AddTitleBar("Tile Count Summary");
  AddPanel({8, 52, 304, 262}, editor.prefs.GridDark);
  PlaceLabel("Click on a tile to select it for the tile counter.", {10, 32, 300, 18}, "tilecounter");

  lines_ = new QListWidget(this);
  lines_->setGeometry(12, 56, 296, 254);
  // The counts line up only in a font whose letters are all one width. The platform's fixed font is
  // taken first; where it names a family the machine lacks, the type-writer hint finds one that is.
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setStyleHint(QFont::TypeWriter);
  if (!QFontInfo(fixed).fixedPitch()) fixed.setFamily("DejaVu Sans Mono");
  lines_->setFont(fixed);
  lines_->setMouseTracking(true);
  lines_->viewport()->installEventFilter(this);
  connect(lines_, &QListWidget::itemClicked, this, &TileCounterWindow::LineClicked);
  connect(lines_, &QListWidget::itemDoubleClicked, this, [this] {
    LineClicked();
    OkButton()->click();
  });

  usePrimary_ = new QCheckBox("Select Current Tile For Counter", this);
  usePrimary_->setGeometry(12, 322, 296, 20);
  usePrimary_->setStyleSheet("QCheckBox { color: white; }");
  OpenHelpOnRightClick(usePrimary_, "useprimarytilefortilecounter");
  connect(usePrimary_, &QCheckBox::clicked, this,
          [this](bool on) { SetUsePrimaryForCounter(editor_, on); });

  AddButtons("Done", false);
  PlaceButtons(356);
}

void TileCounterWindow::FillLines(const TileCountSummary& summary, bool usePrimaryForCounter) {
  usePrimary_->setChecked(usePrimaryForCounter);
  lines_->clear();
  for (const TileCountLine& line : summary.Lines) {
    auto* item = new QListWidgetItem(ToQString(line.Text), lines_);
    item->setData(Qt::UserRole, line.TileCode);
  }
  if (summary.Selected >= 0) lines_->setCurrentRow(summary.Selected);
}

void TileCounterWindow::RunTileCount(const TileCountSummary& summary, bool usePrimaryForCounter) {
  FillLines(summary, usePrimaryForCounter);
  RunModal();
}

void TileCounterWindow::LineClicked() {
  if (QListWidgetItem* item = lines_->currentItem()) ChooseCountedTile(editor_, item->data(Qt::UserRole).toInt());
}

bool TileCounterWindow::eventFilter(QObject* watched, QEvent* event) {
  // Moving over the list darkens the labels, as moving over the dialog does.
  if (watched == lines_->viewport() && event->type() == QEvent::MouseMove) DarkenLabels();
  return DialogFrame::eventFilter(watched, event);
}

}  // namespace brolt::editor
