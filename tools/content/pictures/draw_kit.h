#pragma once
// Drawing helpers shared by every picture of the default content: frame sheets of 8 x 8 frames of
// 32 x 32 pixels, per-pixel shading with supersampling, deterministic noise and colour arithmetic.
// Everything here is a pure function of its arguments, so the same build draws the same pixels.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <functional>

namespace brolt::content {

constexpr int kFrameSize = 32;
constexpr int kFramesPerSide = 8;
constexpr int kSheetSize = kFrameSize * kFramesPerSide;
constexpr double kPi = 3.14159265358979323846;

// A colour with straight (not premultiplied) alpha, every channel 0..1.
struct Rgba {
  double r = 0, g = 0, b = 0, a = 0;
};

Rgba Opaque(double r, double g, double b);
Rgba Grey(double v);
Rgba Mix(const Rgba& from, const Rgba& to, double t);
Rgba Scaled(const Rgba& colour, double factor);  // rgb times factor, alpha kept
Rgba WithAlpha(const Rgba& colour, double alpha);
Rgba Over(const Rgba& top, const Rgba& bottom);  // "top over bottom"
double Clamp01(double v);
double SmoothStep(double edge0, double edge1, double x);

// The height of a sphere of `radius` at offset (dx, dy) from its centre: 1 at the centre, 0 at
// the rim, negative outside.
double SphereHeight(double dx, double dy, double radius);

// Hash of up to four words into [0, 1).
double Hash01(std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0, std::uint32_t d = 0);

// Smooth value noise in [0, 1) on a lattice of unit cells that repeats every `period` cells.
double PeriodicNoise(double x, double y, int period, std::uint32_t seed);
// Sum of octaves of PeriodicNoise, each twice as fine, normalised to [0, 1).
double FractalNoise(double x, double y, int period, int octaves, std::uint32_t seed);
// Value noise over three coordinates (not periodic), in [0, 1).
double Noise3(double x, double y, double z, std::uint32_t seed);

// A blank sheet: 256 x 256, fully transparent, premultiplied ARGB.
QImage NewSheet();

// Shades one frame pixel by pixel. The shader gets frame coordinates 0..32 (y downward, (16, 16)
// the centre) and is sampled `samples` x `samples` times per pixel; the result is laid over what
// the frame holds already.
using PixelShader = std::function<Rgba(double x, double y)>;
void ShadeFrame(QImage& sheet, int column, int row, const PixelShader& shader, int samples = 4);
// The same over any rectangle of an image, with the shader getting the rectangle's own coordinates.
void ShadeRect(QImage& image, const QRect& area, const PixelShader& shader, int samples = 4);

// A painter on one frame (column and row from 1), with its origin at the frame's top-left corner,
// clipped to the frame and antialiased.
class FramePainter {
 public:
  FramePainter(QImage& sheet, int column, int row);
  QPainter* operator->() { return &painter_; }
  QPainter& operator*() { return painter_; }

 private:
  QPainter painter_;
};

QColor ToQColor(const Rgba& colour);

// DejaVu Sans Bold from the system's fonts-dejavu-core package, the one font the content uses.
QFont DejaVuSansBold(int pixelSize);

// The picture as the game loads it: 24-bit colour in which pure black is transparent. Pixels of
// little coverage become black; covered pixels keep their colour laid over black and are never
// pure black themselves.
QImage ToColourKeyed(const QImage& sheet);

}  // namespace brolt::content
