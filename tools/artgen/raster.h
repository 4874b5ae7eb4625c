#pragma once
// Drawing helpers for the sprites. Only +, -, *, / and sqrt are used on floating-point values
// (each exactly rounded), so every machine and every optimisation level draws the same pixels.
#include <functional>
#include <initializer_list>
#include <vector>

#include "image.h"

namespace tsn::art {

inline constexpr double kPi = 3.14159265358979323846;

// Sine and cosine of an angle given in turns (1.0 = full circle).
double SinTurns(double turns);
inline double CosTurns(double turns) {
    return SinTurns(turns + 0.25);
}
double Clamp01(double v);
// Stable pseudo-random value in [0, 1) for a grid position and a seed.
double Hash01(int x, int y, int seed);
// Ordered-dither threshold in [0, 1) for a pixel (4 x 4 Bayer matrix).
double Bayer(int x, int y);

// A colour ramp from dark to light.
struct Ramp {
    std::vector<Rgb> steps;
    Ramp(std::initializer_list<Rgb> s) : steps(s) {}
    // Colour for a brightness in [0, 1], dithered by the pixel position.
    Rgb shade(double v, int px, int py) const;
    Rgb operator[](int i) const;  // clamped index; negative counts from the light end
    int size() const { return int(steps.size()); }
};

// Lambert-style light from the upper left on a sphere; (dx, dy) relative to the centre.
double SphereLight(double dx, double dy, double r);

// What a painter sees for one pixel: object coordinates (u, v), after undoing the rotation
// and scale, and screen coordinates (dx, dy) relative to the object's centre.
struct Sample {
    double u, v;
    double dx, dy;
    int px, py;
};
using Painter = std::function<bool(const Sample&, Rgb&)>;

struct Placement {
    double cx = 16, cy = 16;  // centre on the picture, in pixels
    double turns = 0;         // rotation, clockwise on screen
    double scale = 1;
};

// Paints every pixel whose centre the painter claims; with outline != kNoOutline the ring of
// pixels around the painted shape (4-neighbours) gets that colour. Returns the pixels painted.
inline constexpr Rgb kNoOutline = 0xFFFFFFFFu;
int Render(Image& img, const Placement& at, const Painter& paint, Rgb outline = kNoOutline);

// Simple filled shapes in pixel coordinates (pixel centres tested).
void FillCircle(Image& img, double cx, double cy, double r, Rgb c);
void FillEllipse(Image& img, double cx, double cy, double rx, double ry, Rgb c);
void FillPolygon(Image& img, const std::vector<double>& xy, Rgb c);
void DrawLine(Image& img, int x0, int y0, int x1, int y1, Rgb c);
bool InPolygon(const std::vector<double>& xy, double x, double y);
// Pictures painted on a key colour: the key's pixels become black and clear; the opacity is
// returned, 0 or 255 per pixel.
std::vector<uint8_t> ClearKeyColour(Image& img, Rgb key);

// Raised panel with a one-pixel bevel: light top/left, dark bottom/right.
void Bevel(Image& img, int x, int y, int w, int h, Rgb light, Rgb face, Rgb dark);

}  // namespace tsn::art
