// The three Office conversions, each through the platform's converter, and
// which of them a document goes to.

#include "editor/CConverter.h"

#include "base/Log.h"

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

bool CConverter::applicationFor(const QString &path, OfficeConverter::Application *application, int *format)
{
    struct Row
    {
        const char *suffixes[2];
        OfficeConverter::Application application;
        int format;
    };
    static const Row rows[] = {
        {{"doc", "docx"}, OfficeConverter::Application::Word, OfficeConverter::kWordPdf},
        {{"ppt", "pptx"}, OfficeConverter::Application::PowerPoint, OfficeConverter::kPowerPointPdf},
        {{"xls", "xlsx"}, OfficeConverter::Application::Excel, OfficeConverter::kExcelPdf},
    };
    const QString suffix = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    for (const Row &row : rows) {
        if (suffix == QLatin1String(row.suffixes[0]) || suffix == QLatin1String(row.suffixes[1])) {
            *application = row.application;
            *format = row.format;
            return true;
        }
    }
    return false;
}
