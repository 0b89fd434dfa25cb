#pragma once

// The editor's measure of video items whose length it must learn (a schedule
// just loaded, an item just added): the items wait in turn, one reader opens
// their files one at a time, unseen and unheard, and each length goes to
// every waiting item of that file. Only regular files are opened.

#include <QList>
#include <QObject>

class QVLedMediaObject;
class RecordSet;
class VideoLengthReader;

class VideoLengthProbe : public QObject
{
    Q_OBJECT

public:
    explicit VideoLengthProbe(QObject *parent = nullptr);

    // The item waits for its file's length; an item already waiting is not asked twice.
    void probe(QVLedMediaObject *item);
    // Before items are freed: they wait no longer.
    void forget(const RecordSet &doomed);
    // Items waiting, the one whose file is being read among them.
    int waiting() const { return m_waiting.size(); }

signals:
    // The item's file is `seconds` long.
    void sigLengthKnown(QVLedMediaObject *item, double seconds);

private:
    // Opens the file of the first waiting item, unless a file is being read.
    void readNext();
    void answered(const QString &path, double seconds);
    void failed(const QString &path);
    // Takes every waiting item of the file out of the queue.
    QList<QVLedMediaObject *> takeItemsOf(const QString &path);

    VideoLengthReader *m_reader = nullptr; // a child, made on first use
    QList<QVLedMediaObject *> m_waiting;   // not owned
};
