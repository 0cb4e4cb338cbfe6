// Checks the themes that ship in data/Themes: every file holds every key in
// a form both programs read the same way, and every image it names exists
// with the layout the clock expects of it.

#include "common/profile_file.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

using namespace tikloom;

namespace {

const QString kThemesFolder = QStringLiteral(TIKLOOM_SOURCE_DIR "/data/Themes");

enum class Kind { Path, Flag, Signed, Unsigned, Colour, Face, Text };

struct Key {
    const char* section;
    const char* name;
    Kind kind;
    int low; // editor range, for numbers
    int high;
};

// Every key of a theme file, in the order the customizer writes sections.
const Key kKeys[] = {
    {"Background", "ImageFile", Kind::Path, 0, 0},
    {"Background", "MaskFile", Kind::Path, 0, 0},
    {"Background", "OverlayFile", Kind::Path, 0, 0},
    {"Options", "HandsImage", Kind::Path, 0, 0},
    {"Options", "ShowSecHand", Kind::Flag, 0, 1},
    {"Options", "ShowMajorTicks", Kind::Flag, 0, 1},
    {"Options", "ShowMinorTicks", Kind::Flag, 0, 1},
    {"Options", "ShowTickNumbers", Kind::Flag, 0, 1},
    {"Options", "ShowCaption", Kind::Flag, 0, 1},
    {"Options", "KeepImageAspectRatio", Kind::Flag, 0, 1},
    {"Options", "ShowSecShadow", Kind::Flag, 0, 1},
    {"Options", "ShowMinShadow", Kind::Flag, 0, 1},
    {"Options", "ShowHourShadow", Kind::Flag, 0, 1},
    {"Options", "ShowMajorTickShadow", Kind::Flag, 0, 1},
    {"Options", "ShowMinorTickShadow", Kind::Flag, 0, 1},
    {"Options", "UseHandsImage", Kind::Flag, 0, 1},
    {"Options", "UseMaskImage", Kind::Flag, 0, 1},
    {"Options", "UseOverlayImage", Kind::Flag, 0, 1},
    {"Dimension", "CenterX", Kind::Signed, 0, 1280},
    {"Dimension", "CenterY", Kind::Signed, 0, 1280},
    {"Dimension", "Radius", Kind::Unsigned, 0, 1280},
    {"Dimension", "CaptionX", Kind::Signed, -1280, 1280},
    {"Dimension", "CaptionY", Kind::Signed, -1280, 1280},
    {"Dimension", "NumberRadius", Kind::Unsigned, 0, 150},
    {"Dimension", "MajorTickSize", Kind::Unsigned, 0, 100},
    {"Dimension", "MinorTickSize", Kind::Unsigned, 0, 100},
    {"Dimension", "ImageLeft", Kind::Unsigned, 0, 1280},
    {"Dimension", "ImageTop", Kind::Unsigned, 0, 1280},
    {"Dimension", "ImageWidth", Kind::Unsigned, 0, 1280},
    {"Dimension", "ImageHeight", Kind::Unsigned, 0, 1280},
    {"Dimension", "SecWidth", Kind::Unsigned, 0, 200},
    {"Dimension", "SecHeadLength", Kind::Unsigned, 0, 150},
    {"Dimension", "SecTailLength", Kind::Unsigned, 0, 150},
    {"Dimension", "MinWidth", Kind::Unsigned, 0, 200},
    {"Dimension", "MinHeadLength", Kind::Unsigned, 0, 150},
    {"Dimension", "MinTailLength", Kind::Unsigned, 0, 150},
    {"Dimension", "HourWidth", Kind::Unsigned, 0, 200},
    {"Dimension", "HourHeadLength", Kind::Unsigned, 0, 150},
    {"Dimension", "HourTailLength", Kind::Unsigned, 0, 150},
    {"Dimension", "ShadowThickness", Kind::Unsigned, 0, 100},
    {"Dimension", "ShadowOffsetX", Kind::Signed, -100, 100},
    {"Dimension", "ShadowOffsetY", Kind::Signed, -100, 100},
    {"Color", "SecColor", Kind::Colour, 0, 0},
    {"Color", "MinColor", Kind::Colour, 0, 0},
    {"Color", "HourColor", Kind::Colour, 0, 0},
    {"Color", "CaptionColor", Kind::Colour, 0, 0},
    {"Color", "TickNumberColor", Kind::Colour, 0, 0},
    {"Color", "MajorTickColor", Kind::Colour, 0, 0},
    {"Color", "MinorTickColor", Kind::Colour, 0, 0},
    {"Color", "BackgroundColor", Kind::Colour, 0, 0},
    {"Color", "ShadowColor", Kind::Colour, 0, 0},
    {"Font", "CaptionFontName", Kind::Face, 0, 0},
    {"Font", "TickNumbersFontName", Kind::Face, 0, 0},
    {"Font", "CaptionFontSize", Kind::Unsigned, 10, 720},
    {"Font", "TickNumbersFontSize", Kind::Unsigned, 10, 720},
    {"Caption", "Language", Kind::Text, 0, 0},
    {"Caption", "Format", Kind::Text, 0, 0},
    {"Transparency", "Min", Kind::Unsigned, 0, 100},
    {"Transparency", "Max", Kind::Unsigned, 0, 100},
};

const char* const kSectionOrder[] = {"Background", "Options", "Dimension",   "Color",
                                     "Font",       "Caption", "Transparency"};

QStringList shippedThemeFiles() {
    QStringList files;
    const QDir dir(kThemesFolder);
    for (const QString& name : dir.entryList({QStringLiteral("*.tkm")}, QDir::Files)) {
        files.append(dir.filePath(name));
    }
    return files;
}

QString value(const QString& file, const char* section, const char* key) {
    return ReadProfileString(file, section, key, QString(), kPathCapacity);
}

int number(const QString& file, const char* section, const char* key) {
    return static_cast<int>(ReadProfileIntClock(file, section, key, 0));
}

bool flag(const QString& file, const char* key) {
    return number(file, "Options", key) != 0;
}

// The image a path key names, checked to lie in the shipped Themes folder
// under exactly that name (the file system may tell letter case apart).
QImage namedImage(const QString& file, const char* section, const char* key) {
    const QString path = value(file, section, key);
    if (path.isEmpty()) {
        return QImage();
    }
    const QString prefix = QStringLiteral("Themes\\");
    if (!path.startsWith(prefix)) {
        qWarning("%s: %s is not inside Themes\\", qPrintable(file), key);
        return QImage();
    }
    const QString name = path.mid(prefix.size());
    if (!QDir(kThemesFolder).entryList(QDir::Files).contains(name)) {
        qWarning("%s: %s names %s, which is not shipped", qPrintable(file), key, qPrintable(name));
        return QImage();
    }
    return QImage(QDir(kThemesFolder).filePath(name));
}

// Pixels of the background image rectangle in the window, as the face is
// built: scaled to cover the image box when the aspect ratio is kept.
QRectF backgroundRect(const QString& file, QSize image) {
    const double left = number(file, "Dimension", "ImageLeft") / 10.0;
    const double top = number(file, "Dimension", "ImageTop") / 10.0;
    const double bw = number(file, "Dimension", "ImageWidth") / 10.0;
    const double bh = number(file, "Dimension", "ImageHeight") / 10.0;
    if (!flag(file, "KeepImageAspectRatio")) {
        return QRectF(left, top, bw, bh);
    }
    const double iw = image.width();
    const double ih = image.height();
    if (bh / bw - ih / iw < 0) {
        const double height = bw * ih / iw;
        return QRectF(left, top - (height - bh) / 2, bw, height);
    }
    const double width = bh * iw / ih;
    return QRectF(left - (width - bw) / 2, top, width, bh);
}

QPoint dialCentre(const QString& file) {
    return QPoint(number(file, "Dimension", "CenterX") / 10,
                  number(file, "Dimension", "CenterY") / 10);
}

} // namespace

class TestShippedThemes : public QObject {
    Q_OBJECT

private slots:
    void defaultThemeAndMoreShip();
    void everyKeyIsPresentInItsSection();
    void valuesAreWrittenAsTheCustomizerWritesThem();
    void sectionsFollowTheCustomizersOrder();
    void imagesExistAndDecode();
    void maskRedChannelCutsTheDial();
    void backgroundCoversTheVisibleFace();
    void overlayLeavesTheDialVisible();
    void handsImageHasThreeStripsWithPivots();
    void captionWithSecondsNeedsTheSecondHand();
    void everyImageShipsAtDoubleDensity();
};

void TestShippedThemes::defaultThemeAndMoreShip() {
    const QStringList files = shippedThemeFiles();
    QVERIFY(files.contains(QDir(kThemesFolder).filePath("default.tkm")));
    QVERIFY2(files.size() >= 3, "the shipped themes show what a theme can do");

    // A missing theme file makes the clock use these images: they must ship.
    for (const char* name :
         {"default.png", "default_mask.png", "default_overlay.png", "default_hands.png"}) {
        QVERIFY2(!QImage(QDir(kThemesFolder).filePath(name)).isNull(), name);
    }
    // ... and the default theme names the same ones, so that it looks the same.
    const QString file = QDir(kThemesFolder).filePath("default.tkm");
    QCOMPARE(value(file, "Background", "ImageFile"), QStringLiteral("Themes\\default.png"));
    QCOMPARE(value(file, "Background", "MaskFile"), QStringLiteral("Themes\\default_mask.png"));
    QCOMPARE(value(file, "Background", "OverlayFile"),
             QStringLiteral("Themes\\default_overlay.png"));
    QCOMPARE(value(file, "Options", "HandsImage"), QStringLiteral("Themes\\default_hands.png"));
}

void TestShippedThemes::everyKeyIsPresentInItsSection() {
    for (const QString& file : shippedThemeFiles()) {
        for (const Key& key : kKeys) {
            QVERIFY2(ProfileKeyExists(file, key.section, key.name),
                     qPrintable(file + ": missing " + key.section + "/" + key.name));
        }
    }
}

void TestShippedThemes::valuesAreWrittenAsTheCustomizerWritesThem() {
    const QRegularExpression colour(QStringLiteral("^[0-9]{10}$"));
    const QRegularExpression unsignedNumber(QStringLiteral("^[0-9]+$"));
    const QRegularExpression signedNumber(QStringLiteral("^-?[0-9]+$"));
    for (const QString& file : shippedThemeFiles()) {
        for (const Key& key : kKeys) {
            const QString text = value(file, key.section, key.name);
            const QString where = file + ": " + key.name + "=" + text;
            switch (key.kind) {
            case Kind::Flag:
                QVERIFY2(text == "0" || text == "1", qPrintable(where));
                break;
            case Kind::Colour:
                QVERIFY2(colour.match(text).hasMatch(), qPrintable(where));
                // Ten digits can exceed 32 bits; a colour must not.
                QVERIFY2(text.toULongLong() <= 0xFFFFFFFFull, qPrintable(where));
                break;
            case Kind::Unsigned:
            case Kind::Signed: {
                const QRegularExpression& form =
                    key.kind == Kind::Signed ? signedNumber : unsignedNumber;
                QVERIFY2(form.match(text).hasMatch(), qPrintable(where));
                QVERIFY2(text.toInt() >= key.low && text.toInt() <= key.high, qPrintable(where));
                break;
            }
            case Kind::Face:
                QVERIFY2(!text.isEmpty() && text.size() < kFaceNameCapacity, qPrintable(where));
                break;
            case Kind::Path:
                QVERIFY2(!text.contains('/'), qPrintable(where + " (paths use backslashes)"));
                break;
            case Kind::Text:
                break;
            }
        }
        // The pointer near the clock makes it fainter than when it is away.
        QVERIFY2(number(file, "Transparency", "Min") < number(file, "Transparency", "Max"),
                 qPrintable(file));
    }
}

void TestShippedThemes::sectionsFollowTheCustomizersOrder() {
    for (const QString& file : shippedThemeFiles()) {
        QFile text(file);
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(text.readAll());
        int last = -1;
        for (const char* section : kSectionOrder) {
            const int at = content.indexOf(QStringLiteral("[%1]").arg(section));
            QVERIFY2(at > last, qPrintable(file + ": section " + section));
            last = at;
        }
    }
}

void TestShippedThemes::imagesExistAndDecode() {
    for (const QString& file : shippedThemeFiles()) {
        const struct {
            const char* section;
            const char* key;
            const char* inUse;
        } images[] = {{"Background", "ImageFile", nullptr},
                      {"Background", "MaskFile", "UseMaskImage"},
                      {"Background", "OverlayFile", "UseOverlayImage"},
                      {"Options", "HandsImage", "UseHandsImage"}};
        for (const auto& image : images) {
            const bool named = !value(file, image.section, image.key).isEmpty();
            const bool needed = image.inUse == nullptr || flag(file, image.inUse);
            if (named || needed) {
                QVERIFY2(!namedImage(file, image.section, image.key).isNull(),
                         qPrintable(file + ": " + image.key));
            }
        }
    }
}

void TestShippedThemes::maskRedChannelCutsTheDial() {
    for (const QString& file : shippedThemeFiles()) {
        if (!flag(file, "UseMaskImage")) {
            continue;
        }
        // The mask is stretched over the whole window.
        const QImage mask = namedImage(file, "Background", "MaskFile")
                                .scaled(128, 128)
                                .convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!mask.isNull());
        const QPoint centre = dialCentre(file);
        QCOMPARE(qRed(mask.pixel(centre)), 255);
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(127, 0), QPoint(0, 127), QPoint(127, 127)}) {
            QCOMPARE(qRed(mask.pixel(corner)), 0);
        }
        // Opacity lives in red alone; an opaque image keeps decoders honest
        // about it, and grey keeps the picture readable to a person.
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 128; ++x) {
                const QRgb pixel = mask.pixel(x, y);
                QCOMPARE(qAlpha(pixel), 255);
                QCOMPARE(qGreen(pixel), qRed(pixel));
            }
        }
    }
}

void TestShippedThemes::backgroundCoversTheVisibleFace() {
    for (const QString& file : shippedThemeFiles()) {
        const QImage background =
            namedImage(file, "Background", "ImageFile").convertToFormat(QImage::Format_ARGB32);
        const QImage mask = namedImage(file, "Background", "MaskFile").scaled(128, 128);
        if (background.isNull() || mask.isNull() || !flag(file, "UseMaskImage")) {
            continue;
        }
        const QRectF rect = backgroundRect(file, background.size());
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 128; ++x) {
                if (qRed(mask.pixel(x, y)) == 0) {
                    continue;
                }
                // Where the mask shows the face, the picture must be there.
                const QPointF inImage((x + 0.5 - rect.left()) * background.width() / rect.width(),
                                      (y + 0.5 - rect.top()) * background.height() / rect.height());
                const QPoint sample(static_cast<int>(inImage.x()), static_cast<int>(inImage.y()));
                QVERIFY2(background.rect().contains(sample),
                         qPrintable(QStringLiteral("%1: face pixel %2,%3 lies outside the "
                                                   "background image")
                                        .arg(file)
                                        .arg(x)
                                        .arg(y)));
                QVERIFY2(qAlpha(background.pixel(sample)) == 255, qPrintable(file));
            }
        }
    }
}

void TestShippedThemes::overlayLeavesTheDialVisible() {
    for (const QString& file : shippedThemeFiles()) {
        const QImage overlay = namedImage(file, "Background", "OverlayFile");
        if (overlay.isNull() || !flag(file, "UseOverlayImage")) {
            continue;
        }
        QVERIFY2(overlay.hasAlphaChannel(), qPrintable(file));
        const QImage window = overlay.scaled(128, 128).convertToFormat(QImage::Format_ARGB32);
        // Glass may tint the face a little, never hide it.
        const QPoint centre = dialCentre(file);
        for (const QPoint offset :
             {QPoint(0, 0), QPoint(-20, 0), QPoint(20, 0), QPoint(0, 20), QPoint(0, -20)}) {
            QVERIFY2(qAlpha(window.pixel(centre + offset)) < 100, qPrintable(file));
        }
    }
}

void TestShippedThemes::handsImageHasThreeStripsWithPivots() {
    int checked = 0;
    for (const QString& file : shippedThemeFiles()) {
        const QImage hands =
            namedImage(file, "Options", "HandsImage").convertToFormat(QImage::Format_ARGB32);
        if (hands.isNull()) {
            continue;
        }
        ++checked;
        QCOMPARE(hands.width() % 3, 0);
        // Strips a third as wide as they are high are drawn undistorted.
        QCOMPARE(hands.width(), hands.height());
        const int strip = hands.width() / 3;
        const int pivotY = hands.height() * 2 / 3;
        for (int i = 0; i < 3; ++i) {
            const int left = i * strip;
            // Every hand passes through its pivot and points up from it.
            QVERIFY2(qAlpha(hands.pixel(left + strip / 2, pivotY)) == 255, qPrintable(file));
            QVERIFY2(qAlpha(hands.pixel(left + strip / 2, pivotY - hands.height() / 3)) > 0,
                     qPrintable(file));
            // Nothing spills over a strip's side edges into its neighbour.
            for (int y = 0; y < hands.height(); ++y) {
                QCOMPARE(qAlpha(hands.pixel(left, y)), 0);
                QCOMPARE(qAlpha(hands.pixel(left + strip - 1, y)), 0);
            }
        }
        // The hour hand is the shortest: its strip is clear where the minute
        // hand still reaches.
        const int minuteTip = pivotY - hands.height() * 55 / 100;
        QCOMPARE(qAlpha(hands.pixel(strip / 2, minuteTip)), 0);
        QVERIFY(qAlpha(hands.pixel(strip + strip / 2, minuteTip)) > 0);
    }
    QVERIFY2(checked >= 2, "the default theme and one image-hands theme ship hands images");
}

void TestShippedThemes::captionWithSecondsNeedsTheSecondHand() {
    // Without a second hand the clock redraws every ten seconds, so a caption
    // that shows seconds would stand still between redraws.
    const QRegularExpression seconds(QStringLiteral("%#?[XScT]"));
    for (const QString& file : shippedThemeFiles()) {
        const QString format = value(file, "Caption", "Format");
        if (flag(file, "ShowCaption") && seconds.match(format).hasMatch()) {
            QVERIFY2(flag(file, "ShowSecHand"), qPrintable(file));
        }
    }
}

// Denser screens get "@2x" images: the same picture at twice the pixels.
void TestShippedThemes::everyImageShipsAtDoubleDensity() {
    const QStringList names = QDir(kThemesFolder).entryList({QStringLiteral("*.png")}, QDir::Files);
    int pairs = 0;
    for (const QString& name : names) {
        if (name.contains(QLatin1Char('@'))) {
            continue;
        }
        const QString denseName = QString(name).replace(QStringLiteral(".png"), "@2x.png");
        const QImage plain(QDir(kThemesFolder).filePath(name));
        const QImage dense(QDir(kThemesFolder).filePath(denseName));
        QVERIFY2(!dense.isNull(), qPrintable(denseName + " missing"));
        QCOMPARE(dense.size(), plain.size() * 2);
        // The same picture: reduced to the plain size it differs only a little.
        const QImage reduced =
            dense.convertToFormat(QImage::Format_ARGB32)
                .scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage reference = plain.convertToFormat(QImage::Format_ARGB32);
        double difference = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                const QRgb a = reduced.pixel(x, y);
                const QRgb b = reference.pixel(x, y);
                difference += std::abs(qAlpha(a) - qAlpha(b)) + std::abs(qRed(a) - qRed(b)) +
                              std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
            }
        }
        const double perChannel = difference / (4.0 * plain.width() * plain.height());
        QVERIFY2(
            perChannel < 4.0,
            qPrintable(
                QStringLiteral("%1 differs by %2 per channel").arg(denseName).arg(perChannel)));
        ++pairs;
    }
    QVERIFY(pairs >= 10);
}

QTEST_GUILESS_MAIN(TestShippedThemes)
#include "test_shipped_themes.moc"
