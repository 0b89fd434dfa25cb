// The three Office conversions, each through the platform's converter.

#include "editor/CConverter.h"

#include "base/Log.h"
#include "platform/OfficeConverter.h"

namespace {
bool convertWith(OfficeConverter::Application application, const QString &source, const QString &target, int format)
{
    OfficeConverter &converter = OfficeConverter::current();
    if (converter.convert(application, source, target, format))
        return true;
    qCWarning(lcEditor).noquote() << "cannot convert" << source << "to PDF:" << converter.errorString();
    return false;
}
} // namespace

bool CConverter::convertWordToPdf(const QString &source, const QString &target, int format)
{
    return convertWith(OfficeConverter::Application::Word, source, target, format);
}

bool CConverter::convertPptToPdf(const QString &source, const QString &target, int format)
{
    return convertWith(OfficeConverter::Application::PowerPoint, source, target, format);
}

bool CConverter::convertExcelToPdf(const QString &source, const QString &target, int format)
{
    return convertWith(OfficeConverter::Application::Excel, source, target, format);
}
