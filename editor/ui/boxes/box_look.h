#pragma once
// The look the editor's own boxes and help window share: black windows with frames in the colour
// scheme, white bold labels, buttons in the border colour, all placed in twips as designed.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QWidget>
#include <string_view>

#include "editor/ui/qt/qt_colors.h"

class QLabel;
class QPushButton;

namespace brolt::editor {

struct Preferences;

// 15 twips to the pixel, as the editor's windows were laid out.
int Twips(int twips);
QRect TwipsRect(int left, int top, int width, int height);

// The system's sans-serif family at a point size.
QFont EditorFont(double points, bool bold);

struct BoxColours {
  QColor border;
  QColor gridDark;
  QColor gridLight;
};
BoxColours ColoursOf(const Preferences& prefs);

// A frame outline over its parent, the designed shapes of the windows; it takes no mouse input.
class FrameShape : public QWidget {
 public:
  FrameShape(QWidget* parent, const QRect& place, const QColor& colour, int width);
  void SetColour(const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
  int width_;
};

// A one-pixel outline of the main window, named as its shape; the window colours it later.
FrameShape* NamedFrame(QWidget* parent, const QRect& place, const QString& name);

// A black window of a fixed client size in twips, without a caption.
void PrepareBoxWindow(QWidget* window, int widthTwips, int heightTwips);

// A white bold label (9.75 pt) on a transparent back.
QLabel* MakeBoxLabel(QWidget* parent, const QRect& place);

// A bold (8.25 pt) button whose face is the border colour.
QPushButton* MakeBoxButton(QWidget* parent, const QRect& place, const QString& caption, const QColor& face);

// The whole window drawn at alpha / 255 opacity.
void SetBoxOpacity(QWidget* window, int alpha);

// Puts a window in the middle of the screen it is on.
void CentreOnScreen(QWidget* window);

}  // namespace brolt::editor
