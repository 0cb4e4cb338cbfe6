#pragma once
// The theme file as the clock and the customizer read it: every key in its
// section, sections in the customizer's order, with the clock's defaults.

#include <QImage>
#include <QList>
#include <QPair>
#include <QString>

namespace tikloom {

struct ThemeKey {
    const char* section;
    const char* key;
    QString value;
};

// One theme as shipped: its key values (defaults unless overridden) and the
// images it names. An image left null is neither written nor named.
struct ShippedTheme {
    QString name;
    QList<QPair<QString, QString>> overrides;
    QImage background;
    QImage mask;
    QImage overlay;
    QImage hands;
};

// Every key in file order with the clock's default value.
QList<ThemeKey> defaultThemeKeys();

// The theme's keys in file order: defaults, the image paths of the images it
// ships, then its own overrides.
QList<ThemeKey> themeKeys(const ShippedTheme& theme);

// Value of `key` in `keys` (empty when absent).
QString keyValue(const QList<ThemeKey>& keys, const QString& key);

// A colour as the customizer writes it: ten digits, zero-padded, unsigned.
QString colourValue(unsigned argbValue);

// Writes the images and "<name>.tkm" into `folder` (profile text, CRLF).
void writeShippedTheme(const ShippedTheme& theme, const QString& folder);

// Writes the images of a theme drawn at density 2 as "<image>@2x.png".
void writeDoubleDensityImages(const ShippedTheme& theme, const QString& folder);

} // namespace tikloom
