#pragma once

// The recording video engine of the tests, linked in where a program opens
// its video module: each PlayLabel gets a FakeVideoEngine child that lists
// what the label was asked and lets a test speak for libmpv (length,
// position, failure, end); each length reader gets a FakeLengthEngine child
// that notes the files it is asked to read.

#include "playback/video/PlayLabel.h"
#include "playback/video/VideoLengthReader.h"
#include "playback/video/VideoModule.h"
#include "playback/video/VideoValues.h"

#include <QMap>
#include <QObject>
#include <QStringList>

class FakeVideoEngine : public QObject, public VideoEngine
{
    Q_OBJECT

public:
    FakeVideoEngine(PlayLabel *label, VideoReports *reports);
    ~FakeVideoEngine() override;

    // The engine of a label made with the fake engine.
    static FakeVideoEngine *of(const PlayLabel *label)
    {
        return label ? label->findChild<FakeVideoEngine *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    }
    // Labels made since the last reset, and how many of them were destroyed.
    static int made;
    static int destroyed;
    // The next label made throws as a machine without libmpv does.
    static bool refuseNext;

    PlayLabel *const label;
    // "open <path>", "close", "pause", "contiue", "scale <i>", "volume <v>",
    // "rotate <degrees>", "seek <s>", in order.
    QStringList calls;
    QString opened;
    QMap<QString, QString> properties; // as libmpv would hold them

    // libmpv's reports of the open file; nothing happens when none is open.
    void reportLength(float seconds);
    void reportPosition(float seconds);
    void fail();
    void end();
    // The calls whose text starts with the word.
    QStringList callsOf(const QString &word) const;

    void open(const QString &path) override;
    void close() override;
    void drain() override { }
    void setPaused(bool paused) override { calls << (paused ? QStringLiteral("pause") : QStringLiteral("contiue")); }
    void scale(int index) override;
    void setVolume(int volume) override;
    void rotate(int degrees) override;
    void seek(int seconds) override { calls << QStringLiteral("seek %1").arg(seconds); }
    void askLength() override { }
    void fit(const QSize &) override { }
    QString openedPath() const override { return opened; }
    QString propertyText(const QString &name) const override { return properties.value(name); }

private:
    VideoReports *const m_reports;
};

class FakeLengthEngine : public QObject, public VideoLengthEngine
{
    Q_OBJECT

public:
    FakeLengthEngine(VideoLengthReader *reader, VideoLengthReports *reports) : QObject(reader), m_reports(reports) { }

    void open(const QString &path) override;
    void stop() override { }

private:
    friend struct FakeLengthReads;
    VideoLengthReports *const m_reports;
};

// The length readers of the fake engine answer when a test speaks for libmpv.
struct FakeLengthReads
{
    // Every file a reader was asked to read, in order; a test clears it.
    static QStringList asked;
    // The file being read is `seconds` long / cannot be read; nothing happens when none is.
    static void answer(VideoLengthReader *reader, double seconds);
    static void fail(VideoLengthReader *reader);
};
