#pragma once
// The small level picture of the load dialog and level management: a square of `side` pixels,
// one dot per non-empty cell in its tile's minimap colour, with "No Data" over it when there is
// no level.
#include <QWidget>

#include "editor/model/collections/level_preview.h"

class QLabel;

namespace brolt::editor {

class LevelPreviewWidget : public QWidget {
  Q_OBJECT

 public:
  LevelPreviewWidget(int side, QWidget* parent);
  void ShowPreview(const LevelPreview& preview);
  bool NoDataShown() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  LevelPreview preview_;
  QLabel* noData_;
};

}  // namespace brolt::editor
