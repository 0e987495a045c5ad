#include "editor/ui/save_dialog.h"

#include <QGridLayout>

#include "editor/ui/collection_widgets.h"
#include "editor/ui/input_line.h"
#include "editor/ui/qt_text.h"

namespace brolt::editor {

SaveDialog::SaveDialog(Editor& editor, SaveDialogState& state, QWidget* parent)
    : DialogFrame(editor, "", parent),
      state_(state),
      files_(new QComboBox(this)),
      slots_(new QListWidget(this)),
      title_(new InputLine(this)) {
  setWindowTitle("Save Level As");
  AddButtons("Save", true);
  title_->SetRules({InputMode::Proper, kMaxTitleLength});
  QPushButton* manage = AddManageButton(*this);
  auto* layout = new QGridLayout(this);
  layout->addWidget(AddLabel("Save Level As"), 0, 0, 1, 3);
  layout->addWidget(AddLabel("Title", "level_title"), 1, 0);
  layout->addWidget(title_, 2, 0, 1, 3);
  layout->addWidget(AddLabel("Level", "levels"), 3, 0);
  layout->addWidget(slots_, 4, 0, 1, 3);
  layout->addWidget(AddLabel("Save into File", "collectioncombo"), 5, 0);
  layout->addWidget(files_, 6, 0, 1, 2);
  layout->addWidget(manage, 6, 2);
  layout->addWidget(OkButton(), 7, 1);
  layout->addWidget(CancelButton(), 7, 2);
  Skin({this, OkButton(), CancelButton()}, {files_}, {manage});
  ChainFocus({title_, slots_, files_, manage, OkButton(), CancelButton()});

  Refill();
  connect(files_, &QComboBox::activated, this, [this](int index) {
    state_.FileIndex = index;
    ListSaveSlots(editor_, state_);
    ChooseSaveSlot(editor_, state_, state_.SlotIndex);
    Refill();
  });
  connect(slots_, &QListWidget::currentRowChanged, this, [this](int row) {
    ChooseSaveSlot(editor_, state_, row);
    ShowTitle();
  });
  connect(title_, &QLineEdit::textEdited, this, [this](const QString& text) { state_.Title = FromQString(text); });
  connect(slots_, &QListWidget::itemDoubleClicked, this, &SaveDialog::accept);
  connect(manage, &QPushButton::clicked, this, [this] { ManageLevels(); });
}

void SaveDialog::Refill() {
  FillStrings(files_, state_.Files, state_.FileIndex);
  FillStrings(slots_, state_.Slots, state_.SlotIndex);
  ShowTitle();
}

void SaveDialog::ShowTitle() {
  title_->setText(ToQString(state_.Title));
  title_->selectAll();
}

void SaveDialog::showEvent(QShowEvent* event) {
  DialogFrame::showEvent(event);
  title_->setFocus();
  title_->selectAll();
}

bool SaveDialog::CheckBeforeOk() {
  state_.Title = FromQString(title_->text());
  return AcceptSaveDialog(editor_, state_);
}

void SaveDialog::ManageLevels() {
  ManageChosenCollection(editor_, state_, state_.SlotIndex);
  Refill();
}

bool RunSaveDialog(Editor& editor, SaveDialogState& state, QWidget* parent) {
  SaveDialog dialog(editor, state, parent);
  return dialog.RunModal();
}

}  // namespace brolt::editor
