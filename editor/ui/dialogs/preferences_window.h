#pragma once
// The preferences dialog: the editor's colour scheme, its window and dialog options and the
// defaults of new levels.
#include <QCheckBox>
#include <QComboBox>

#include "editor/model/commands/preferences_command.h"
#include "editor/ui/dialogs/dialog_frame.h"
#include "editor/ui/qt/color_text.h"

namespace brolt::editor {

class PreferencesWindow : public DialogFrame, public PreferencesView {
 public:
  PreferencesWindow(Editor& editor, QWidget* parent);

  void FillPreferences(const PreferencesForm& form) override;
  bool RunPreferences() override { return RunModal(); }
  PreferencesForm ReadPreferences() const override;

  ColorButton* BorderButton() const { return border_; }
  ColorButton* GridLightButton() const { return gridLight_; }
  ColorButton* GridDarkButton() const { return gridDark_; }
  QCheckBox* RandomBox() const { return random_; }
  QComboBox* FadeList() const { return fade_; }
  QComboBox* LightRadiusList() const { return lightRadius_; }
  QComboBox* CannonRateList() const { return cannonRate_; }
  QComboBox* MaximizeList() const { return maximize_; }

 protected:
  bool CheckBeforeOk() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QComboBox* AddList(const QString& label, const QRect& labelArea, int listLeft, std::string helpKey,
                     const QStringList& entries);
  void RandomBoxChanged();
  void ChooseBorderColor();
  void ChooseGridColor(ColorButton* button);
  void ClampCannonRate();

  ColorButton* border_;
  ColorButton* gridLight_;
  ColorButton* gridDark_;
  QCheckBox* random_;
  QComboBox* fade_;
  QComboBox* centered_;
  QComboBox* maximize_;
  QComboBox* mute_;
  QComboBox* lightRadius_;
  QComboBox* cannonRate_;
};

}  // namespace brolt::editor
