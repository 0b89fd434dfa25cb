#pragma once

// Finds the area players of one display window by their window record
// without walking the whole list: first by the record itself, else by the
// record's key (window, segment and program name). Every hit is checked
// against the record's names as they are now, so an area whose record was
// renamed is never taken for another one; a found area is filed again under
// its current names.

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>

class CommonPlayWindow;
class CommonWinObject;

class AreaIndex
{
public:
    void add(CommonPlayWindow *area);
    void remove(CommonPlayWindow *area);

    // The area made for the record, else the earliest made one with the
    // record's key; null when there is none.
    CommonPlayWindow *find(const CommonWinObject &window);
    // The areas whose record has the record's segment and program name,
    // earliest made first.
    QList<CommonPlayWindow *> ofProgram(const CommonWinObject &window);

private:
    using Bucket = QList<QPointer<CommonPlayWindow>>;
    struct Filing
    {
        quint64 order = 0;
        QString areaKey;
        QString programKey;
    };

    static QString areaKey(const CommonWinObject &window);
    static QString programKey(const CommonWinObject &window);
    // Files the area under the keys of its record's current names.
    void refile(CommonPlayWindow *area);
    void unfile(CommonPlayWindow *area, const Filing &filing);

    QHash<const CommonWinObject *, QPointer<CommonPlayWindow>> m_byRecord;
    QHash<QString, Bucket> m_byKey;
    QHash<QString, Bucket> m_byProgram;
    QHash<const CommonPlayWindow *, Filing> m_filings;
    quint64 m_nextOrder = 0;
};
