#include "editor/ui/load_dialog.h"

#include <QApplication>
#include <QGridLayout>

#include "editor/ui/collection_widgets.h"
#include "editor/ui/qt_text.h"

namespace brolt::editor {

namespace {
constexpr int kPreviewSide = 80;
}

LoadDialog::LoadDialog(Editor& editor, LoadDialogState& state, QWidget* parent)
    : DialogFrame(editor, "", parent),
      state_(state),
      files_(new QComboBox(this)),
      levels_(new QListWidget(this)),
      preview_(new LevelPreviewWidget(kPreviewSide, this)) {
  setWindowTitle("Load Level");
  AddButtons("Load", true);
  QPushButton* manage = AddManageButton(*this);
  auto* layout = new QGridLayout(this);
  layout->addWidget(AddLabel("Load Level"), 0, 0, 1, 3);
  layout->addWidget(AddLabel("Load from File", "collectioncombo"), 1, 0);
  layout->addWidget(files_, 2, 0, 1, 2);
  layout->addWidget(manage, 2, 2);
  layout->addWidget(AddLabel("Level", "levels"), 3, 0);
  layout->addWidget(AddLabel("Preview", "preview"), 3, 2);
  layout->addWidget(levels_, 4, 0, 2, 2);
  layout->addWidget(preview_, 4, 2);
  layout->addWidget(OkButton(), 6, 1);
  layout->addWidget(CancelButton(), 6, 2);
  Skin({this, OkButton(), CancelButton()}, {files_, levels_}, {manage});
  ChainFocus({files_, manage, levels_, OkButton(), CancelButton()});

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
  connect(levels_, &QListWidget::itemDoubleClicked, this, &LoadDialog::accept);
  connect(manage, &QPushButton::clicked, this, [this] { ManageLevels(); });
}

void LoadDialog::FillLevels() {
  FillStrings(levels_, state_.Levels, state_.LevelIndex);
  state_.Preview = {};
  preview_->ShowPreview(state_.Preview);
}

void LoadDialog::ShowChosenPreview() {
  state_.LevelIndex = levels_->currentRow();
  ShowPreview(editor_, state_);
  preview_->ShowPreview(state_.Preview);
}

bool LoadDialog::CheckBeforeOk() {
  state_.LevelIndex = levels_->currentRow();
  return AcceptLoadDialog(editor_, state_);
}

void LoadDialog::ManageLevels() {
  ManageChosenCollection(editor_, state_, state_.LevelIndex);
  FillStrings(files_, state_.Files, state_.FileIndex);
  FillLevels();
}

bool RunLoadDialog(Editor& editor, LoadDialogState& state, QWidget* parent) {
  LoadDialog dialog(editor, state, parent);
  return dialog.RunModal();
}

}  // namespace brolt::editor
