#pragma once
// The tile count summary: one line per tile of the catalogue with the cells that hold it. A click
// on a line makes the main window's counter count that tile.
#include <QCheckBox>
#include <QListWidget>

#include "editor/model/commands/tile_count_command.h"
#include "editor/ui/dialogs/dialog_frame.h"

namespace brolt::editor {

class TileCounterWindow : public DialogFrame, public TileCountView {
 public:
  TileCounterWindow(Editor& editor, QWidget* parent);

  // Shows the lines; the dialog closes with "Done" or a double click on a line.
  void RunTileCount(const TileCountSummary& summary, bool usePrimaryForCounter) override;
  void FillLines(const TileCountSummary& summary, bool usePrimaryForCounter);

  QListWidget* Lines() const { return lines_; }
  QCheckBox* UsePrimaryBox() const { return usePrimary_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LineClicked();

  QListWidget* lines_;
  QCheckBox* usePrimary_;
};

}  // namespace brolt::editor
