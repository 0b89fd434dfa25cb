// Video items waiting for their files' lengths, measured one file at a time.

#include "playback/video/VideoLengthProbe.h"

#include "base/Log.h"
#include "model/QVLedMediaObject.h"
#include "model/RecordSet.h"
#include "playback/video/VideoLengthReader.h"

#include <QFileInfo>

#include <algorithm>

VideoLengthProbe::VideoLengthProbe(QObject *parent) : QObject(parent)
{ }

void VideoLengthProbe::probe(QVLedMediaObject *item)
{
    if (!item || m_waiting.contains(item))
        return;
    m_waiting.append(item);
    readNext();
}

void VideoLengthProbe::forget(const RecordSet &doomed)
{
    m_waiting.erase(std::remove_if(m_waiting.begin(), m_waiting.end(),
                                   [&doomed](const QVLedMediaObject *item) { return doomed.contains(item); }),
                    m_waiting.end());
}

void VideoLengthProbe::readNext()
{
    if (m_reader && !m_reader->reading().isEmpty())
        return; // one file at a time: the next waits for this one's answer
    while (!m_waiting.isEmpty()) {
        const QString path = m_waiting.first()->video.path;
        // A FIFO or a device would hold the reader: only a regular file is opened.
        if (QFileInfo(path).isFile()) {
            if (!m_reader) {
                m_reader = new VideoLengthReader(this);
                connect(m_reader, &VideoLengthReader::sigLength, this, &VideoLengthProbe::answered);
                connect(m_reader, &VideoLengthReader::sigFailed, this, &VideoLengthProbe::failed);
            }
            m_reader->read(path);
            return;
        }
        qCWarning(lcVideo).noquote() << "no length for" << path << "(not a regular file)";
        takeItemsOf(path);
    }
}

void VideoLengthProbe::answered(const QString &path, double seconds)
{
    for (QVLedMediaObject *item : takeItemsOf(path))
        emit sigLengthKnown(item, seconds);
    readNext();
}

void VideoLengthProbe::failed(const QString &path)
{
    qCWarning(lcVideo).noquote() << "cannot read the length of" << path;
    takeItemsOf(path);
    readNext();
}

QList<QVLedMediaObject *> VideoLengthProbe::takeItemsOf(const QString &path)
{
    QList<QVLedMediaObject *> taken;
    for (auto it = m_waiting.begin(); it != m_waiting.end();) {
        if ((*it)->video.path == path) {
            taken << *it;
            it = m_waiting.erase(it);
        } else {
            ++it;
        }
    }
    return taken;
}
