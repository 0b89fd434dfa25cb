// MuPDF's C interface behind the four operations. Its errors unwind with
// setjmp/longjmp (fz_try/fz_catch), so nothing with a destructor lives
// inside those blocks. What MuPDF would print goes to the log instead.

#include "modules/pdf/MuPdf.h"

#include "base/Log.h"

#include <mutex>

extern "C" {
#include <mupdf/fitz.h>
}

namespace MuPDF {

namespace {

// One MuPDF context, shared by a document and its pages, dropped after the last of them.
struct Context
{
    fz_context *ctx = nullptr;
    ~Context()
    {
        if (ctx)
            fz_drop_context(ctx);
    }
};

} // namespace

struct Page::Private
{
    std::shared_ptr<Context> context;
    fz_page *page = nullptr;
    ~Private()
    {
        if (page)
            fz_drop_page(context->ctx, page);
    }
};

struct Document::Private
{
    std::shared_ptr<Context> context;
    fz_document *document = nullptr;
    int pageCount = 0;
    ~Private()
    {
        if (document)
            fz_drop_document(context->ctx, document);
    }
};

namespace {

// What a page needs of MuPDF's cache of fonts and pictures; dropped with the document.
constexpr size_t kStoreBytes = 64u << 20;

// Documents are opened on several threads at once, each with a context of
// its own; MuPDF keeps a little state beyond its contexts, which these guard.
std::mutex lockSet[FZ_LOCK_MAX];

void lockOne(void *, int lock)
{
    lockSet[lock].lock();
}

void unlockOne(void *, int lock)
{
    lockSet[lock].unlock();
}

const fz_locks_context kLocks{nullptr, lockOne, unlockOne};

void logMessage(void *, const char *message)
{
    qCDebug(lcEditor) << "MuPDF:" << message;
}

fz_document *openDocument(fz_context *ctx, const char *path, QString *error)
{
    fz_document *volatile document = nullptr;
    fz_try(ctx)
    {
        fz_register_document_handlers(ctx);
        document = fz_open_document(ctx, path);
    }
    fz_catch(ctx)
    {
        document = nullptr;
        if (error)
            *error = QString::fromUtf8(fz_caught_message(ctx));
    }
    return document;
}

int countPages(fz_context *ctx, fz_document *document)
{
    volatile int count = 0;
    fz_try(ctx) count = fz_count_pages(ctx, document);
    fz_catch(ctx) count = 0;
    return count;
}

fz_page *loadPage(fz_context *ctx, fz_document *document, int index)
{
    fz_page *volatile page = nullptr;
    fz_try(ctx) page = fz_load_page(ctx, document, index);
    fz_catch(ctx) page = nullptr;
    return page;
}

fz_rect boundPage(fz_context *ctx, fz_page *page)
{
    fz_rect bounds = fz_empty_rect;
    fz_try(ctx) bounds = fz_bound_page(ctx, page);
    fz_catch(ctx) bounds = fz_empty_rect;
    return bounds;
}

fz_pixmap *renderPage(fz_context *ctx, fz_page *page, fz_matrix transform)
{
    fz_pixmap *volatile pixmap = nullptr;
    fz_try(ctx) pixmap = fz_new_pixmap_from_page(ctx, page, transform, fz_device_rgb(ctx), 0);
    fz_catch(ctx) pixmap = nullptr;
    return pixmap;
}

} // namespace

Page::Page(std::unique_ptr<Private> d) : d(std::move(d))
{ }

Page::~Page() = default;

QSizeF Page::size() const
{
    const fz_rect bounds = boundPage(d->context->ctx, d->page);
    if (fz_is_empty_rect(bounds))
        return QSizeF();
    return QSizeF(bounds.x1 - bounds.x0, bounds.y1 - bounds.y0);
}

QImage Page::renderImage(float scaleX, float scaleY, float rotation) const
{
    fz_context *ctx = d->context->ctx;
    const fz_matrix transform = fz_pre_rotate(fz_scale(scaleX, scaleY), rotation);
    fz_pixmap *pixmap = renderPage(ctx, d->page, transform);
    if (!pixmap)
        return QImage();
    const int width = fz_pixmap_width(ctx, pixmap);
    const int height = fz_pixmap_height(ctx, pixmap);
    const int stride = int(fz_pixmap_stride(ctx, pixmap));
    QImage image;
    if (fz_pixmap_components(ctx, pixmap) == 3)
        image = QImage(fz_pixmap_samples(ctx, pixmap), width, height, stride, QImage::Format_RGB888).copy();
    fz_drop_pixmap(ctx, pixmap);
    return image;
}

Document::Document(std::unique_ptr<Private> d) : d(std::move(d))
{ }

Document::~Document() = default;

int Document::numPages() const
{
    return d->pageCount;
}

std::unique_ptr<Page> Document::page(int index) const
{
    if (index < 0 || index >= d->pageCount)
        return nullptr;
    fz_page *page = loadPage(d->context->ctx, d->document, index);
    if (!page)
        return nullptr;
    auto p = std::make_unique<Page::Private>();
    p->context = d->context;
    p->page = page;
    return std::unique_ptr<Page>(new Page(std::move(p)));
}

std::unique_ptr<Document> loadDocument(const QString &path, QString *error)
{
    auto context = std::make_shared<Context>();
    context->ctx = fz_new_context(nullptr, &kLocks, kStoreBytes);
    if (!context->ctx) {
        if (error)
            *error = QStringLiteral("MuPDF cannot start");
        return nullptr;
    }
    fz_set_error_callback(context->ctx, logMessage, nullptr);
    fz_set_warning_callback(context->ctx, logMessage, nullptr);
    const QByteArray file = path.toLocal8Bit();
    fz_document *document = openDocument(context->ctx, file.constData(), error);
    if (!document)
        return nullptr;
    auto d = std::make_unique<Document::Private>();
    d->context = context;
    d->document = document;
    d->pageCount = countPages(context->ctx, document);
    return std::unique_ptr<Document>(new Document(std::move(d)));
}

} // namespace MuPDF
