#include "editor/ui/load_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QPainter>

#include "editor/ui/collection_widgets.h"
#include "editor/ui/preview_palette.h"
#include "editor/ui/qt_text.h"

namespace brolt::editor {

namespace {
constexpr int kPreviewPixels = 80;
}

LevelPreviewBox::LevelPreviewBox(const LevelPreview& preview, QWidget* parent) : QWidget(parent), preview_(preview) {
  setFixedSize(kPreviewPixels, kPreviewPixels);
}

void LevelPreviewBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (!preview_.HasData) return;
  const double step = static_cast<double>(kPreviewPixels) / kLevelColumns;
  for (int row = 0; row < kLevelRows; ++row)
    for (int column = 0; column < kLevelColumns; ++column) {
      const int colour = preview_.Colours[static_cast<std::size_t>(row * kLevelColumns + column)];
      if (colour >= 0) painter.fillRect(QRectF(column * step, row * step, step, step), PreviewColour(colour));
    }
}

LoadDialog::LoadDialog(Editor& editor, LoadDialogState& state, QWidget* parent)
    : DialogFrame(editor, "Load Level", parent),
      state_(state),
      files_(new QComboBox(this)),
      levels_(new QListWidget(this)),
      preview_(new LevelPreviewBox(state.Preview, this)),
      noData_(new QLabel("No Data", this)) {
  okButton_->setText("Load");
  auto* manage = new FrameButton(editor, "...", "toolbar4", this);
  manage->setToolTip(" Level Management ");
  noData_->setStyleSheet("color: lightgray");
  noData_->setAlignment(Qt::AlignCenter);
  auto* layout = new QGridLayout(this);
  layout->addWidget(AddLabel("Load Level", ""), 0, 0, 1, 3);
  layout->addWidget(AddLabel("Load from File", "collectioncombo"), 1, 0);
  layout->addWidget(files_, 2, 0, 1, 2);
  layout->addWidget(manage, 2, 2);
  layout->addWidget(AddLabel("Level", "levels"), 3, 0);
  layout->addWidget(AddLabel("Preview", "preview"), 3, 2);
  layout->addWidget(levels_, 4, 0, 2, 2);
  layout->addWidget(preview_, 4, 2);
  layout->addWidget(noData_, 4, 2);
  layout->addWidget(okButton_, 6, 1);
  layout->addWidget(cancelButton_, 6, 2);
  Skin(this, {files_, levels_}, {manage});

  FillStrings(files_, state_.Files, state_.FileIndex);
  FillLevels();
  connect(files_, &QComboBox::activated, this, [this](int index) {
    state_.FileIndex = index;
    ListLoadLevels(editor_, state_);
    FillLevels();
  });
  connect(levels_, &QListWidget::currentRowChanged, this, [this](int row) { state_.LevelIndex = row; });
  connect(levels_, &QListWidget::itemPressed, this, [this] { ShowChosenPreview(); });
  connect(levels_, &QListWidget::itemEntered, this, [this](QListWidgetItem* item) {
    if (!(QApplication::mouseButtons() & Qt::LeftButton)) return;
    levels_->setCurrentItem(item);
    ShowChosenPreview();
  });
  levels_->setMouseTracking(true);
  connect(levels_, &QListWidget::itemDoubleClicked, this, [this] { Accept(); });
  connect(okButton_, &QPushButton::clicked, this, [this] { Accept(); });
  connect(manage, &QPushButton::clicked, this, [this] { ManageLevels(); });
}

void LoadDialog::FillLevels() {
  FillStrings(levels_, state_.Levels, state_.LevelIndex);
  state_.Preview = {};
  preview_->update();
  noData_->setVisible(true);
}

void LoadDialog::ShowChosenPreview() {
  state_.LevelIndex = levels_->currentRow();
  ShowPreview(editor_, state_);
  noData_->setVisible(!state_.Preview.HasData);
  preview_->update();
}

void LoadDialog::Accept() {
  state_.LevelIndex = levels_->currentRow();
  if (AcceptLoadDialog(editor_, state_)) accept();
}

void LoadDialog::ManageLevels() {
  ManageChosenCollection(editor_, state_, state_.LevelIndex);
  FillStrings(files_, state_.Files, state_.FileIndex);
  FillLevels();
}

bool RunLoadDialog(Editor& editor, LoadDialogState& state, QWidget* parent) {
  LoadDialog dialog(editor, state, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace brolt::editor
