#include "tools/content/pictures/tool_icons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <utility>

#include "tools/content/pictures/draw_kit.h"
#include "tools/content/pictures/image_files.h"

namespace brolt::content {

namespace {

const QColor kInk(40, 48, 64);
const QColor kPaper(250, 250, 244);
const QColor kAccent(58, 126, 214);
const QColor kWarm(226, 150, 40);
const QColor kGreen(52, 168, 84);

using IconPainter = std::function<void(QPainter&)>;

void Page(QPainter& p, double left) {
  QPainterPath page;
  page.moveTo(left, 2);
  page.lineTo(left + 8, 2);
  page.lineTo(left + 12, 6);
  page.lineTo(left + 12, 18);
  page.lineTo(left, 18);
  page.closeSubpath();
  p.setBrush(kPaper);
  p.drawPath(page);
  p.drawLine(QPointF(left + 8, 2), QPointF(left + 8, 6));
  p.drawLine(QPointF(left + 8, 6), QPointF(left + 12, 6));
}

void TextLines(QPainter& p, double left, int count) {
  for (int line = 0; line < count; ++line) p.drawLine(QPointF(left + 2, 9 + 3 * line), QPointF(left + 10, 9 + 3 * line));
}

void Arrow(QPainter& p, bool back) {
  const double sign = back ? -1 : 1;
  QPainterPath arc;
  arc.moveTo(10 - 5 * sign, 14);
  arc.cubicTo(10 - 6 * sign, 5, 10 + 5 * sign, 4, 10 + 5 * sign, 10);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kAccent, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(arc);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawPolygon(QPolygonF({QPointF(10 + 1.5 * sign, 9), QPointF(10 + 8.5 * sign, 9), QPointF(10 + 5 * sign, 15)}));
}

void Letter(QPainter& p, const QString& text, const QColor& colour) {
  p.setPen(colour);
  p.setFont(DejaVuSansBold(15));
  p.drawText(QRectF(0, 0, kToolIconSize, kToolIconSize), Qt::AlignCenter, text);
}

const std::vector<std::pair<const char*, IconPainter>>& IconPainters() {
  static const std::vector<std::pair<const char*, IconPainter>> painters{
      {"command_new", [](QPainter& p) { Page(p, 4); }},
      {"command_save",
       [](QPainter& p) {
         p.setBrush(kAccent);
         p.drawRoundedRect(QRectF(3, 3, 14, 14), 1.5, 1.5);
         p.setBrush(kPaper);
         p.drawRect(QRectF(6, 3, 8, 5));
         p.drawRect(QRectF(5.5, 11, 9, 6));
       }},
      {"command_load",
       [](QPainter& p) {
         p.setBrush(kWarm);
         p.drawPolygon(QPolygonF({QPointF(2, 5), QPointF(8, 5), QPointF(10, 7), QPointF(18, 7), QPointF(18, 16),
                                  QPointF(2, 16)}));
       }},
      {"command_properties",
       [](QPainter& p) {
         Page(p, 4);
         TextLines(p, 4, 3);
       }},
      {"command_management",
       [](QPainter& p) {
         for (int layer = 2; layer >= 0; --layer) {
           p.setBrush(layer == 0 ? kPaper : QColor(220, 220, 210));
           p.drawRect(QRectF(3 + 2 * layer, 8 - 2 * layer, 10, 10));
         }
       }},
      {"command_undo", [](QPainter& p) { Arrow(p, true); }},
      {"command_redo", [](QPainter& p) { Arrow(p, false); }},
      {"command_play",
       [](QPainter& p) {
         p.setBrush(kGreen);
         p.drawPolygon(QPolygonF({QPointF(6, 3), QPointF(17, 10), QPointF(6, 17)}));
       }},
      {"command_compile",
       [](QPainter& p) {
         p.setBrush(kWarm);
         p.drawRect(QRectF(3, 7, 14, 10));
         p.drawPolygon(QPolygonF({QPointF(3, 7), QPointF(6, 3), QPointF(14, 3), QPointF(17, 7)}));
         p.drawLine(QPointF(10, 7), QPointF(10, 17));
       }},
      {"command_copy",
       [](QPainter& p) {
         Page(p, 2);
         Page(p, 6);
       }},
      {"command_help",
       [](QPainter& p) {
         p.setBrush(kAccent);
         p.drawEllipse(QRectF(2, 2, 16, 16));
         Letter(p, "?", kPaper);
       }},
      {"chooser_zoom",
       [](QPainter& p) {
         p.setBrush(kPaper);
         p.drawEllipse(QRectF(3, 3, 10, 10));
         p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(12, 12), QPointF(17, 17));
       }},
      {"chooser_size",
       [](QPainter& p) {
         p.setBrush(kInk);
         p.drawRect(QRectF(3, 3, 4, 4));
         p.drawRect(QRectF(9, 9, 8, 8));
       }},
      {"chooser_saturation",
       [](QPainter& p) {
         p.setBrush(kInk);
         for (int dot = 0; dot < 9; ++dot)
           if (dot % 2 == 0 || dot == 3) p.drawEllipse(QRectF(3 + 5 * (dot % 3), 3 + 5 * (dot / 3), 4, 4));
       }},
      {"chooser_levels",
       [](QPainter& p) {
         p.setBrush(kInk);
         p.drawPolygon(QPolygonF({QPointF(4, 7), QPointF(16, 7), QPointF(10, 14)}));
       }},
      {"tool_selector",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1, Qt::DashLine));
         p.drawRect(QRectF(2.5, 2.5, 11, 11));
         p.setPen(kInk);
         p.setBrush(kPaper);
         p.drawPolygon(QPolygonF({QPointF(9, 8), QPointF(18, 13), QPointF(14, 14), QPointF(12, 18)}));
       }},
      {"tool_brush",
       [](QPainter& p) {
         p.setPen(QPen(kWarm, 3, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(16, 3), QPointF(9, 11));
         p.setPen(kInk);
         p.setBrush(kAccent);
         p.drawEllipse(QRectF(3, 11, 7, 7));
       }},
      {"tool_fill",
       [](QPainter& p) {
         p.setBrush(kPaper);
         p.drawPolygon(QPolygonF({QPointF(4, 8), QPointF(10, 3), QPointF(16, 9), QPointF(10, 15)}));
         p.setBrush(kAccent);
         p.drawEllipse(QRectF(14, 12, 4, 6));
       }},
      {"tool_rectangle",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 2));
         p.drawRect(QRectF(3, 5, 14, 10));
       }},
      {"tool_rectangle_fill",
       [](QPainter& p) {
         p.setBrush(kAccent);
         p.drawRect(QRectF(3, 5, 14, 10));
       }},
      {"tool_line",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(3, 17), QPointF(17, 3));
       }},
      {"tool_overwrite",
       [](QPainter& p) {
         // A tile laid over one already there.
         p.setBrush(kPaper);
         p.drawRect(QRectF(2.5, 2.5, 10, 10));
         p.setBrush(kWarm);
         p.drawRect(QRectF(7.5, 7.5, 10, 10));
       }},
      {"tool_preview_start",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 2));
         p.drawLine(QPointF(5, 2), QPointF(5, 18));
         p.setPen(Qt::NoPen);
         p.setBrush(kGreen);
         p.drawPolygon(QPolygonF({QPointF(6, 3), QPointF(17, 7), QPointF(6, 11)}));
       }},
  };
  return painters;
}

}  // namespace

std::vector<NamedFile> DrawToolIcons() {
  std::vector<NamedFile> icons;
  for (const auto& [name, paint] : IconPainters()) {
    QImage icon(kToolIconSize, kToolIconSize, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInk, 1.2));
    paint(painter);
    painter.end();
    icons.push_back({std::string(name) + ".png", EncodePng(icon)});
  }
  return icons;
}

}  // namespace brolt::content
