// Fuzz target over the schedule codec (libFuzzer, built with clang under
// AddressSanitizer and UndefinedBehaviorSanitizer by scripts/fuzz).
// For any bytes: decoding never crashes; a refused input always says why;
// an accepted one, once written back, reads again and writes back to the
// very same bytes (the first write may normalise: any non-zero bool becomes
// 1, items of unknown kinds are dropped, text is made valid UTF-8).

#include "model/Schedule.h"
#include "model/ScheduleReader.h"
#include "model/ScheduleWriter.h"

#include <QByteArray>
#include <QGuiApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
[[noreturn]] void fail(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "schedule codec: %s %s\n", what, qPrintable(detail));
    std::abort();
}
} // namespace

// Media items hold a picture, which needs the GUI application.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int applicationArgc = *argc;
    static QGuiApplication application(applicationArgc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > size_t(INT_MAX))
        return 0;
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    ScheduleReader reader;
    const std::unique_ptr<OwnedSchedule> decoded = reader.decode(input);
    if (!decoded) {
        if (reader.errorString().isEmpty())
            fail("refused an input without saying why");
        return 0;
    }
    if (!reader.errorString().isEmpty())
        fail("accepted an input but reported", reader.errorString());

    const QByteArray once = ScheduleWriter().encode(decoded->schedule());
    ScheduleReader again;
    const std::unique_ptr<OwnedSchedule> reread = again.decode(once);
    if (!reread)
        fail("refused what it wrote itself:", again.errorString());
    const QByteArray twice = ScheduleWriter().encode(reread->schedule());
    if (twice != once)
        fail("a schedule read back from its own bytes wrote different bytes");
    return 0;
}
