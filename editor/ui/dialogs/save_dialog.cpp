#include "editor/ui/dialogs/save_dialog.h"

#include "editor/ui/dialogs/collection_widgets.h"
#include "editor/ui/qt/input_line.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

SaveDialog::SaveDialog(Editor& editor, SaveDialogState& state, QWidget* parent)
    : DialogFrame(editor, "", parent),
      state_(state),
      files_(new FittedComboBox(this)),
      slots_(new QListWidget(this)),
      title_(new InputLine(this)) {
  setWindowTitle("Save Level As");
  setFixedSize(300, 344);
  AddButtons("Save", true);
  PlaceButtons(312);
  QPushButton* manage = AddManageButton(*this);
  AddFramedPanels({{8, 8, 284, 64}, {8, 76, 284, 160}, {8, 240, 284, 60}});
  PlaceHeading("Save Level As", {16, 12, 260, 18});
  PlaceLabel("Title", {16, 42, 44, 18}, "level_title");
  title_->setGeometry(64, 39, 220, 24);
  title_->SetRules({InputMode::Proper, kMaxTitleLength});
  PlaceLabel("Level", {16, 80, 100, 18}, "levels");
  slots_->setGeometry(16, 100, 268, 128);
  PlaceLabel("Save into File", {16, 244, 150, 18}, "collectioncombo");
  files_->setGeometry(16, 268, 232, 24);
  manage->setGeometry(252, 268, 32, 24);
  Skin({files_}, {manage});
  ChainFocus({title_, slots_, files_, manage, OkButton(), CancelButton()});

  Refill();
  connect(files_, &QComboBox::activated, this, [this](int index) {
    state_.FileIndex = index;
    ListSaveSlots(editor_, state_);
    ChooseSaveSlot(editor_, state_, state_.SlotIndex);
    Refill();
    FocusTitle();
  });
  connect(slots_, &QListWidget::currentRowChanged, this, [this](int row) {
    ChooseSaveSlot(editor_, state_, row);
    ShowTitle();
  });
  connect(title_, &QLineEdit::textEdited, this, [this](const QString& text) { state_.Title = FromQString(text); });
  // A slot clicked hands the keys to its title, as a collection chosen does; the arrow keys still
  // walk the list.
  connect(slots_, &QListWidget::itemClicked, this, &SaveDialog::FocusTitle);
  connect(slots_, &QListWidget::itemDoubleClicked, this, &SaveDialog::accept);
  connect(manage, &QPushButton::clicked, this, [this] { ManageLevels(); });
}

void SaveDialog::Refill() {
  FillStrings(files_, state_.Files, state_.FileIndex, FileNameToQString);
  FillStrings(slots_, state_.Slots, state_.SlotIndex);
  ShowTitle();
}

void SaveDialog::ShowTitle() {
  title_->setText(ToQString(state_.Title));
  title_->selectAll();
}

// After the dialog opens and after each collection chosen, the keys go to the title: left in the
// collection box or the slot list, a typed letter would choose another collection or slot to save
// into.
void SaveDialog::FocusTitle() {
  title_->setFocus();
  title_->selectAll();
}

void SaveDialog::showEvent(QShowEvent* event) {
  DialogFrame::showEvent(event);
  FocusTitle();
}

bool SaveDialog::CheckBeforeOk() {
  state_.Title = FromQString(title_->text());
  return AcceptSaveDialog(editor_, state_);
}

void SaveDialog::ManageLevels() {
  ManageFromSaveDialog(editor_, state_);
  Refill();
  FocusTitle();
}

bool RunSaveDialog(Editor& editor, SaveDialogState& state, QWidget* parent) {
  SaveDialog dialog(editor, state, parent);
  return dialog.RunModal();
}

}  // namespace brolt::editor
