#pragma once

// The schedule document: writes the main window's schedule to a ".qvsc" file
// and builds it back from one through the main window and the trees' loaders.

#include <QObject>
#include <QString>

struct Schedule;
struct DisplayWindowSchedule;
class GeneralObject;
class CycleObject;
class TimingObject;
class ProgramObject;
class CommonWinObject;
class ProjectTree;
class Widget;

class Prodoc : public QObject
{
    Q_OBJECT

public:
    explicit Prodoc(Widget *mainWindow);

    // False, with errorString(), when the file could not be written; the
    // file then keeps what it held before.
    bool saveSchedule(const QString &path);

    // Reads the whole file first. Only a clean read replaces the open
    // schedule (display windows in file order, the last one's tree current);
    // otherwise false, with errorString(), and nothing on screen changes.
    bool loadSchedule(const QString &path);

    QString errorString() const { return m_error; }

    // The main window's schedule as it stands, lent to the writer.
    Schedule currentSchedule() const;

private:
    // Positions and sizes from a file are held to what the settings accept; reported once.
    static void keepGeometryInBounds(const QString &path, Schedule &schedule);
    void readGeneralSegments(ProjectTree *tree, const QList<GeneralObject *> &segments);
    void readCycleSegments(ProjectTree *tree, const QList<CycleObject *> &segments);
    void readTimingSegments(ProjectTree *tree, QList<TimingObject *> &segments);
    void readPrograms(ProjectTree *tree, const QList<ProgramObject *> &programs, const QString &segmentType);
    void readCommonWindows(ProjectTree *tree, const QList<CommonWinObject *> &windows);
    void readMediaItems(ProjectTree *tree, const CommonWinObject *window);

    Widget *m_mainWindow;
    QString m_error;
};
