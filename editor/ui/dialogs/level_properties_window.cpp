#include "editor/ui/dialogs/level_properties_window.h"

#include <QSignalBlocker>

#include "common/numeric.h"
#include "editor/model/commands/color_chooser.h"
#include "editor/model/commands/state_checks.h"
#include "editor/ui/dialogs/color_picker_window.h"
#include "editor/ui/main_window/bar_keys.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {
namespace {

constexpr int kBarLeft = 128;
constexpr int kBarWidth = 150;

}  // namespace

LevelPropertiesWindow::LevelPropertiesWindow(Editor& editor, QWidget* parent)
    : DialogFrame(editor, "toolbar3", parent) {
  setFixedSize(380, 432);
  AddTitleBar("Level Properties");
  const Preferences& prefs = editor.prefs;
  AddPanel({8, 36, 364, 34}, prefs.GridDark);
  AddPanel({8, 76, 364, 74}, prefs.GridDark);
  AddPanel({8, 156, 364, 74}, prefs.GridDark);
  AddPanel({8, 236, 364, 74}, prefs.GridDark);
  AddPanel({8, 316, 364, 72}, prefs.GridLight);
  for (const auto& [heading, top] :
       {std::pair{"Time", 80}, std::pair{"Unid", 160}, std::pair{"General", 240}, std::pair{"Level Color", 320}})
    PlaceHeading(heading, {16, top, 150, 18});

  PlaceLabel("Title", {16, 44, 80, 18}, "level_title");
  title_ = new InputLine(this);
  title_->setGeometry(kBarLeft, 42, 236, 22);
  title_->SetRules({InputMode::Proper, kMaxLevelTitleLength});
  title_->setText("Untitled");
  OpenHelpOnRightClick(title_, "level_title");

  PlaceLabel("Set Time", {16, 102, 110, 18}, "level_timelimit");
  time_ = AddBar(102, 0, kMaxTimeLimit, 450, timeValue_, "level_timelimit");
  timeText_ = PlaceLabel("(Infinite)", {kBarLeft, 126, 150, 18}, "level_timelimit");
  PlaceLabel("Seconds Awarded For Each Unid", {16, 182, 250, 18}, "level_unidaward");
  unid_ = AddBar(204, 0, kMaxUnidAward, 100, unidValue_, "level_unidaward");
  PlaceLabel("Cannon Fire Rate", {16, 262, 110, 18}, "level_cannonrate");
  cannon_ = AddBar(262, 0, kMaxCannonRate, 50, cannonValue_, "level_cannonrate");
  PlaceLabel("Light Radius", {16, 286, 110, 18}, "level_lightradius");
  radius_ = AddBar(286, kMinLightRadius, kMaxLightRadius, 10, radiusValue_, "level_lightradius");

  for (int i = 0; i < 4; ++i) {
    auto* button = new ColorButton(this);
    button->setGeometry(16 + 88 * i, 340, 84, 24);
    button->SetColorText("0,0,0");
    connect(button, &QPushButton::clicked, this, [this, i] { ChooseLevelColor(i); });
    colors_[static_cast<std::size_t>(i)] = button;
  }
  random_ = new QCheckBox("Random Level Color", this);
  random_->setGeometry(16, 366, 160, 20);
  random_->setStyleSheet("QCheckBox { color: white; }");
  OpenHelpOnRightClick(random_, "level_randomcolor");
  connect(random_, &QCheckBox::toggled, this, &LevelPropertiesWindow::RandomBoxChanged);

  AddButtons("Apply", true);
  PlaceButtons(398);
  ShowBarValues();
}

QScrollBar* LevelPropertiesWindow::AddBar(int top, int minimum, int maximum, int pageStep, QLabel*& value,
                                          const std::string& helpKey) {
  auto* bar = new QScrollBar(Qt::Horizontal, this);
  bar->setRange(minimum, maximum);
  bar->setPageStep(pageStep);
  bar->setSingleStep(1);
  LetKeysMoveBar(*bar);
  bar->setGeometry(kBarLeft, top, kBarWidth, 18);
  value = PlaceLabel("", {kBarLeft + kBarWidth + 8, top, 60, 18}, helpKey);
  connect(bar, &QScrollBar::valueChanged, this, &LevelPropertiesWindow::ShowBarValues);
  return bar;
}

void LevelPropertiesWindow::ShowBarValues() {
  timeValue_->setText(ToQString(PadNumber(time_->value(), 3)));
  timeText_->setText(ToQString(TimeLimitText(time_->value())));
  unidValue_->setText(ToQString(PadNumber(unid_->value(), 3)));
  cannonValue_->setText(ToQString(PadNumber(cannon_->value(), 3)));
  radiusValue_->setText(ToQString(PadNumber(radius_->value(), 2)));
}

void LevelPropertiesWindow::FillProperties(const LevelPropertiesForm& form) {
  title_->setText(ToQString(form.Title));
  radius_->setValue(form.LightRadius);
  time_->setValue(form.TimeLimit);
  unid_->setValue(form.UnidAward);
  cannon_->setValue(form.CannonRate);
  ShowColors(form.Colors);
  const QSignalBlocker quiet(random_);  // the form's colours already follow the box
  random_->setChecked(form.RandomColors);
  for (ColorButton* button : colors_) button->setEnabled(!form.RandomColors);
}

LevelPropertiesForm LevelPropertiesWindow::ReadProperties() const {
  return {FromQString(title_->text()), radius_->value(), time_->value(), unid_->value(), cannon_->value(), Colors(),
          random_->isChecked()};
}

std::array<std::string, 4> LevelPropertiesWindow::Colors() const {
  std::array<std::string, 4> colours;
  for (std::size_t i = 0; i < colours.size(); ++i) colours[i] = colors_[i]->ColorText();
  return colours;
}

void LevelPropertiesWindow::ShowColors(const std::array<std::string, 4>& colours) {
  for (std::size_t i = 0; i < colours.size(); ++i) colors_[i]->SetColorText(colours[i]);
}

void LevelPropertiesWindow::RandomBoxChanged() {
  std::array<std::string, 4> colours = Colors();
  ApplyRandomColorsBox(colours, random_->isChecked());
  ShowColors(colours);
  for (ColorButton* button : colors_) button->setEnabled(!random_->isChecked());
}

void LevelPropertiesWindow::ChooseLevelColor(int index) {
  ColorPickerWindow picker(editor_, this);
  ColorButton* button = colors_[static_cast<std::size_t>(index)];
  const std::string chosen = ChooseColor(picker, button->ColorText());
  if (!chosen.empty()) button->SetColorText(chosen);
}

bool LevelPropertiesWindow::CheckBeforeOk() { return ValidateLevelTitle(editor_, FromQString(title_->text()), true); }

void LevelPropertiesWindow::showEvent(QShowEvent* event) {
  title_->setFocus();
  title_->selectAll();
  DialogFrame::showEvent(event);
}

}  // namespace brolt::editor
