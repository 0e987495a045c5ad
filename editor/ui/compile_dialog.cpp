#include "editor/ui/compile_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "common/collection_file.h"
#include "editor/model/compile_collection.h"
#include "editor/model/error_report.h"
#include "editor/model/level_files.h"
#include "editor/ui/dialog_skin.h"
#include "editor/ui/qt_text.h"

namespace brolt::editor {

namespace {
constexpr int kIntroductionLength = 240;
constexpr int kCongratulationsLength = 720;

QPlainTextEdit* TagBox(const char* name, int maxLength, QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(name);
  box->setTabChangesFocus(true);
  QObject::connect(box, &QPlainTextEdit::textChanged, box, [box, maxLength] {
    const QString text = box->toPlainText();
    if (text.size() <= maxLength) return;
    box->setPlainText(text.left(maxLength));
    box->moveCursor(QTextCursor::End);
  });
  return box;
}
}  // namespace

CompileDialog::CompileDialog(Editor& editor, CompileChoices& choices, QWidget* parent)
    : QDialog(parent), editor_(editor), choices_(choices) {
  setWindowTitle("Compile Level Collection");
  SkinDialog(*this, editor.prefs);

  file_ = new QComboBox(this);
  file_->setObjectName("txtFile");
  for (const std::string& name : choices.files) file_->addItem(ToQString(name));
  count_ = new QComboBox(this);
  count_->setObjectName("txtLevs");
  count_->setEditable(true);
  count_->setInsertPolicy(QComboBox::NoInsert);
  countLine_ = new QLabel(this);
  countLine_->setObjectName("labCount");
  introduction_ = TagBox("txtCmnts", kIntroductionLength, this);
  introduction_->setFixedHeight(70);
  congratulations_ = TagBox("txtCongrats", kCongratulationsLength, this);
  congratulations_->setFixedHeight(140);
  auto* compile = new QPushButton("Compile", this);
  compile->setObjectName("cmdOK");
  compile->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("cmdCancel");

  auto* countRow = new QHBoxLayout;
  countRow->addWidget(new QLabel("Allow", this));
  countRow->addWidget(count_);
  countRow->addWidget(countLine_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(compile);
  buttons->addWidget(cancel);
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel("Compile Level Collection", this), 0, 0);
  layout->addWidget(new QLabel("Collection To Compile", this), 1, 0);
  layout->addWidget(file_, 2, 0);
  layout->addWidget(new QLabel("Properties", this), 3, 0);
  layout->addLayout(countRow, 4, 0);
  layout->addWidget(new QLabel("Introductory Tag  (240 Chrs. Max)", this), 5, 0);
  layout->addWidget(introduction_, 6, 0);
  layout->addWidget(new QLabel("Congratulations Tag  (720 Chrs. Max)", this), 7, 0);
  layout->addWidget(congratulations_, 8, 0);
  layout->addLayout(buttons, 9, 0);

  resize(420, sizeHint().height());
  count_->setEditText("5");
  connect(file_, &QComboBox::currentIndexChanged, this, &CompileDialog::ChooseCollection);
  connect(count_->lineEdit(), &QLineEdit::editingFinished, this, &CompileDialog::ClampCount);
  connect(compile, &QPushButton::clicked, this, &CompileDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &CompileDialog::reject);
  introduction_->setPlainText(ToQString(choices.introduction));
  congratulations_->setPlainText(ToQString(choices.congratulations));
  {
    // The first collection added is already current, so choosing it raises no change.
    const QSignalBlocker blocker(file_);
    file_->setCurrentIndex(std::max(file_->findText(ToQString(choices.file)), 0));
  }
  ChooseCollection();
  file_->setFocus();
}

void CompileDialog::ChooseCollection() {
  levelCount_ = 0;
  try {
    levelCount_ = static_cast<int>(CountFilledSlots(CollectionPath(editor_, FromQString(file_->currentText()))));
  } catch (const std::exception& error) {
    ShowErrorMessage(editor_, error.what(), "Cannot read the collection.");
  }
  const QString typed = count_->currentText();
  count_->clear();
  for (int level = 1; level <= levelCount_; ++level) count_->addItem(QString::number(level));
  const std::optional<int> preset = OpenLevelsPreset(levelCount_);
  count_->setEditText(preset ? QString::number(*preset) : typed);
  countLine_->setText(QString("available levels. (%1 total)").arg(levelCount_));
}

void CompileDialog::ClampCount() {
  count_->setEditText(QString::number(ClampOpenLevels(FromQString(count_->currentText()), levelCount_)));
}

void CompileDialog::accept() {
  ClampCount();
  const std::string file = FromQString(file_->currentText());
  if (!AcceptCompileChoice(editor_, file)) return;
  choices_.file = file;
  choices_.openLevels = count_->currentText().toInt();
  choices_.introduction = FromQString(introduction_->toPlainText());
  choices_.congratulations = FromQString(congratulations_->toPlainText());
  QDialog::accept();
}

bool RunCompileDialog(Editor& editor, CompileChoices& choices, QWidget* parent) {
  CompileDialog dialog(editor, choices, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace brolt::editor
