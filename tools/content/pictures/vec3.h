#pragma once
// Three-component vectors for the pictures drawn from small 3D models (gems, rocks, power-ups).
#include <cmath>

namespace brolt::content {

struct Vec3 {
  double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline Vec3 Normalised(Vec3 a) { return a * (1.0 / std::sqrt(Dot(a, a))); }

// Turns v by `angle` radians about the unit axis (Rodrigues' formula).
inline Vec3 RotatedAbout(Vec3 v, Vec3 axis, double angle) {
  double c = std::cos(angle), s = std::sin(angle);
  return v * c + Cross(axis, v) * s + axis * (Dot(axis, v) * (1 - c));
}

}  // namespace brolt::content
