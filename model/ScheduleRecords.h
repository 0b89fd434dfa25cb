#pragma once

// Plain records of a schedule: display window, the three kinds of segment,
// time point, program and window. A record's lists own what they point to,
// but a record's destructor frees only its own fields: whoever removes a
// record frees its contents first (see RecordDisposal.h).
//
// Records hold no pointer to their owners; they repeat their owners' names
// and are looked up by those names.

#include <QColor>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

class QVLedMediaObject;

// One display window: a named rectangle on the desktop.
class PlayWinObject
{
public:
    QString name;
    int x = 0;
    int y = 0;
    int width = 200;
    int height = 200;
    int onTopMode = 1;      // 0 never, 1 always, 2 only while playing
    bool backStage = false; // not saved
};

class ProgramObject;

// A general segment, played by date range, weekday and time of day.
class GeneralObject
{
public:
    GeneralObject();

    QString name;
    QString displayName;
    bool specifiedDate = false;
    QDate startDate;
    QDate endDate;
    QStringList weekdays;
    bool allTime = true;
    QTime startTime;
    QTime endTime;
    int programCounter = 0;
    QList<ProgramObject *> programs;
};

// A cycle-inserted segment, inserted every intervalMinutes minutes.
class CycleObject
{
public:
    CycleObject();

    QString name;
    QString displayName;
    int intervalMinutes = 30;
    int playMode = 1; // 0: playMinutes:playSeconds, 1: playTimes passes
    int playMinutes = 5;
    int playSeconds = 0;
    int playTimes = 1;
    bool specifiedDate = false;
    QDate startDate;
    QDate endDate;
    QStringList weekdays;
    bool allTime = true;
    QTime startTime;
    QTime endTime;
    int programCounter = 0;
    QList<ProgramObject *> programs;
};

// One time of day at which a timing-inserted segment is inserted.
class TimePoint
{
public:
    QString label; // built by the segment panel; not saved
    QTime time;
    bool specifiedDate = false;
    QDate startDate;
    QDate endDate;
    QStringList weekdays; // empty: no day
};

// A timing-inserted segment, inserted at fixed times of day.
class TimingObject
{
public:
    QString name;
    QString displayName;
    QList<TimePoint *> timePoints;
    int playMode = 1;
    int playMinutes = 5;
    int playSeconds = 0;
    int playTimes = 1;
    int programCounter = 0;
    QList<ProgramObject *> programs;
};

class CommonWinObject;

// One page of the screen within a segment.
class ProgramObject
{
public:
    QString name;
    QString segmentName;
    QString displayName;
    QColor bgColour{0, 0, 0};
    QString bgPicture;
    int displayType = 1;
    QStringList bgMusic;
    int playMode = 0; // 0 playTimes times, 1 for playLength, 2 loop (general segments only)
    int playTimes = 1;
    QTime playLength{0, 6, 0};
    int windowCounter = 0;
    QList<CommonWinObject *> windows;
};

// A rectangular area of a program that shows its media items in turn.
class CommonWinObject
{
public:
    QString name;
    QString programName;
    QString segmentName;
    QString displayName;
    QString segmentType; // "generalSegment", "cycleSegment" or "timingSegment"
    bool borderEnabled = false;
    int borderWidth = 0;
    QColor borderColour{255, 0, 0};
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    QList<QVLedMediaObject *> media;
};

// The key of an area: a display window shows one area per window name within
// a program of a segment. The display-window name is not part of it.
inline bool sameArea(const CommonWinObject &a, const CommonWinObject &b)
{
    return a.name == b.name && a.segmentName == b.segmentName && a.programName == b.programName;
}

// Both windows belong to one program of one segment.
inline bool sameProgram(const CommonWinObject &a, const CommonWinObject &b)
{
    return a.programName == b.programName && a.segmentName == b.segmentName;
}
