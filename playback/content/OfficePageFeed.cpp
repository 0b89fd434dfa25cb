// Draws the page shown and the next one off the GUI thread, and drops the rest.

#include "playback/content/OfficePageFeed.h"

#include <QMutex>
#include <QMutexLocker>
#include <QThreadPool>

// Where a worker hands its page: gone once the feed is, so a late drawing
// reaches nothing.
struct OfficePageFeed::Inbox
{
    QMutex mutex;
    OfficePageFeed *feed = nullptr;
};

OfficePageFeed::OfficePageFeed(QObject *parent) : QObject(parent), m_inbox(std::make_shared<Inbox>())
{
    m_inbox->feed = this;
}

OfficePageFeed::~OfficePageFeed()
{
    QMutexLocker lock(&m_inbox->mutex);
    m_inbox->feed = nullptr;
}

void OfficePageFeed::setDocument(const DocumentPages &pages)
{
    if (pages.sharesStateWith(m_pages))
        return;
    disconnect(m_documentChanged);
    m_pages = pages;
    if (const DocumentPagesNotifier *notifier = pages.notifier())
        m_documentChanged = connect(notifier, &DocumentPagesNotifier::sigChanged, this, [this] {
            dropAll();
            emit sigDocumentChanged();
        });
    dropAll();
}

void OfficePageFeed::setTarget(const QSize &size, Qt::AspectRatioMode mode)
{
    if (size == m_size && mode == m_mode)
        return;
    m_size = size;
    m_mode = mode;
    dropAll();
}

QImage OfficePageFeed::page(int index)
{
    m_current = index;
    for (auto it = m_drawn.begin(); it != m_drawn.end();) {
        if (it.key() == index || it.key() == index + 1)
            ++it;
        else
            it = m_drawn.erase(it);
    }
    request(index);
    request(index + 1);
    return m_drawn.value(index);
}

void OfficePageFeed::clear()
{
    m_current = -1;
    dropAll();
}

void OfficePageFeed::dropAll()
{
    ++m_generation;
    m_drawn.clear();
    m_pending.clear();
}

void OfficePageFeed::request(int index)
{
    const std::shared_ptr<const PageSource> source = m_pages.source();
    if (!source || index < 0 || index >= source->pageCount() || m_size.isEmpty() || m_drawn.contains(index)
        || m_pending.contains(index))
        return;
    m_pending.insert(index);
    const quint64 generation = m_generation;
    const QSize size = m_size;
    const Qt::AspectRatioMode mode = m_mode;
    const std::shared_ptr<Inbox> inbox = m_inbox;
    QThreadPool::globalInstance()->start([source, index, size, mode, generation, inbox] {
        const QImage image = source->render(index, size, mode);
        QMutexLocker lock(&inbox->mutex);
        if (OfficePageFeed *feed = inbox->feed)
            QMetaObject::invokeMethod(
                feed, [feed, generation, index, image] { feed->drawn(generation, index, image); },
                Qt::QueuedConnection);
    });
}

void OfficePageFeed::drawn(quint64 generation, int index, const QImage &image)
{
    if (generation != m_generation)
        return;
    m_pending.remove(index);
    if (index != m_current && index != m_current + 1)
        return; // no longer wanted
    // A page that cannot be drawn is kept as null, so it is not asked for again and again.
    m_drawn.insert(index, image);
    if (!image.isNull())
        emit sigPageReady(index);
}
