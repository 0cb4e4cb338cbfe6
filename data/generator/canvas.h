#pragma once
// Drawing helpers shared by the theme and icon painters: every picture is
// drawn at a multiple of its final size and averaged down, which gives soft,
// even edges at the tiny sizes the clock shows.

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <functional>

class QPainter;

namespace tikloom {

// How many times larger than the final image every picture is drawn.
constexpr int kSupersampling = 8;

// Pixels per unit of the pictures made from here on: 1 for the themes'
// images, 2 for their "@2x" images for screens of a higher density. Sizes,
// coordinates and blur radii stay in units.
void setImageDensity(int pixelsPerUnit);
int imageDensity();

// Paints with `paint` in final-image coordinates on a transparent canvas
// kSupersampling times larger, then scales it down by area averaging to
// size x the image density.
QImage paintSupersampled(QSize size, const std::function<void(QPainter&)>& paint);

// A mask image: opaque grey, whose red channel carries the coverage that
// `paint` drew in white on black.
QImage paintMask(QSize size, const std::function<void(QPainter&)>& paint);

// Colour from 0xAARRGGBB.
QColor argb(unsigned value);

// The same colour with its alpha replaced (0 to 1).
QColor withAlpha(const QColor& colour, double alpha);

// Point at distance `distance` from `centre` in the direction `degrees`,
// measured clockwise from 12 o'clock (y grows downwards).
QPointF polarPoint(QPointF centre, double distance, double degrees);

// A soft copy of the image: three box blurs of the given radius in units,
// which together approach a Gaussian. Used for shadows and glows.
QImage blurred(const QImage& image, int radius);

// Writes the image as PNG; exits the program with a message on failure.
void savePng(const QImage& image, const QString& path);

} // namespace tikloom
