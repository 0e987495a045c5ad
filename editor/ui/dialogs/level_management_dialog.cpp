#include "editor/ui/dialogs/level_management_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QBoxLayout>
#include <algorithm>

#include "common/collection_file.h"
#include "editor/model/collections/collection_contents.h"
#include "editor/model/collections/collection_records.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/collections/level_management.h"
#include "editor/model/collections/level_preview.h"
#include "editor/model/commands/collection_commands.h"
#include "editor/model/commands/collection_lists.h"
#include "editor/model/commands/error_report.h"
#include "editor/ui/dialogs/collection_widgets.h"
#include "editor/ui/dialogs/level_preview_widget.h"
#include "editor/ui/qt/color_text.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

namespace {
constexpr int kPreviewSide = 159;

struct CommandButton {
  const char* caption;
  const char* tooltip;
};

// Index i is the button cmdCom(i), its help topic "lvlmanage" & i.
constexpr CommandButton kCommandButtons[] = {
    {"Copy", " Copies level to the level bin (Space) "},
    {"Paste", " Pastes level from the level bin into levels (Enter) "},
    {"Rename", " Renames the level (Shift) "},
    {"Delete", " Deletes a level and leaves a blank space (Backspace) "},
    {"Insert", " Inserts an empty space before selected level (Insert) "},
    {"Remove", " Removes a level and the selected space (Delete) "},
    {"Up", " Moves a level up (Left) "},
    {"Down", " Moves a level down (Right) "},
    {"Delete", ""},
    {"Clear", ""},
};
constexpr int kRemoveButton = 5;

// The selected row, or -1. A list that gets the focus makes its first row current without
// selecting it; only a selected row counts. A drag selects the row under the pointer before it
// makes that row current, so the selection itself is read, not the current row.
int SelectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.front());
}

bool IsWithin(QObject* object, QObject* ancestor) {
  for (; object; object = object->parent())
    if (object == ancestor) return true;
  return false;
}
}  // namespace

LevelManagementDialog::LevelManagementDialog(Editor& editor, std::string_view requestedCollection, QWidget* parent)
    : DialogFrame(editor, "toolbar4", parent) {
  setWindowTitle("Level Management");
  collections_ = new QComboBox(this);
  collections_->setObjectName("txtFile");
  levels_ = new QListWidget(this);
  levels_->setObjectName("txtLevels");
  levels_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));  // the entries' columns align
  bin_ = new QListWidget(this);
  bin_->setObjectName("txtBin");
  preview_ = new LevelPreviewWidget(kPreviewSide, this);
  preview_->setObjectName("txtPreview");
  OpenHelpOnRightClick(collections_, "collectioncombo");
  OpenHelpOnRightClick(levels_, "levels");
  OpenHelpOnRightClick(bin_, "clipboard");
  OpenHelpOnRightClick(preview_, "preview");

  auto* commandPanel = new QWidget(this);
  BuildCommandButtons(commandPanel);
  auto* filePanel = new QWidget(this);
  const std::vector<QWidget*> fileButtons = BuildFileButtons(filePanel);
  AddButtons("Done", false);
  OkButton()->setObjectName("cmdOK");

  auto* left = new QVBoxLayout;
  left->addWidget(AddLabel("Level Collections", "collectioncombo"));
  left->addWidget(collections_);
  left->addWidget(filePanel);
  left->addWidget(AddLabel("Levels", "levels"));
  left->addWidget(levels_, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(AddLabel("Preview", "preview"));
  right->addWidget(preview_);
  right->addWidget(AddLabel("Clipboard", "clipboard"));
  right->addWidget(bin_, 1);
  auto* binButtons = new QHBoxLayout;
  binButtons->addWidget(commands_[8]);
  binButtons->addWidget(commands_[9]);
  right->addLayout(binButtons);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addWidget(commandPanel, 0, Qt::AlignBottom);
  columns->addLayout(right);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(HelpButton());
  bottom->addWidget(AddLabel("WARNING:  No undos so manage carefully!"), 1);
  bottom->addWidget(OkButton());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(AddLabel("Level Management", "toolbar4"));
  layout->addLayout(columns, 1);
  layout->addLayout(bottom);
  resize(540, 480);
  PaintBackground(editor.prefs.GridDark);
  std::vector<QWidget*> focusOrder{collections_};
  focusOrder.insert(focusOrder.end(), fileButtons.begin(), fileButtons.end());
  focusOrder.push_back(levels_);
  focusOrder.insert(focusOrder.end(), commands_.begin(), commands_.begin() + 8);
  focusOrder.insert(focusOrder.end(), {bin_, commands_[8], commands_[9], HelpButton(), OkButton()});
  ChainFocus(focusOrder);

  connect(collections_, &QComboBox::currentIndexChanged, this, &LevelManagementDialog::ListLevels);
  // A press shows its list's level also on the entry already selected, which changes no selection:
  // the other list's level may be on show.
  for (const bool levelList : {true, false}) {
    QListWidget* list = levelList ? levels_ : bin_;
    connect(list, &QListWidget::itemSelectionChanged, this, [this, levelList] { ShowManagePreview(levelList); });
    connect(list, &QListWidget::itemPressed, this, [this, levelList] { ShowManagePreview(levelList); });
  }
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

  // The one offer to create a collection when there is none; the lists are then filled quietly.
  const CollectionFileList list = ListCollectionFiles(editor_, false, false);
  RefreshManageLists({});
  const int start = InitialManagedCollection(editor_, requestedCollection, list);
  if (start >= 0) SelectCollection(list.Files[static_cast<std::size_t>(start)]);
  levels_->setFocus();
}

QPushButton* LevelManagementDialog::AddNamedButton(const QString& caption, const QString& name,
                                                   const std::string& helpKey, QWidget* panel) {
  auto* button = new QPushButton(caption, panel);
  button->setObjectName(name);
  PaintFace(button, editor_.prefs.BorderColor);
  OpenHelpOnRightClick(button, helpKey);
  return button;
}

void LevelManagementDialog::BuildCommandButtons(QWidget* panel) {
  auto* column = new QVBoxLayout(panel);
  using Command = ManageOutcome (*)(Editor&, const ManageSelection&);
  const Command run[] = {CopyLevelToBin, PasteLevelFromBin, RenameLevel, DeleteLevel, InsertHolderSpace,
                         RemoveLevelSpace};
  for (int index = 0; index < static_cast<int>(std::size(kCommandButtons)); ++index) {
    auto* button = AddNamedButton(kCommandButtons[index].caption, QString("cmdCom%1").arg(index),
                                  "lvlmanage" + std::to_string(index), panel);
    button->setToolTip(kCommandButtons[index].tooltip);
    if (index < 8) column->addWidget(button);
    commands_.push_back(button);
    if (index < static_cast<int>(std::size(run)))
      connect(button, &QPushButton::clicked, this, [this, command = run[index]] { RunCommand(command(editor_, Selection())); });
  }
  connect(commands_[6], &QPushButton::clicked, this, [this] { RunCommand(MoveLevelUp(editor_, Selection(), false)); });
  connect(commands_[7], &QPushButton::clicked, this, [this] { RunCommand(MoveLevelDown(editor_, Selection(), false)); });
  connect(commands_[8], &QPushButton::clicked, this, [this] { RunCommand(DeleteBinLevel(editor_, Selection())); });
  connect(commands_[9], &QPushButton::clicked, this, [this] { RunCommand(ClearBin(editor_)); });
}

std::vector<QWidget*> LevelManagementDialog::BuildFileButtons(QWidget* panel) {
  auto* row = new QHBoxLayout(panel);
  auto* create = AddNamedButton("New", "cmdFileNew", "lvlmanage_new", panel);
  auto* rename = AddNamedButton("Rename", "cmdFileEdit", "lvlmanage_rename", panel);
  auto* copy = AddNamedButton("Copy", "cmdFileCopy", "lvlmanage_copycolfile", panel);
  auto* remove = AddNamedButton("Delete", "cmdFileDelete", "lvlmanage_delete", panel);
  for (QPushButton* button : {create, rename, copy, remove}) row->addWidget(button);
  auto selectNew = [this](const std::string& name) {
    if (name.empty()) return;
    RefreshManageLists({});
    SelectCollection(name);
  };
  // New and Copy choose the collection they make: the holder guard runs before the file is made.
  connect(create, &QPushButton::clicked, this, [this, selectNew] {
    if (!GuardCollectionChoice()) selectNew(NewCollectionFile(editor_));
  });
  connect(rename, &QPushButton::clicked, this, [this, selectNew] {
    selectNew(RenameCollectionFile(editor_, CurrentCollection()));
  });
  connect(copy, &QPushButton::clicked, this, [this, selectNew] {
    if (collections_->count() > 0 && !GuardCollectionChoice())
      selectNew(CopyCollectionFile(editor_, CurrentCollection()));
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    if (collections_->count() > 0 && DeleteCollectionFile(editor_, CurrentCollection()) == "ok")
      RefreshManageLists({});
  });
  return {create, rename, copy, remove};
}

void LevelManagementDialog::ListLevels() {
  shown_.reset();
  preview_->ShowPreview(LevelPreview{});
  levels_->clear();
  const std::string name = CurrentCollection();
  if (name.empty()) return;
  try {
    for (const std::string& entry : LevelListEntries(ReadCollectionRecords(CollectionPath(editor_, name))))
      levels_->addItem(ToQString(entry));
  } catch (const std::exception& error) {
    ShowErrorMessage(editor_, error, "Cannot read the collection.");
  }
  NoCurrentRow(levels_);
}

void LevelManagementDialog::RefreshManageLists(const ManageOutcome& outcome) {
  const std::string chosen = CurrentCollection();
  const int row = SelectedRow(levels_);
  shown_.reset();
  bin_->clear();
  for (const std::string& title : LevelBinTitles(editor_.manage)) bin_->addItem(ToQString(title));
  collectionFiles_ = ListCollectionFiles(editor_, true, false).Files;
  FillStrings(collections_, collectionFiles_, -1, FileNameToQString);
  SelectCollection(chosen);
  if (row >= 0) levels_->setCurrentRow(std::min(row, levels_->count() - 1));
  if (outcome.levelPosition) levels_->setCurrentRow(*outcome.levelPosition);
  if (outcome.binPosition) bin_->setCurrentRow(*outcome.binPosition);
}

void LevelManagementDialog::SelectCollection(const std::string& name) {
  const int found = FindCollectionName(collectionFiles_, name);
  const int index = found >= 0 ? found : (collectionFiles_.empty() ? -1 : 0);
  {
    const QSignalBlocker blocker(collections_);
    collections_->setCurrentIndex(index);
  }
  ListLevels();
}

void LevelManagementDialog::RunCommand(const ManageOutcome& outcome) {
  if (outcome.refresh) RefreshManageLists(outcome);
}

std::string LevelManagementDialog::CurrentCollection() const {
  return ChosenEntry(collectionFiles_, collections_->currentIndex());
}

ManageSelection LevelManagementDialog::Selection() const {
  return {CurrentCollection(), SelectedRow(levels_) + 1, levels_->count(), SelectedRow(bin_)};
}

std::vector<std::string> LevelManagementDialog::LevelEntries() const {
  std::vector<std::string> entries;
  for (int i = 0; i < levels_->count(); ++i) entries.push_back(FromQString(levels_->item(i)->text()));
  return entries;
}

void LevelManagementDialog::ShowManagePreview(bool levelList) {
  const int binSlot = BinSlotOfEntry(editor_.manage, SelectedRow(bin_));
  const PreviewKey key = levelList ? PreviewKey{false, CurrentCollection(), SelectedRow(levels_) + 1}
                                   : PreviewKey{true, {}, binSlot};
  if (shown_ == key) return;
  shown_ = key;
  std::string record;
  try {
    if (key.bin && key.slot > 0) record = editor_.manage.LevelBin[static_cast<std::size_t>(key.slot - 1)];
    if (!key.bin && key.slot > 0) record = ReadSlot(CollectionPath(editor_, key.file), key.slot);
  } catch (const std::exception& error) {
    ShowErrorMessage(editor_, error, "Cannot show preview.");
  }
  preview_->ShowPreview(MakeLevelPreview(record, editor_.tiles));
}

bool LevelManagementDialog::HandleCommandKey(int key) {
  const int row = SelectedRow(levels_);
  if (row < 0) return false;
  // The keys do what the buttons do; the arrows move the selection with the level, as a list's own
  // arrow keys would.
  switch (key) {
    case Qt::Key_Space: commands_[0]->click(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: commands_[1]->click(); return true;
    case Qt::Key_Shift: commands_[2]->click(); return true;
    case Qt::Key_Backspace: commands_[3]->click(); return true;
    case Qt::Key_Insert: commands_[4]->click(); return true;
    case Qt::Key_Delete: commands_[kRemoveButton]->click(); return true;
    case Qt::Key_Left:
      RunCommand(MoveLevelUp(editor_, Selection(), true));
      levels_->setCurrentRow(std::max(row - 1, 0));
      return true;
    case Qt::Key_Right:
      RunCommand(MoveLevelDown(editor_, Selection(), true));
      levels_->setCurrentRow(std::min(row + 1, levels_->count() - 1));
      return true;
    default: return false;
  }
}

bool LevelManagementDialog::GuardCollectionChoice() {
  const std::vector<std::string> entries = LevelEntries();
  if (std::none_of(entries.begin(), entries.end(), IsHolderEntry)) return false;
  // The focus leaves the collection list before the message, so that getting it back after the
  // message does not ask again.
  commands_[kRemoveButton]->setFocus();
  GuardHolderSpaces(editor_, entries, HolderGuard::ChoosingCollection);
  return true;
}

bool LevelManagementDialog::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      // Only the level list's keys are commands: elsewhere Space presses the focused button.
      return watched == levels_ && HandleCommandKey(static_cast<QKeyEvent*>(event)->key());
    case QEvent::FocusIn:
      // The focus a press or the wheel gives comes just before the event itself, which is guarded:
      // one warning for one click.
      if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) break;
      [[fallthrough]];
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
      if (IsWithin(watched, collections_) && GuardCollectionChoice()) return true;
      break;
    default:
      break;
  }
  return DialogFrame::eventFilter(watched, event);
}

bool LevelManagementDialog::CheckBeforeOk() { return !GuardHolderSpaces(editor_, LevelEntries(), HolderGuard::Closing); }

void LevelManagementDialog::reject() {
  if (!GuardHolderSpaces(editor_, LevelEntries(), HolderGuard::Closing)) DialogFrame::reject();
}

void RunLevelManagementDialog(Editor& editor, std::string_view collectionFile, QWidget* parent) {
  LevelManagementDialog dialog(editor, collectionFile, parent);
  dialog.RunModal();
}

}  // namespace brolt::editor
