// The installed converter and the waiting conversion; each platform's file
// holds start() itself.

#include "platform/OfficeConverter.h"

#include <QEventLoop>
#include <QPointer>

namespace {
OfficeConverter *installed = nullptr;
}

OfficeConverter &OfficeConverter::current()
{
    static OfficeConverter program;
    return installed ? *installed : program;
}

void OfficeConverter::install(OfficeConverter *converter)
{
    installed = converter;
}

OfficeConverter::Outcome OfficeConverter::convertAndWait(Application application, const QString &source,
                                                         const QString &target, int format)
{
    // Shared with the report, which may come after this call gave up waiting
    // (the application ending its loops).
    struct Wait
    {
        bool over = false;
        Outcome outcome = Outcome::Failed;
        QString error = QStringLiteral("the conversion was cut short");
        QPointer<QEventLoop> loop;
    };
    auto wait = std::make_shared<Wait>();
    QEventLoop loop;
    wait->loop = &loop;
    start(application, source, target, format, [wait](Outcome outcome, const QString &error) {
        wait->over = true;
        wait->outcome = outcome;
        wait->error = error;
        if (wait->loop)
            wait->loop->quit();
    });
    if (!wait->over)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_error = wait->outcome == Outcome::Converted ? QString() : wait->error;
    return wait->outcome;
}

bool OfficeConverter::convert(Application application, const QString &source, const QString &target, int format)
{
    return convertAndWait(application, source, target, format) == Outcome::Converted;
}
