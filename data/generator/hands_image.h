#pragma once
// Hands images: three strips side by side (hour, minute, second), each hand
// pointing up with its pivot on the strip's centre line two thirds down.
// The clock draws a strip F / 2 wide and 1.5 x F long, F being the second
// hand's length, so a strip of 24 x 72 units is drawn 1:1 when F is 48
// pixels, the default. Painters work in those units, relative to the pivot.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <functional>

class QPainter;

namespace tikloom {

constexpr double kStripWidthUnits = 24.0;
constexpr double kStripHeightUnits = 72.0;

enum class Hand { Hour, Minute, Second };

// Paints the three strips at `pixelsPerUnit` image pixels per unit and adds a
// soft shadow of strength `shadow` (0 to 1) around every hand, which keeps
// them readable on any face at any angle.
QImage paintHandsImage(int pixelsPerUnit, double shadow,
                       const std::function<void(QPainter&, Hand)>& paintHand);

// A hand that narrows from `baseWidth` at the pivot to `tipWidth` near its
// tip, which ends in a point; the tail behind the pivot keeps `baseWidth`.
QPainterPath taperedHand(double head, double tail, double baseWidth, double tipWidth);

// A straight bar from `tail` behind the pivot to `head` in front of it.
QPainterPath straightHand(double head, double tail, double width);

} // namespace tikloom
