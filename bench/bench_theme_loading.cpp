// Cost of loading a theme (every key, the hands image, the caption locale),
// of formatting one caption, and of refusing an image whose header claims a
// gigantic size.
//
//   bench_theme_loading [PROGRAM_FOLDER]   (default: the build's bin/ folder)

#include "clock/core/caption_locale.h"
#include "clock/core/image_decoding.h"
#include "clock/core/theme_loader.h"
#include "clock/core/theme_model.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <functional>

using namespace tikloom;

namespace {

// Microseconds per call, best of several rounds so that other work on the
// machine does not count.
double MicrosecondsPerCall(int calls, const std::function<void()>& work) {
    constexpr int kRounds = 5;
    double best = 0;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < calls; ++i) {
            work();
        }
        const double perCall = double(timer.nsecsElapsed()) / 1000.0 / calls;
        if (round == 0 || perCall < best) {
            best = perCall;
        }
    }
    return best;
}

uint32_t Crc32(const QByteArray& data) {
    uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : data) {
        crc ^= static_cast<uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

// A 4 x 4 PNG whose header claims 100000 x 100000 pixels.
QByteArray DecodeBomb() {
    QImage small(4, 4, QImage::Format_ARGB32);
    small.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "PNG");
    const uint32_t claimed = 100000;
    for (int field : {16, 20}) {
        for (int i = 0; i < 4; ++i) {
            png[field + i] = static_cast<char>((claimed >> (24 - 8 * i)) & 0xFF);
        }
    }
    const uint32_t crc = Crc32(png.mid(12, 17));
    for (int i = 0; i < 4; ++i) {
        png[29 + i] = static_cast<char>((crc >> (24 - 8 * i)) & 0xFF);
    }
    return png;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1])
                              : QCoreApplication::applicationDirPath() + QStringLiteral("/../bin");
    folder = QDir(folder).absolutePath() + QLatin1Char('/');

    ThemeModel model;
    const double load = MicrosecondsPerCall(50, [&] { LoadThemeModel(folder, model); });
    std::printf("LoadThemeModel (%s): %.1f us per load, hands image %dx%d, locale %s\n",
                qPrintable(folder), load, model.HandsImageCache.width(),
                model.HandsImageCache.height(), qPrintable(CaptionLocaleName()));

    struct tm time {};
    time.tm_year = 124;
    time.tm_mon = 2;
    time.tm_mday = 5;
    time.tm_wday = 2;
    time.tm_hour = 15;
    // The theme's locale first, then the shipped themes' patterns in a few
    // languages (the clock formats one caption per redraw).
    const QString format = QStringLiteral("%#x\n%X");
    const double caption = MicrosecondsPerCall(10000, [&] { FormatCaption(format, time); });
    std::printf("FormatCaption(\"%%#x\\n%%X\"): %.2f us per caption\n", caption);
    const struct {
        const char* language;
        const char* format;
    } kCaptions[] = {{"english", "%p"},    {"english", "%x\n%X"},         {"german", "%#x\n%X"},
                     {"german", "%a %#d"}, {"japanese", "%d\u65e5 (%a)"}, {"french", "%#c"}};
    for (const auto& sample : kCaptions) {
        const bool applied = ApplyCaptionLanguage(QString::fromLatin1(sample.language));
        const QString pattern = QString::fromUtf8(sample.format);
        const double perCaption = MicrosecondsPerCall(10000, [&] { FormatCaption(pattern, time); });
        std::printf("FormatCaption(%s%s, \"%s\"): %.2f us per caption -> \"%s\"\n", sample.language,
                    applied ? "" : " (not applied)",
                    qPrintable(QString(pattern).replace(QLatin1Char('\n'), QLatin1String("\\n"))),
                    perCaption,
                    qPrintable(FormatCaption(pattern, time).replace(QLatin1Char('\n'), u'/')));
    }
    // Worst case: a different pattern each call, so none is reused.
    const QString patterns[] = {QStringLiteral("%#x\n%X"), QStringLiteral("%x")};
    int next = 0;
    const double alternating =
        MicrosecondsPerCall(10000, [&] { FormatCaption(patterns[next++ % 2], time); });
    std::printf("FormatCaption, two patterns in turn: %.2f us per caption\n", alternating);

    QTemporaryDir dir;
    const QString bombPath = dir.filePath(QStringLiteral("bomb.png"));
    QFile bomb(bombPath);
    if (bomb.open(QIODevice::WriteOnly)) {
        bomb.write(DecodeBomb());
        bomb.close();
    }
    const double refuse = MicrosecondsPerCall(200, [&] { DecodeImageFile(bombPath); });
    std::printf("DecodeImageFile, header claiming 100000x100000: %.1f us to refuse\n", refuse);
    return 0;
}
