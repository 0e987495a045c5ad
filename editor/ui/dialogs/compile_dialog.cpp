#include "editor/ui/dialogs/compile_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "common/collection_file.h"
#include "editor/model/collections/collection_contents.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/commands/compile_collection.h"
#include "editor/model/commands/error_report.h"
#include "editor/ui/dialogs/collection_widgets.h"
#include "editor/ui/dialogs/tag_box.h"
#include "editor/ui/qt/input_line.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

namespace {
constexpr int kIntroductionLength = 240;
constexpr int kCongratulationsLength = 720;
}  // namespace

CompileDialog::CompileDialog(Editor& editor, CompileChoices& choices, QWidget* parent)
    : DialogFrame(editor, "toolbar8", parent), choices_(choices) {
  setWindowTitle("Compile Level Collection");

  file_ = new QComboBox(this);
  file_->setObjectName("txtFile");
  FillStrings(file_, choices.files, std::max(FindCollectionName(choices.files, choices.file), 0), FileNameToQString);
  count_ = new QComboBox(this);
  count_->setObjectName("txtLevs");
  count_->setEditable(true);
  count_->setLineEdit(new InputLine(count_));
  count_->setInsertPolicy(QComboBox::NoInsert);
  countLine_ = AddLabel("", "compile_availablelevels");
  countLine_->setObjectName("labCount");
  introduction_ = new TagBox(kIntroductionLength, this);
  introduction_->setObjectName("txtCmnts");
  introduction_->setFixedHeight(70);
  congratulations_ = new TagBox(kCongratulationsLength, this);
  congratulations_->setObjectName("txtCongrats");
  congratulations_->setFixedHeight(140);
  AddButtons("Compile", true);
  OkButton()->setObjectName("cmdOK");
  CancelButton()->setObjectName("cmdCancel");

  auto* countRow = new QHBoxLayout;
  countRow->addWidget(AddLabel("Allow", "compile_availablelevels"));
  countRow->addWidget(count_);
  countRow->addWidget(countLine_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(HelpButton());
  buttons->addStretch();
  buttons->addWidget(OkButton());
  buttons->addWidget(CancelButton());
  auto* layout = new QGridLayout(this);
  layout->addWidget(AddLabel("Compile Level Collection", "toolbar8"), 0, 0);
  layout->addWidget(AddLabel("Collection To Compile", "collectioncombo"), 1, 0);
  layout->addWidget(file_, 2, 0);
  layout->addWidget(AddLabel("Properties"), 3, 0);
  layout->addLayout(countRow, 4, 0);
  layout->addWidget(AddLabel("Introductory Tag  (240 Chrs. Max)", "compile_comments"), 5, 0);
  layout->addWidget(introduction_, 6, 0);
  layout->addWidget(AddLabel("Congratulations Tag  (720 Chrs. Max)", "compile_congrats"), 7, 0);
  layout->addWidget(congratulations_, 8, 0);
  layout->addLayout(buttons, 9, 0);
  PaintBackground(editor.prefs.GridDark);

  resize(420, sizeHint().height());
  count_->setEditText("5");
  connect(file_, &QComboBox::currentIndexChanged, this, &CompileDialog::ChooseCollection);
  connect(count_->lineEdit(), &QLineEdit::editingFinished, this, &CompileDialog::ClampCount);
  introduction_->setPlainText(ToQString(choices.introduction));
  congratulations_->setPlainText(ToQString(choices.congratulations));
  ChooseCollection();
  file_->setFocus();
}

void CompileDialog::ChooseCollection() {
  levelCount_ = 0;
  try {
    levelCount_ = static_cast<int>(CountFilledSlots(CollectionPath(editor_, ChosenFile())));
  } catch (const std::exception& error) {
    ShowErrorMessage(editor_, error, "Cannot read the collection.");
  }
  const QString typed = count_->currentText();
  count_->clear();
  for (int level = 1; level <= levelCount_; ++level) count_->addItem(QString::number(level));
  const std::optional<int> preset = OpenLevelsPreset(levelCount_);
  count_->setEditText(preset ? QString::number(*preset) : typed);
  countLine_->setText(QString("available levels. (%1 total)").arg(levelCount_));
}

std::string CompileDialog::ChosenFile() const { return ChosenEntry(choices_.files, file_->currentIndex()); }

void CompileDialog::ClampCount() {
  count_->setEditText(QString::number(ClampOpenLevels(FromQString(count_->currentText()), levelCount_)));
}

bool CompileDialog::CheckBeforeOk() {
  ClampCount();
  const std::string file = ChosenFile();
  if (!AcceptCompileChoice(editor_, file)) return false;
  choices_.file = file;
  choices_.openLevels = count_->currentText().toInt();
  choices_.introduction = FromQString(introduction_->toPlainText());
  choices_.congratulations = FromQString(congratulations_->toPlainText());
  return true;
}

void CompileDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) file_->setFocus();
  DialogFrame::changeEvent(event);
}

bool RunCompileDialog(Editor& editor, CompileChoices& choices, QWidget* parent) {
  CompileDialog dialog(editor, choices, parent);
  return dialog.RunModal();
}

}  // namespace brolt::editor
