#pragma once
// A panel that draws one-pixel frames around parts of itself, in colours the main window sets from
// the preferences: the window's client area framing its panels, and the tool bar framing the level
// labels.
#include <QColor>
#include <QRect>
#include <QWidget>
#include <map>

namespace brolt::editor {

class FramedPanel : public QWidget {
 public:
  using QWidget::QWidget;

  // Frame `id` covers `area`, its outline on the area's outermost pixels.
  void SetFrame(int id, const QRect& area);
  void SetFrameColour(int id, const QColor& colour);
  QRect Frame(int id) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct FrameShape {
    QRect area;
    QColor colour;
  };
  std::map<int, FrameShape> frames_;
};

}  // namespace brolt::editor
