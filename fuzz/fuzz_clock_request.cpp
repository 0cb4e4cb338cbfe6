// The clock's socket reader on any bytes, cut into any chunks as they may
// arrive: every line end completes exactly one request, each request is its
// own line's, and a long tail without a line end is caught.

#include "common/clock_link.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <string>

using namespace tikloom;

namespace {

ClockRequest Expected(const std::string& line) {
    if (line == kReloadRequest)
        return ClockRequest::Reload;
    if (line == kToggleRequest)
        return ClockRequest::Toggle;
    return ClockRequest::Unknown;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    ClockRequestReader reader;
    std::string line; // the reference: the bytes since the last line end
    while (input.remaining_bytes() > 0) {
        const std::string chunk =
            input.ConsumeBytesAsString(input.ConsumeIntegralInRange<size_t>(1, 80));
        const QList<ClockRequest> requests =
            reader.Take(QByteArrayView(chunk.data(), qsizetype(chunk.size())));
        qsizetype next = 0;
        for (const char byte : chunk) {
            line += byte;
            if (byte != '\n')
                continue;
            if (next >= requests.size() || requests[next] != Expected(line))
                abort(); // a request lost, or read from the wrong bytes
            ++next;
            line.clear();
        }
        if (next != requests.size())
            abort(); // a request made up of no line
        if (reader.Overlong() != (line.size() > size_t(kLongestClockRequest)))
            abort();
    }
    return 0;
}
