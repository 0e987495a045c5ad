#pragma once
// The level properties dialog: title, time limit, unid award, cannon rate, light radius and the
// four level colours or random ones.
#include <QCheckBox>
#include <QScrollBar>
#include <array>

#include "editor/model/commands/level_properties.h"
#include "editor/ui/dialogs/dialog_frame.h"
#include "editor/ui/qt/color_text.h"
#include "editor/ui/qt/input_line.h"

namespace brolt::editor {

class LevelPropertiesWindow : public DialogFrame, public LevelPropertiesView {
 public:
  LevelPropertiesWindow(Editor& editor, QWidget* parent);

  void FillProperties(const LevelPropertiesForm& form) override;
  bool RunProperties() override { return RunModal(); }
  LevelPropertiesForm ReadProperties() const override;

  InputLine* TitleBox() const { return title_; }
  QScrollBar* TimeBar() const { return time_; }
  QScrollBar* UnidBar() const { return unid_; }
  QScrollBar* CannonBar() const { return cannon_; }
  QScrollBar* RadiusBar() const { return radius_; }
  QLabel* TimeValue() const { return timeValue_; }
  QLabel* TimeText() const { return timeText_; }
  QLabel* UnidValue() const { return unidValue_; }
  QLabel* CannonValue() const { return cannonValue_; }
  QLabel* RadiusValue() const { return radiusValue_; }
  ColorButton* ColorButtonAt(int index) const { return colors_[static_cast<std::size_t>(index)]; }
  QCheckBox* RandomBox() const { return random_; }

 protected:
  bool CheckBeforeOk() override;
  void showEvent(QShowEvent* event) override;

 private:
  // A bar with its value label, the label opening the bar's help topic.
  QScrollBar* AddBar(int top, int minimum, int maximum, int pageStep, QLabel*& value, const std::string& helpKey);
  void ShowBarValues();
  void RandomBoxChanged();
  void ChooseLevelColor(int index);
  std::array<std::string, 4> Colors() const;
  void ShowColors(const std::array<std::string, 4>& colours);

  InputLine* title_;
  QScrollBar* time_;
  QScrollBar* unid_;
  QScrollBar* cannon_;
  QScrollBar* radius_;
  QLabel* timeValue_ = nullptr;
  QLabel* timeText_ = nullptr;
  QLabel* unidValue_ = nullptr;
  QLabel* cannonValue_ = nullptr;
  QLabel* radiusValue_ = nullptr;
  std::array<ColorButton*, 4> colors_{};
  QCheckBox* random_;
};

}  // namespace brolt::editor
