#include "editor/ui/boxes/wait_window.h"

#include <QLabel>
#include <algorithm>

#include "editor/model/editor.h"
#include "editor/ui/boxes/box_look.h"

namespace brolt::editor {

namespace {

QWidget* MakePanel(QWidget* parent, const QRect& place, const QColor& back) {
  auto* panel = new QWidget(parent);
  panel->setGeometry(place);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, back);
  panel->setPalette(palette);
  return panel;
}

QLabel* MakeFigure(QWidget* parent, const QRect& place, const QColor& colour) {
  auto* figure = new QLabel(QStringLiteral("0%"), parent);
  figure->setGeometry(place);
  figure->setFont(EditorFont(9.75, true));
  figure->setAlignment(Qt::AlignCenter);
  figure->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
  return figure;
}

}  // namespace

WaitWindow::WaitWindow(Editor& editor, QWidget* parent) : QDialog(parent) {
  PrepareBoxWindow(this, 5130, 1665);
  const BoxColours colours = ColoursOf(editor.prefs);
  new FrameShape(this, TwipsRect(120, 120, 4905, 1425), colours.border, 2);
  new FrameShape(this, TwipsRect(345, 825, 4470, 420), colours.gridDark, 1);
  // Two lines' room above the track: the system's font may not fit the message on one.
  QLabel* message = MakeBoxLabel(this, TwipsRect(120, 180, 4935, 630));
  message->setAlignment(Qt::AlignCenter);
  message->setText(QStringLiteral("Please wait while the action is being performed."));
  track_ = MakePanel(this, TwipsRect(360, 840, 4410, 375), Qt::black);
  // The figure is written twice at the same place: black where the bar has reached, in the border
  // colour beyond it. The bar clips its own copy to its width.
  trackFigure_ = MakeFigure(track_, TwipsRect(0, 45, 4620, 315), colours.border);
  bar_ = MakePanel(track_, TwipsRect(0, 0, 0, 435), colours.border);
  barFigure_ = MakeFigure(bar_, trackFigure_->geometry(), Qt::black);
  SetBoxOpacity(this, editor.WaitAlpha);
}

void WaitWindow::SetProgress(int percent) {
  percent = std::clamp(percent, 0, 100);
  bar_->resize(track_->width() * percent / 100, bar_->height());
  const QString figure = QString::number(percent) + QLatin1Char('%');
  trackFigure_->setText(figure);
  barFigure_->setText(figure);
}

}  // namespace brolt::editor
