// Caption formatting on any format text at any valid date and time, in the
// locales a theme can name.

#include "clock/core/caption_locale.h"
#include "clock/core/render_local_time.h"
#include "clock/core/theme_loader.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace tikloom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    ClockTime time;
    time.Year = input.ConsumeIntegralInRange<uint16_t>(1601, 30827);
    time.Month = input.ConsumeIntegralInRange<uint16_t>(1, 12);
    time.DayOfWeek = input.ConsumeIntegralInRange<uint16_t>(0, 6);
    time.Day = input.ConsumeIntegralInRange<uint16_t>(1, 31);
    time.Hour = input.ConsumeIntegralInRange<uint16_t>(0, 23);
    time.Minute = input.ConsumeIntegralInRange<uint16_t>(0, 59);
    time.Second = input.ConsumeIntegralInRange<uint16_t>(0, 59);
    ApplyCaptionLanguage(QString::fromLatin1(
        input.PickValueInArray({"english", "german", "french", "japanese", "english-uk", ""})));
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QString format =
        ConvertCaptionFormat(QString::fromUtf8(rest.data(), qsizetype(rest.size())));
    const QString caption = FormatCaption(format, CaptionTimeFields(time));
    if (caption.size() >= kCaptionCapacity) {
        abort(); // longer captions are left out, never cut
    }
    return 0;
}
