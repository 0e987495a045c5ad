#pragma once
// Colours as the preferences and levels write them ("r,g,b") on widgets, and the colour buttons
// that show such a colour twice: as their caption and as their face.
#include <QColor>
#include <QPushButton>
#include <string>
#include <string_view>

#include "editor/ui/qt/qt_colors.h"

namespace brolt::editor {

// Paints a widget's face in a ColorText colour.
void PaintFace(QWidget* widget, std::string_view colour);

class ColorButton : public QPushButton {
 public:
  explicit ColorButton(QWidget* parent);
  // The caption becomes the text as given; the face shows the colour it names, the caption in
  // black or white, whichever reads better on it.
  void SetColorText(const std::string& colour);
  const std::string& ColorText() const { return colour_; }

 private:
  std::string colour_;
};

}  // namespace brolt::editor
