// Pictures decoded once per file, in the background, kept within a budget.

#include "base/PictureCache.h"

#include <QCoreApplication>
#include <QPointer>

PictureCache &PictureCache::instance()
{
    static QPointer<PictureCache> cache;
    if (!cache)
        cache = new PictureCache(QCoreApplication::instance());
    return *cache;
}

PictureCache::PictureCache(QObject *parent) : QObject(parent)
{
    // Two at a time: while a huge picture keeps one worker busy, others still come.
    m_workers.setMaxThreadCount(2);
}

PictureCache::~PictureCache()
{
    // Nobody waits for what is being decoded: the readers give up at their next read.
    m_cancel = true;
    m_workers.clear();
    m_workers.waitForDone();
}

PictureCache::Result PictureCache::picture(const QString &path, const QSize &cover)
{
    const Result result = lookUp(path, cover);
    trim(path);
    return result;
}

PictureCache::Result PictureCache::lookUp(const QString &path, const QSize &cover)
{
    Entry &entry = m_entries[path];
    entry.lastUse = ++m_uses;
    RegularFile::Identity identity;
    QString reason = QStringLiteral("no file is named");
    const bool regular = !path.isEmpty() && RegularFile::identify(path, &identity, &reason);
    if (!regular) {
        if (!entry.known || entry.regular || entry.error != reason) {
            m_bytes -= bytesOf(entry.picture);
            entry.picture = QImage();
            entry.identity = RegularFile::Identity();
            entry.known = true;
            entry.regular = false;
            entry.failed = true;
            entry.error = reason;
            entry.told = false;
        }
        return failure(entry);
    }
    if (entry.known && entry.regular && entry.identity == identity && !entry.decoding) {
        if (entry.failed)
            return failure(entry);
        const QSize needed = PictureFile::decodeSize(entry.sourceSize, cover);
        if (entry.picture.width() >= needed.width() && entry.picture.height() >= needed.height()) {
            Result result;
            result.state = State::Ready;
            result.picture = entry.picture;
            return result;
        }
    }
    // One decode of a file at a time; whoever wants more pixels than it gives asks again after it.
    if (!entry.decoding)
        startDecode(path, entry, cover, identity);
    return Result();
}

PictureCache::Result PictureCache::failure(Entry &entry)
{
    Result result;
    result.state = State::Failed;
    result.error = entry.error;
    result.firstFailure = !entry.told;
    entry.told = true;
    return result;
}

void PictureCache::startDecode(const QString &path, Entry &entry, const QSize &cover,
                               const RegularFile::Identity &identity)
{
    entry.decoding = true;
    entry.decodingIdentity = identity;
    ++m_decodesStarted;
    const quint64 generation = m_generation;
    m_workers.start([this, path, cover, generation] {
        const PictureFile::Decoded result = PictureFile::read(path, cover, &m_cancel);
        QMetaObject::invokeMethod(
            this, [this, path, generation, result] { decoded(path, generation, result); }, Qt::QueuedConnection);
    });
}

void PictureCache::decoded(const QString &path, quint64 generation, const PictureFile::Decoded &result)
{
    const auto it = m_entries.find(path);
    if (generation == m_generation && it != m_entries.end()) {
        Entry &entry = *it;
        entry.decoding = false;
        // A file that could not be opened is known by what was looked at before.
        const RegularFile::Identity identity = result.identity.size >= 0 ? result.identity : entry.decodingIdentity;
        const bool sameFailure
            = entry.known && entry.failed && entry.error == result.error && entry.identity == identity;
        entry.identity = identity;
        entry.known = true;
        entry.regular = true;
        entry.sourceSize = result.sourceSize;
        m_bytes -= bytesOf(entry.picture);
        entry.picture = result.image;
        m_bytes += bytesOf(entry.picture);
        entry.failed = result.image.isNull();
        entry.error = result.error;
        if (!sameFailure)
            entry.told = false;
        trim(path);
    }
    emit sigDecoded(path);
}

void PictureCache::trim(const QString &keep)
{
    while (m_bytes > kMaxBytes || m_entries.size() > kMaxEntries) {
        auto oldest = m_entries.end();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->decoding || it.key() == keep)
                continue;
            if (oldest == m_entries.end() || it->lastUse < oldest->lastUse)
                oldest = it;
        }
        if (oldest == m_entries.end())
            return;
        m_bytes -= bytesOf(oldest->picture);
        m_entries.erase(oldest);
    }
}

void PictureCache::clear()
{
    m_entries.clear();
    m_bytes = 0;
    ++m_generation;
}
