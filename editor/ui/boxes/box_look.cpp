#include "editor/ui/boxes/box_look.h"

#include <QFontDatabase>
#include <algorithm>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "editor/model/services/preferences.h"

namespace brolt::editor {

int Twips(int twips) { return (twips + 7) / 15; }

QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

QFont EditorFont(double points, bool bold) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

BoxColours ColoursOf(const Preferences& prefs) {
  return {ColorFromText(prefs.BorderColor), ColorFromText(prefs.GridDark), ColorFromText(prefs.GridLight)};
}

FrameShape::FrameShape(QWidget* parent, const QRect& place, const QColor& colour, int width)
    : QWidget(parent), colour_(colour), width_(width) {
  setGeometry(place);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameShape::SetColour(const QColor& colour) {
  colour_ = colour;
  update();
}

FrameShape* NamedFrame(QWidget* parent, const QRect& place, const QString& name) {
  auto* frame = new FrameShape(parent, place, QColor(), 1);
  frame->setObjectName(name);
  return frame;
}

void FrameShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour_);
  const int w = width(), h = height(), t = width_;
  painter.drawRect(0, 0, w, t);
  painter.drawRect(0, h - t, w, t);
  painter.drawRect(0, 0, t, h);
  painter.drawRect(w - t, 0, t, h);
}

void PrepareBoxWindow(QWidget* window, int widthTwips, int heightTwips) {
  window->setFixedSize(Twips(widthTwips), Twips(heightTwips));
  window->setWindowTitle(QString());
  window->setAutoFillBackground(true);
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, Qt::black);
  window->setPalette(palette);
}

QLabel* MakeBoxLabel(QWidget* parent, const QRect& place) {
  auto* label = new QLabel(parent);
  label->setGeometry(place);
  label->setFont(EditorFont(9.75, true));
  label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QPushButton* MakeBoxButton(QWidget* parent, const QRect& place, const QString& caption, const QColor& face) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(place);
  button->setFont(EditorFont(8.25, true));
  button->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: black; border: 2px outset %1; }"
                                       "QPushButton:pressed { border-style: inset; }"
                                       "QPushButton:focus { border-color: white; }")
                            .arg(face.name()));
  return button;
}

void SetBoxOpacity(QWidget* window, int alpha) { window->setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0); }

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace brolt::editor
