#include "editor/ui/dialogs/load_dialog.h"

#include <QApplication>

#include "editor/ui/dialogs/collection_widgets.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

namespace {
constexpr int kPreviewSide = 80;
}

LoadDialog::LoadDialog(Editor& editor, LoadDialogState& state, QWidget* parent)
    : DialogFrame(editor, "", parent),
      state_(state),
      files_(new FittedComboBox(this)),
      levels_(new QListWidget(this)),
      preview_(new LevelPreviewWidget(kPreviewSide, this)) {
  setWindowTitle("Load Level");
  setFixedSize(340, 296);
  AddButtons("Load", true);
  PlaceButtons(264);
  QPushButton* manage = AddManageButton(*this);
  AddFramedPanels({{8, 8, 324, 64}, {8, 76, 220, 176}, {232, 76, 100, 176}});
  PlaceHeading("Load Level", {16, 12, 300, 18});
  PlaceLabel("Load from File", {16, 42, 96, 18}, "collectioncombo");
  files_->setGeometry(112, 39, 180, 24);
  manage->setGeometry(296, 39, 28, 24);
  PlaceLabel("Level", {16, 80, 100, 18}, "levels");
  levels_->setGeometry(16, 100, kLoadLevelListWidth, 144);
  PlaceLabel("Preview", {240, 80, 84, 18}, "preview");
  preview_->move(242, 100);
  Skin({files_}, {manage});
  ChainFocus({files_, manage, levels_, OkButton(), CancelButton()});

  FillStrings(files_, state_.Files, state_.FileIndex, FileNameToQString);
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
  FillStrings(files_, state_.Files, state_.FileIndex, FileNameToQString);
  FillLevels();
}

bool RunLoadDialog(Editor& editor, LoadDialogState& state, QWidget* parent) {
  LoadDialog dialog(editor, state, parent);
  return dialog.RunModal();
}

}  // namespace brolt::editor
