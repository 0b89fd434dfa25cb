// Office documents to PDF through the automation interface of the Office
// application that owns the format: Word, PowerPoint or Excel, each created
// by its ProgID, asked to open the document, export it as PDF, close it and
// quit. Only an export call whose status is exactly zero counts.

#include "platform/OfficeConverter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>
#include <QUuid>
#include <QVector>

#include <memory>

#include <ole2.h>
#include <oleauto.h>
#include <windows.h>

namespace {

// One argument of an automation call, by parameter name.
struct Argument
{
    const wchar_t *name;
    VARIANT value;
};

VARIANT text(const QString &value)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(reinterpret_cast<const OLECHAR *>(value.utf16()));
    return v;
}

VARIANT number(long value)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

// Calls the method or property `member` of `object` with named arguments;
// the status of the call, its value in `result` when one is asked for.
HRESULT call(IDispatch *object, WORD flags, const wchar_t *member, QVector<Argument> arguments,
             VARIANT *result = nullptr, LCID locale = LOCALE_USER_DEFAULT)
{
    QVector<LPOLESTR> names{const_cast<LPOLESTR>(member)};
    for (const Argument &argument : arguments)
        names << const_cast<LPOLESTR>(argument.name);
    QVector<DISPID> ids(names.size());
    HRESULT status = object->GetIDsOfNames(IID_NULL, names.data(), UINT(names.size()), locale, ids.data());
    // Automation takes its arguments last first.
    QVector<VARIANT> values;
    QVector<DISPID> named;
    for (int i = arguments.size() - 1; i >= 0; --i) {
        values << arguments.at(i).value;
        named << ids.value(i + 1);
    }
    if (SUCCEEDED(status)) {
        DISPPARAMS parameters{values.data(), named.data(), UINT(values.size()), UINT(named.size())};
        VARIANT ignored;
        VariantInit(&ignored);
        EXCEPINFO exception{};
        UINT badArgument = 0;
        status = object->Invoke(ids.first(), IID_NULL, locale, flags, &parameters, result ? result : &ignored,
                                &exception, &badArgument);
        VariantClear(&ignored);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
    }
    for (VARIANT &value : values)
        VariantClear(&value);
    return status;
}

// The object a call returned, or null.
IDispatch *objectOf(HRESULT status, VARIANT &value)
{
    return SUCCEEDED(status) && value.vt == VT_DISPATCH ? value.pdispVal : nullptr;
}

struct Steps
{
    const wchar_t *progId;
    const wchar_t *collection;
    // Opens the document in the collection; the document object or null.
    IDispatch *(*open)(IDispatch *collection, const QString &source);
    // Exports it; the status of the export call.
    HRESULT (*exportPdf)(IDispatch *document, const QString &target, int format);
    void (*close)(IDispatch *document);
};

IDispatch *openWord(IDispatch *documents, const QString &source)
{
    VARIANT document;
    VariantInit(&document);
    return objectOf(call(documents, DISPATCH_METHOD, L"Open", {{L"FileName", text(source)}}, &document), document);
}

HRESULT exportWord(IDispatch *document, const QString &target, int format)
{
    return call(document, DISPATCH_METHOD, L"ExportAsFixedFormat",
                {{L"OutputFileName", text(target)},
                 {L"ExportFormat", number(format)},
                 {L"OpenAfterExport", number(0)},
                 {L"OptimizeFor", number(0)},
                 {L"Range", number(0)},
                 {L"From", number(0)},
                 {L"To", number(0)},
                 {L"Item", number(0)},
                 {L"IncludeDocProps", number(1)},
                 {L"KeepIRM", number(1)},
                 {L"CreateBookmarks", number(2)},
                 {L"DocStructureTags", number(1)},
                 {L"BitmapMissingFonts", number(1)},
                 {L"UseISO19005_1", number(0)}});
}

IDispatch *openPresentation(IDispatch *presentations, const QString &source)
{
    VARIANT presentation;
    VariantInit(&presentation);
    return objectOf(call(presentations, DISPATCH_METHOD, L"Open",
                         {{L"FileName", text(source)},
                          {L"ReadOnly", number(0)},
                          {L"Untitled", number(0)},
                          {L"WithWindow", number(0)}},
                         &presentation),
                    presentation);
}

HRESULT exportPresentation(IDispatch *presentation, const QString &target, int format)
{
    return call(presentation, DISPATCH_METHOD, L"SaveAs",
                {{L"FileName", text(target)}, {L"FileFormat", number(format)}, {L"EmbedTrueTypeFonts", number(-1)}});
}

IDispatch *openWorkbook(IDispatch *workbooks, const QString &source)
{
    VARIANT workbook;
    VariantInit(&workbook);
    return objectOf(call(workbooks, DISPATCH_METHOD, L"Open", {{L"Filename", text(source)}}, &workbook, 0), workbook);
}

HRESULT exportWorkbook(IDispatch *workbook, const QString &target, int format)
{
    return call(workbook, DISPATCH_METHOD, L"ExportAsFixedFormat",
                {{L"Type", number(format)}, {L"Filename", text(target)}, {L"Quality", number(0)}});
}

void closeDocument(IDispatch *document)
{
    call(document, DISPATCH_METHOD, L"Close", {});
}

void closeWorkbook(IDispatch *workbook)
{
    call(workbook, DISPATCH_METHOD, L"Close", {}, nullptr, 0);
}

const Steps kWord{L"Word.Application", L"Documents", openWord, exportWord, closeDocument};
const Steps kPowerPoint{L"PowerPoint.Application", L"Presentations", openPresentation, exportPresentation,
                        closeDocument};
const Steps kExcel{L"Excel.Application", L"Workbooks", openWorkbook, exportWorkbook, closeWorkbook};

// In-process server and handler, local and remote server.
constexpr DWORD kAnyServer = 23;

} // namespace

namespace {

// The whole conversion through automation, on the calling thread: Converted
// when the export call succeeded and the target is not empty; Unavailable
// when the application cannot be created; else Failed. `error` says why.
OfficeConverter::Outcome exportWithAutomation(OfficeConverter::Application application, const QString &source,
                                              const QString &target, int format, QString *error)
{
    const Steps &steps = application == OfficeConverter::Application::Word         ? kWord
                         : application == OfficeConverter::Application::PowerPoint ? kPowerPoint
                                                                                   : kExcel;
    const QString from = QDir::toNativeSeparators(source);
    const QString to = QDir::toNativeSeparators(target);

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    CLSID classId;
    IDispatch *app = nullptr;
    if (FAILED(CLSIDFromProgID(steps.progId, &classId))
        || FAILED(CoCreateInstance(classId, nullptr, kAnyServer, IID_IDispatch, reinterpret_cast<void **>(&app)))) {
        *error = QStringLiteral("the Office application cannot be created");
        CoUninitialize();
        return OfficeConverter::Outcome::Unavailable;
    }
    VARIANT collectionValue;
    VariantInit(&collectionValue);
    IDispatch *collection
        = objectOf(call(app, DISPATCH_PROPERTYGET, steps.collection, {}, &collectionValue), collectionValue);
    IDispatch *document = collection ? steps.open(collection, from) : nullptr;
    if (!document) {
        // The application is not asked to quit on this path.
        *error = QStringLiteral("the document cannot be opened");
        if (collection)
            collection->Release();
        app->Release();
        CoUninitialize();
        return OfficeConverter::Outcome::Failed;
    }
    const HRESULT exported = steps.exportPdf(document, to, format);
    steps.close(document);
    document->Release();
    collection->Release();
    call(app, DISPATCH_METHOD, L"Quit", {});
    app->Release();
    CoUninitialize();
    if (exported != 0) {
        *error = QStringLiteral("the export failed with status %1").arg(long(exported));
        return OfficeConverter::Outcome::Failed;
    }
    if (QFileInfo(target).size() <= 0) {
        *error = QStringLiteral("no PDF was written");
        return OfficeConverter::Outcome::Failed;
    }
    return OfficeConverter::Outcome::Converted;
}

} // namespace

// The automation call waits for the Office application: it runs on a thread
// of its own (COM is set up for that thread alone), and the outcome comes
// back to the calling thread. The application writes a file of this
// conversion's own, moved to the target only when it is in time: a
// conversion past its time-out is reported as failed, and whatever it writes
// later is removed and reaches no one.
void OfficeConverter::start(Application application, const QString &source, const QString &target, int format,
                            Done done)
{
    struct Work
    {
        Outcome outcome = Outcome::Failed;
        QString error;
        bool reported = false;
    };
    auto work = std::make_shared<Work>();
    const QString own = QFileInfo(target).absolutePath() + QLatin1Char('/') + QUuid::createUuid().toString(QUuid::Id128)
                        + QStringLiteral(".converting.pdf");
    QThread *thread = QThread::create(
        [=] { work->outcome = exportWithAutomation(application, source, own, format, &work->error); });
    QObject *context = QCoreApplication::instance();
    QObject::connect(thread, &QThread::finished, context, [=] {
        thread->deleteLater();
        if (work->reported) {
            QFile::remove(own);
            return;
        }
        work->reported = true;
        Outcome outcome = work->outcome;
        if (outcome == Outcome::Converted) {
            QFile::remove(target);
            if (!QFile::rename(own, target)) {
                outcome = Outcome::Failed;
                work->error = QStringLiteral("the PDF cannot be written to %1").arg(target);
            }
        }
        QFile::remove(own);
        done(outcome, work->error);
    });
    const int timeoutMs = m_timeoutMs;
    QTimer::singleShot(timeoutMs, context, [work, done, timeoutMs] {
        if (work->reported)
            return;
        work->reported = true;
        done(Outcome::Failed, QStringLiteral("the Office application took longer than %1 s").arg(timeoutMs / 1000));
    });
    thread->start();
}
