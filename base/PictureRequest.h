#pragma once

// The one picture a widget wants from the PictureCache at a time: it asks,
// and when the picture must be decoded first, asks again when the decode
// has ended and hands on the outcome. The first time a file turns out
// unreadable, it says so once in the play-back log.

#include "base/PictureCache.h"

#include <QObject>
#include <QSize>
#include <QString>

class PictureRequest : public QObject
{
    Q_OBJECT

public:
    // `what` names the picture in the log ("picture", "background picture").
    PictureRequest(const QString &what, QObject *parent);

    // Wants the picture of `path` to cover `cover`, instead of what was
    // wanted before. Ready or Failed come back at once and nothing follows;
    // Pending is followed by sigSettled, unless want() or forget() comes first.
    PictureCache::Result want(const QString &path, const QSize &cover);
    // Wants nothing more: no sigSettled follows.
    void forget();

    bool waiting() const { return m_waiting; }
    QString path() const { return m_path; }

signals:
    // The picture waited for is Ready, or Failed.
    void sigSettled(const PictureCache::Result &result);

private:
    void decoded(const QString &path);
    void tell(const PictureCache::Result &result) const;

    QString m_what;
    QString m_path;
    QSize m_cover;
    bool m_waiting = false;
};
