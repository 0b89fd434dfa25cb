#pragma once

// The recording video back end of the tests: a PlayLabel that runs no
// libmpv. Each label keeps a FakeVideoEngine child that lists what the label
// was asked and lets a test speak for libmpv (length, position, failure, end).

#include "playback/video/PlayLabel.h"
#include "playback/video/VideoLengthReader.h"
#include "playback/video/VideoValues.h"

#include <QMap>
#include <QObject>
#include <QStringList>

class FakeVideoEngine : public QObject
{
    Q_OBJECT

public:
    explicit FakeVideoEngine(PlayLabel *label);

    // The engine of a label made by the fake back end.
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
    StartSeek startSeek;

    // libmpv's reports of the open file; nothing happens when none is open.
    void reportLength(float seconds);
    void reportPosition(float seconds);
    void fail();
    void end();
    // The calls whose text starts with the word.
    QStringList callsOf(const QString &word) const;
};

// The length readers of the recording back end answer when a test speaks for libmpv.
struct FakeLengthReads
{
    // Every file a reader was asked to read, in order; a test clears it.
    static QStringList asked;
    // The file being read is `seconds` long / cannot be read; nothing happens when none is.
    static void answer(VideoLengthReader *reader, double seconds);
    static void fail(VideoLengthReader *reader);
};
