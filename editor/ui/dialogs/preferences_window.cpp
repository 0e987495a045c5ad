#include "editor/ui/dialogs/preferences_window.h"

#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "editor/model/commands/color_chooser.h"
#include "editor/ui/dialogs/color_picker_window.h"
#include "editor/ui/qt/input_line.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {
namespace {

const QStringList kTrueFalse{"True", "False"};

QString TrueFalse(bool value) { return value ? "True" : "False"; }

// Shows a value in a list; a value the list lacks joins it, so that an unchanged dialog keeps it.
void ShowInList(QComboBox* list, const std::string& value) {
  const QString text = ToQString(value);
  int index = list->findText(text);
  if (index < 0) {
    list->addItem(text);
    index = list->count() - 1;
  }
  list->setCurrentIndex(index);
}

}  // namespace

PreferencesWindow::PreferencesWindow(Editor& editor, QWidget* parent) : DialogFrame(editor, "preferences", parent) {
  setFixedSize(470, 318);
  AddTitleBar("Preferences");
  const Preferences& prefs = editor.prefs;
  AddPanel({8, 36, 228, 164}, prefs.GridDark);
  AddPanel({242, 36, 220, 164}, prefs.GridDark);
  AddPanel({8, 206, 454, 68}, prefs.GridLight);
  PlaceLabel("Editor Color Scheme", {16, 40, 150, 18});
  PlaceLabel("Editor Properties", {250, 40, 200, 18});
  PlaceLabel("Default Level Properties", {16, 210, 200, 18});

  auto addColorButton = [this](const QString& label, int top, std::string helpKey) {
    PlaceLabel(label, {16, top + 3, 80, 18}, std::move(helpKey));
    auto* button = new ColorButton(this);
    button->setGeometry(100, top, 120, 24);
    button->SetColorText("255,255,255");
    return button;
  };
  border_ = addColorButton("Border Color", 64, "prefs_bordercolor");
  gridLight_ = addColorButton("Grid Color 1", 94, "prefs_gridcolor1");
  gridDark_ = addColorButton("Grid Color 2", 124, "prefs_gridcolor2");
  connect(border_, &QPushButton::clicked, this, &PreferencesWindow::ChooseBorderColor);
  connect(gridLight_, &QPushButton::clicked, this, [this] { ChooseGridColor(gridLight_); });
  connect(gridDark_, &QPushButton::clicked, this, [this] { ChooseGridColor(gridDark_); });
  random_ = new QCheckBox("Choose Random Color on Startup", this);
  random_->setGeometry(14, 160, 220, 24);
  random_->setStyleSheet("QCheckBox { color: white; }");
  OpenHelpOnRightClick(random_, "prefs_chooserandomcolor");
  connect(random_, &QCheckBox::toggled, this, &PreferencesWindow::RandomBoxChanged);

  fade_ = AddList("Form Fade-In Speed", {250, 66, 140, 18}, 396, "prefs_formfadein",
                  {"1", "5", "10", "15", "20", "25", "30", "50", "255"});
  centered_ = AddList("Center on Screen", {250, 96, 140, 18}, 396, "prefs_centeronscreen", kTrueFalse);
  maximize_ = AddList("Maximize Editor", {250, 126, 140, 18}, 396, "prefs_maximizeeditor", kTrueFalse);
  mute_ = AddList("Mute Music While Previewing Level", {250, 156, 140, 30}, 396, "prefs_mutemusic", kTrueFalse);
  mute_->move(mute_->x(), 160);
  lightRadius_ = AddList("Level Light Radius", {16, 240, 110, 18}, 130, "level_lightradius",
                         {"3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "20", "25"});
  cannonRate_ = AddList("Cannon Fire Rate (Sec.)", {240, 240, 150, 18}, 396, "level_cannonrate",
                        {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "15", "20", "25", "30", "60"});
  cannonRate_->setEditable(true);
  cannonRate_->setLineEdit(new InputLine(cannonRate_));
  cannonRate_->setInsertPolicy(QComboBox::NoInsert);
  // The list has the focus and hands its losing to its line straight, past the line's filters.
  cannonRate_->installEventFilter(this);
  cannonRate_->lineEdit()->installEventFilter(this);

  AddButtons("OK", true);
  PlaceButtons(284);
  for (QComboBox* list : {fade_, centered_, maximize_, mute_, lightRadius_, cannonRate_}) list->setCurrentIndex(-1);
}

QComboBox* PreferencesWindow::AddList(const QString& label, const QRect& labelArea, int listLeft, std::string helpKey,
                                      const QStringList& entries) {
  HelpLabel* heading = PlaceLabel(label, labelArea, std::move(helpKey));
  heading->setWordWrap(true);
  auto* list = new QComboBox(this);
  list->addItems(entries);
  list->setGeometry(listLeft, labelArea.top() - 3, 60, 24);
  return list;
}

void PreferencesWindow::FillPreferences(const PreferencesForm& form) {
  border_->SetColorText(form.BorderColor);
  gridLight_->SetColorText(form.GridLight);
  gridDark_->SetColorText(form.GridDark);
  {
    // Filling shows the colours as they are; only the designer's tick draws new ones.
    const QSignalBlocker quiet(random_);
    random_->setChecked(form.RandomColors);
  }
  for (ColorButton* button : {border_, gridLight_, gridDark_}) button->setEnabled(!form.RandomColors);
  ShowInList(lightRadius_, form.LightRadiusDefault);
  ShowInList(fade_, form.FadeInSpeed);
  mute_->setCurrentText(TrueFalse(form.MuteMusic));
  centered_->setCurrentText(TrueFalse(form.CenterWindow));
  maximize_->setCurrentText(TrueFalse(form.MaximizeEditor));
  cannonRate_->setCurrentText(ToQString(form.CannonRateDefault));
}

PreferencesForm PreferencesWindow::ReadPreferences() const {
  PreferencesForm form;
  form.BorderColor = border_->ColorText();
  form.GridLight = gridLight_->ColorText();
  form.GridDark = gridDark_->ColorText();
  form.RandomColors = random_->isChecked();
  form.LightRadiusDefault = FromQString(lightRadius_->currentText());
  form.FadeInSpeed = FromQString(fade_->currentText());
  form.CannonRateDefault = FromQString(cannonRate_->currentText());
  form.MuteMusic = mute_->currentText() == "True";
  form.CenterWindow = centered_->currentText() == "True";
  form.MaximizeEditor = maximize_->currentText() == "True";
  return form;
}

void PreferencesWindow::RandomBoxChanged() {
  const bool ticked = random_->isChecked();
  if (ticked) {
    const std::array<std::string, 3> drawn = DrawRandomSchemeColors(editor_);
    border_->SetColorText(drawn[0]);
    gridLight_->SetColorText(drawn[1]);
    gridDark_->SetColorText(drawn[2]);
  }
  for (ColorButton* button : {border_, gridLight_, gridDark_}) button->setEnabled(!ticked);
}

void PreferencesWindow::ChooseBorderColor() {
  ColorPickerWindow picker(editor_, this);
  const std::string chosen = ChooseColor(picker, border_->ColorText());
  if (chosen.empty()) return;
  border_->SetColorText(chosen);
  const std::array<std::string, 2> grids = GridColorsForBorder(chosen);
  gridLight_->SetColorText(grids[0]);
  gridDark_->SetColorText(grids[1]);
}

void PreferencesWindow::ChooseGridColor(ColorButton* button) {
  ColorPickerWindow picker(editor_, this);
  const std::string chosen = ChooseColor(picker, button->ColorText());
  if (!chosen.empty()) button->SetColorText(chosen);
}

void PreferencesWindow::ClampCannonRate() {
  cannonRate_->setCurrentText(ToQString(ClampCannonRateText(FromQString(cannonRate_->currentText()))));
}

bool PreferencesWindow::CheckBeforeOk() {
  // Enter presses OK without the list losing the focus first; its clamp runs here too.
  ClampCannonRate();
  return true;
}

bool PreferencesWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool cannonRate = watched == cannonRate_ || watched == cannonRate_->lineEdit();
  if (cannonRate && event->type() == QEvent::FocusOut) ClampCannonRate();
  return DialogFrame::eventFilter(watched, event);
}

}  // namespace brolt::editor
