#pragma once

// The pictures the program shows from files (an item's picture, the
// backgrounds of items and of display windows), decoded once per file on a
// worker thread and kept in a small cache. Asking never waits: a picture
// not yet decoded is decoded in the background, and sigDecoded says when
// asking again gives it. A file is known by its path, size and time of
// change: a changed file is read again, an unchanged one (also one that
// cannot be read) is not. The cache holds at most kMaxBytes of pictures,
// dropping those not asked for longest; a picture in use elsewhere stays
// alive there. Lives on the GUI thread.

#include "base/PictureFile.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QThreadPool>

#include <atomic>

class PictureCache : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 kMaxBytes = 128LL * 1024 * 1024;
    static constexpr int kMaxEntries = 512;

    enum class State {
        Ready,   // `picture` covers what was asked (within the caps of PictureFile)
        Failed,  // the file cannot be shown: `error` says why
        Pending, // a decode runs; sigDecoded(path) follows
    };
    struct Result
    {
        State state = State::Pending;
        QImage picture;
        QString error;
        // The first time this file, as it is now, is found unreadable: the
        // caller says so once, and not at every show.
        bool firstFailure = false;
    };

    // The one cache, made on first use as a child of the application object.
    static PictureCache &instance();

    // The picture at `path` for showing over `cover` pixels (empty: at its
    // own size); see PictureFile::decodeSize. Missing files, folders, FIFOs
    // and devices fail at once, without a worker.
    Result picture(const QString &path, const QSize &cover);

    // Drops every picture and failure held; decodes under way still end
    // with sigDecoded. For tests that need a cold cache.
    void clear();
    qint64 bytesHeld() const { return m_bytes; }
    // Decodes started since the program began.
    quint64 decodesStarted() const { return m_decodesStarted; }

signals:
    // A decode of `path` has ended: asking again now gives Ready or Failed
    // (or Pending, when more pixels are wanted than it gave).
    void sigDecoded(const QString &path);

private:
    explicit PictureCache(QObject *parent);
    ~PictureCache() override;

    struct Entry
    {
        RegularFile::Identity identity;
        bool regular = false; // false: `error` says what the path names instead
        bool known = false;   // false until the file has been looked at
        QImage picture;
        QSize sourceSize;
        QString error;
        bool failed = false;
        bool told = false; // the failure has been handed out once
        bool decoding = false;
        RegularFile::Identity decodingIdentity; // the file as it was looked at when its decode began
        quint64 lastUse = 0;
    };

    Result lookUp(const QString &path, const QSize &cover);
    Result failure(Entry &entry);
    void startDecode(const QString &path, Entry &entry, const QSize &cover, const RegularFile::Identity &identity);
    void decoded(const QString &path, quint64 generation, const PictureFile::Decoded &result);
    // Drops the pictures asked for longest ago until the cache is within its bounds; never `keep`.
    void trim(const QString &keep);
    static qint64 bytesOf(const QImage &picture) { return picture.sizeInBytes(); }

    QHash<QString, Entry> m_entries;
    qint64 m_bytes = 0;
    quint64 m_uses = 0;
    quint64 m_generation = 0;
    quint64 m_decodesStarted = 0;
    std::atomic_bool m_cancel{false};
    QThreadPool m_workers;
};
