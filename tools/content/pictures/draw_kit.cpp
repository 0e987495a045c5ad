#include "tools/content/pictures/draw_kit.h"

#include <QFontDatabase>
#include <algorithm>
#include <stdexcept>
#include <string>
#include <cmath>

namespace brolt::content {

namespace {
constexpr const char* kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
}  // namespace

Rgba Opaque(double r, double g, double b) { return {r, g, b, 1.0}; }
Rgba Grey(double v) { return {v, v, v, 1.0}; }

Rgba Mix(const Rgba& from, const Rgba& to, double t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
          from.a + (to.a - from.a) * t};
}

Rgba Scaled(const Rgba& colour, double factor) {
  return {colour.r * factor, colour.g * factor, colour.b * factor, colour.a};
}

Rgba WithAlpha(const Rgba& colour, double alpha) { return {colour.r, colour.g, colour.b, alpha}; }

Rgba Over(const Rgba& top, const Rgba& bottom) {
  double a = top.a + bottom.a * (1.0 - top.a);
  if (a <= 0.0) return {};
  auto channel = [&](double t, double b) { return (t * top.a + b * bottom.a * (1.0 - top.a)) / a; };
  return {channel(top.r, bottom.r), channel(top.g, bottom.g), channel(top.b, bottom.b), a};
}

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double SmoothStep(double edge0, double edge1, double x) {
  double t = Clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3.0 - 2.0 * t);
}

double SphereHeight(double dx, double dy, double radius) {
  double d2 = (dx * dx + dy * dy) / (radius * radius);
  return d2 >= 1.0 ? -1.0 : std::sqrt(1.0 - d2);
}

double Hash01(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
  std::uint32_t h = 0x9E3779B9u;
  for (std::uint32_t word : {a, b, c, d}) {
    h ^= word + 0x7F4A7C15u + (h << 6) + (h >> 2);
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
  }
  return (h >> 8) * (1.0 / 16777216.0);
}

namespace {
double Fade(double t) { return t * t * (3.0 - 2.0 * t); }

std::uint32_t Wrap(int value, int period) {
  int m = value % period;
  return static_cast<std::uint32_t>(m < 0 ? m + period : m);
}
}  // namespace

double PeriodicNoise(double x, double y, int period, std::uint32_t seed) {
  double fx = std::floor(x), fy = std::floor(y);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  double tx = Fade(x - fx), ty = Fade(y - fy);
  auto at = [&](int dx, int dy) { return Hash01(Wrap(ix + dx, period), Wrap(iy + dy, period), seed); };
  double top = at(0, 0) + (at(1, 0) - at(0, 0)) * tx;
  double bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * tx;
  return top + (bottom - top) * ty;
}

double FractalNoise(double x, double y, int period, int octaves, std::uint32_t seed) {
  double sum = 0, weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += weight * PeriodicNoise(x, y, period, seed + static_cast<std::uint32_t>(i) * 101u);
    total += weight;
    weight *= 0.5;
    x *= 2;
    y *= 2;
    period *= 2;
  }
  return sum / total;
}

double Noise3(double x, double y, double z, std::uint32_t seed) {
  double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
  auto ix = static_cast<std::uint32_t>(static_cast<std::int32_t>(fx));
  auto iy = static_cast<std::uint32_t>(static_cast<std::int32_t>(fy));
  auto iz = static_cast<std::uint32_t>(static_cast<std::int32_t>(fz));
  double tx = Fade(x - fx), ty = Fade(y - fy), tz = Fade(z - fz);
  auto at = [&](std::uint32_t dx, std::uint32_t dy, std::uint32_t dz) {
    return Hash01(ix + dx, iy + dy, iz + dz, seed);
  };
  auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
  double c00 = lerp(at(0, 0, 0), at(1, 0, 0), tx), c10 = lerp(at(0, 1, 0), at(1, 1, 0), tx);
  double c01 = lerp(at(0, 0, 1), at(1, 0, 1), tx), c11 = lerp(at(0, 1, 1), at(1, 1, 1), tx);
  return lerp(lerp(c00, c10, ty), lerp(c01, c11, ty), tz);
}

QImage NewSheet() {
  QImage sheet(kSheetSize, kSheetSize, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(Qt::transparent);
  return sheet;
}

void ShadeRect(QImage& image, const QRect& area, const PixelShader& shader, int samples) {
  double step = 1.0 / samples;
  for (int py = area.top(); py <= area.bottom(); ++py) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
    for (int px = area.left(); px <= area.right(); ++px) {
      double r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          Rgba c = shader(px - area.left() + (sx + 0.5) * step, py - area.top() + (sy + 0.5) * step);
          double ca = Clamp01(c.a);
          r += Clamp01(c.r) * ca;
          g += Clamp01(c.g) * ca;
          b += Clamp01(c.b) * ca;
          a += ca;
        }
      }
      double n = samples * samples;
      Rgba top;
      top.a = a / n;
      if (top.a <= 0.0) continue;
      top.r = r / a;
      top.g = g / a;
      top.b = b / a;
      QRgb under = line[px];
      double ua = qAlpha(under) / 255.0;
      Rgba bottom;
      if (ua > 0) bottom = {qRed(under) / 255.0 / ua, qGreen(under) / 255.0 / ua, qBlue(under) / 255.0 / ua, ua};
      Rgba out = Over(top, bottom);
      auto to8 = [](double v) { return static_cast<int>(std::lround(Clamp01(v) * 255.0)); };
      line[px] = qRgba(to8(out.r * out.a), to8(out.g * out.a), to8(out.b * out.a), to8(out.a));
    }
  }
}

void ShadeFrame(QImage& sheet, int column, int row, const PixelShader& shader, int samples) {
  ShadeRect(sheet, QRect((column - 1) * kFrameSize, (row - 1) * kFrameSize, kFrameSize, kFrameSize), shader,
            samples);
}

FramePainter::FramePainter(QImage& sheet, int column, int row) : painter_(&sheet) {
  painter_.translate((column - 1) * kFrameSize, (row - 1) * kFrameSize);
  painter_.setClipRect(0, 0, kFrameSize, kFrameSize);
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setPen(Qt::NoPen);
}

QColor ToQColor(const Rgba& colour) {
  return QColor::fromRgbF(static_cast<float>(Clamp01(colour.r)), static_cast<float>(Clamp01(colour.g)),
                          static_cast<float>(Clamp01(colour.b)), static_cast<float>(Clamp01(colour.a)));
}

QFont DejaVuSansBold(int pixelSize) {
  static const int id = QFontDatabase::addApplicationFont(kFontFile);
  if (id < 0) throw std::runtime_error(std::string("can't load the font ") + kFontFile);
  QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
  font.setPixelSize(pixelSize);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QImage ToColourKeyed(const QImage& sheet) {
  QImage source = sheet.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage keyed(source.size(), QImage::Format_RGB888);
  constexpr int kLeastCoverage = 40;
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    uchar* out = keyed.scanLine(y);
    for (int x = 0; x < source.width(); ++x) {
      QRgb p = in[x];
      int r = 0, g = 0, b = 0;
      if (qAlpha(p) >= kLeastCoverage) {
        r = qRed(p);
        g = qGreen(p);
        b = qBlue(p);
        if (r == 0 && g == 0 && b == 0) r = g = b = 1;
      }
      out[3 * x] = static_cast<uchar>(r);
      out[3 * x + 1] = static_cast<uchar>(g);
      out[3 * x + 2] = static_cast<uchar>(b);
    }
  }
  return keyed;
}

}  // namespace brolt::content
