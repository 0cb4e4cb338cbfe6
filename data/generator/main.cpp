// tikloom-make-themes: draws the images of the shipped themes, writes their
// theme files, and draws the program icon and the hand cursors.
//
//   tikloom-make-themes DATA_FOLDER [--preview FOLDER]
//
// writes DATA_FOLDER/Themes/* (with "@2x" images) and DATA_FOLDER/icons/*; with --preview also a
// composed 128 x 128 frame of every theme at 10:08:37 into FOLDER.

#include "canvas.h"
#include "icons.h"
#include "preview.h"
#include "themes.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <ctime>

namespace {

// The time every preview shows: the hands well apart, the second hand clear.
const QTime kPreviewTime(10, 8, 37);

QString previewCaption(const QString& format) {
    std::tm moment{};
    moment.tm_year = 2026 - 1900;
    moment.tm_mon = 11;
    moment.tm_mday = 8;
    moment.tm_wday = 2;
    moment.tm_hour = kPreviewTime.hour();
    moment.tm_min = kPreviewTime.minute();
    moment.tm_sec = kPreviewTime.second();
    QString pattern = format;
    pattern.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    pattern.replace(QStringLiteral("%#"), QStringLiteral("%-"));
    char text[256];
    const size_t length = std::strftime(text, sizeof text, pattern.toUtf8().constData(), &moment);
    return QString::fromUtf8(text, static_cast<int>(length));
}

int usage() {
    QTextStream(stderr) << "usage: tikloom-make-themes DATA_FOLDER [--preview FOLDER]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1 && !(args.size() == 3 && args[1] == QLatin1String("--preview"))) {
        return usage();
    }
    const QDir data(args[0]);
    if (!data.mkpath(QStringLiteral("Themes")) || !data.mkpath(QStringLiteral("icons"))) {
        QTextStream(stderr) << "cannot create folders in " << args[0] << "\n";
        return 1;
    }

    const QList<tikloom::ShippedTheme> themes = {tikloom::defaultTheme(), tikloom::slateTheme(),
                                                 tikloom::linenTheme(), tikloom::harborTheme()};
    for (const tikloom::ShippedTheme& theme : themes) {
        tikloom::writeShippedTheme(theme, data.filePath(QStringLiteral("Themes")));
    }
    // The same designs again at twice the pixels, for screens of that density.
    tikloom::setImageDensity(2);
    for (const tikloom::ShippedTheme& theme : {tikloom::defaultTheme(), tikloom::slateTheme(),
                                               tikloom::linenTheme(), tikloom::harborTheme()}) {
        tikloom::writeDoubleDensityImages(theme, data.filePath(QStringLiteral("Themes")));
    }
    tikloom::setImageDensity(1);
    tikloom::writeIcons(data.filePath(QStringLiteral("icons")));

    if (args.size() == 3) {
        const QDir previews(args[2]);
        previews.mkpath(QStringLiteral("."));
        for (const tikloom::ShippedTheme& theme : themes) {
            const QString format = tikloom::keyValue(tikloom::themeKeys(theme), "Format");
            tikloom::previewFrame(theme, kPreviewTime, previewCaption(format))
                .save(previews.filePath(theme.name + QStringLiteral(".png")));
            // A theme drawn with lines still ships a hands image: show it too.
            if (!theme.hands.isNull()) {
                tikloom::ShippedTheme imageHands = theme;
                imageHands.overrides.append(
                    qMakePair(QStringLiteral("UseHandsImage"), QStringLiteral("1")));
                tikloom::previewFrame(imageHands, kPreviewTime, previewCaption(format))
                    .save(previews.filePath(theme.name + QStringLiteral("_image_hands.png")));
            }
        }
    }
    return 0;
}
