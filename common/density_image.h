#pragma once
// Theme images for screens of a higher pixel density: "name@2x.png" beside
// "name.png" holds the same picture at twice the pixels.

#include <QString>

namespace tikloom {

// "Themes/dial.png" -> "Themes/dial@2x.png"; a name without an extension
// gets the "@2x" at its end.
QString DoubleDensityName(const QString& path);

// The file to decode for an image drawn at that pixel ratio: the @2x file
// where the ratio is above 1 and that file exists, else the path itself
// (drawn scaled smoothly).
QString DensityImagePath(const QString& path, double ratio);

} // namespace tikloom
