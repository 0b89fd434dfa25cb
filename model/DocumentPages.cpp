// The shared state of an item's pages, and the size a page is drawn at.

#include "model/DocumentPages.h"

#include <QtMath>

struct DocumentPagesState
{
    DocumentPages::Status status = DocumentPages::Status::Preparing;
    std::shared_ptr<const PageSource> source;
    DocumentPagesNotifier notifier;
};

QSize pageDrawingSize(const QSizeF &pageSize, const QSize &size, Qt::AspectRatioMode mode)
{
    if (pageSize.isEmpty() || size.isEmpty())
        return QSize();
    QSizeF drawn = mode == Qt::IgnoreAspectRatio ? QSizeF(size) : pageSize.scaled(QSizeF(size), mode);
    const qreal pixels = drawn.width() * drawn.height();
    if (pixels > qreal(kMaxPagePixels))
        drawn *= qSqrt(qreal(kMaxPagePixels) / pixels);
    // Rounded down, so the cap holds; never below one pixel a side.
    return QSize(qMax(1, int(drawn.width())), qMax(1, int(drawn.height())));
}

DocumentPages DocumentPages::preparing()
{
    DocumentPages pages;
    pages.m_state = std::make_shared<DocumentPagesState>();
    return pages;
}

DocumentPages DocumentPages::ready(std::shared_ptr<const PageSource> source)
{
    DocumentPages pages = preparing();
    pages.m_state->status = source ? Status::Ready : Status::Failed;
    pages.m_state->source = std::move(source);
    return pages;
}

DocumentPages::Status DocumentPages::status() const
{
    return m_state ? m_state->status : Status::None;
}

int DocumentPages::size() const
{
    return m_state && m_state->source ? m_state->source->pageCount() : 0;
}

std::shared_ptr<const PageSource> DocumentPages::source() const
{
    return m_state ? m_state->source : nullptr;
}

void DocumentPages::setReady(std::shared_ptr<const PageSource> source) const
{
    if (!m_state)
        return;
    m_state->status = source ? Status::Ready : Status::Failed;
    m_state->source = std::move(source);
    emit m_state->notifier.sigChanged();
}

void DocumentPages::setFailed() const
{
    setReady(nullptr);
}

const DocumentPagesNotifier *DocumentPages::notifier() const
{
    return m_state ? &m_state->notifier : nullptr;
}

DocumentPages DocumentPages::Weak::lock() const
{
    DocumentPages pages;
    pages.m_state = m_state.lock();
    return pages;
}

DocumentPages::Weak DocumentPages::weak() const
{
    Weak weak;
    weak.m_state = m_state;
    return weak;
}
