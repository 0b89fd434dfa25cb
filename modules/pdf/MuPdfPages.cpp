// A PDF's pages drawn at the size they are shown, each on its own.

#include "modules/pdf/MuPdfPages.h"

#include "modules/pdf/MuPdf.h"

#include <QFileInfo>

namespace MuPdfPages {

namespace {

class PdfPages : public PageSource
{
public:
    PdfPages(const QString &path, int count) : m_path(path), m_count(count) { }

    int pageCount() const override { return m_count; }

    QImage render(int index, const QSize &size, Qt::AspectRatioMode mode) const override
    {
        if (index < 0 || index >= m_count || !QFileInfo(m_path).isFile())
            return QImage();
        const std::unique_ptr<MuPDF::Document> document = MuPDF::loadDocument(m_path);
        const std::unique_ptr<MuPDF::Page> page = document ? document->page(index) : nullptr;
        if (!page)
            return QImage();
        const QSizeF pageSize = page->size();
        const QSize drawn = pageDrawingSize(pageSize, size, mode);
        if (drawn.isEmpty())
            return QImage();
        return page->renderImage(float(drawn.width() / pageSize.width()), float(drawn.height() / pageSize.height()),
                                 0.0f);
    }

private:
    const QString m_path;
    const int m_count;
};

} // namespace

std::shared_ptr<const PageSource> open(const QString &path, QString *error)
{
    if (!QFileInfo(path).isFile()) {
        *error = QStringLiteral("not a regular file");
        return nullptr;
    }
    const std::unique_ptr<MuPDF::Document> document = MuPDF::loadDocument(path, error);
    if (!document)
        return nullptr;
    return std::make_shared<PdfPages>(path, document->numPages());
}

} // namespace MuPdfPages
