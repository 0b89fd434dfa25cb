// Lookup of area players by window record and by name key.

#include "playback/AreaIndex.h"

#include "model/ScheduleRecords.h"
#include "playback/CommonPlayWindow.h"

#include <algorithm>

namespace {
// Names may hold any character; a clash of two joined keys only costs a check.
const QChar kSeparator(0x1f);
} // namespace

QString AreaIndex::areaKey(const CommonWinObject &window)
{
    return window.name + kSeparator + programKey(window);
}

QString AreaIndex::programKey(const CommonWinObject &window)
{
    return window.segmentName + kSeparator + window.programName;
}

void AreaIndex::add(CommonPlayWindow *area)
{
    if (!area || !area->winObject)
        return;
    remove(area);
    Filing filing;
    filing.order = m_nextOrder++;
    m_filings.insert(area, filing);
    if (!m_byRecord.value(area->winObject))
        m_byRecord.insert(area->winObject, area);
    refile(area);
}

void AreaIndex::remove(CommonPlayWindow *area)
{
    const auto filing = m_filings.constFind(area);
    if (filing == m_filings.constEnd())
        return;
    unfile(area, filing.value());
    m_filings.erase(filing);
    // Only the pointer is compared: the record may be on its way out.
    const auto own = m_byRecord.find(area->winObject);
    if (own != m_byRecord.end() && own.value() == area)
        m_byRecord.erase(own);
}

namespace {
template <typename Index>
void takeOut(Index &index, const QString &key, CommonPlayWindow *area)
{
    const auto bucket = index.find(key);
    if (bucket == index.end())
        return;
    bucket->removeAll(area);
    bucket->removeAll(QPointer<CommonPlayWindow>()); // areas deleted behind our back
    if (bucket->isEmpty())
        index.erase(bucket);
}
} // namespace

void AreaIndex::unfile(CommonPlayWindow *area, const Filing &filing)
{
    takeOut(m_byKey, filing.areaKey, area);
    takeOut(m_byProgram, filing.programKey, area);
}

void AreaIndex::refile(CommonPlayWindow *area)
{
    const auto found = m_filings.find(area);
    if (found == m_filings.end() || !area->winObject)
        return;
    Filing &filing = found.value();
    const QString newAreaKey = areaKey(*area->winObject);
    const QString newProgramKey = programKey(*area->winObject);
    const bool filed = !filing.areaKey.isNull();
    if (filed && filing.areaKey == newAreaKey && filing.programKey == newProgramKey)
        return;
    if (filed)
        unfile(area, filing);
    filing.areaKey = newAreaKey;
    filing.programKey = newProgramKey;
    m_byKey[newAreaKey].append(area);
    m_byProgram[newProgramKey].append(area);
}

CommonPlayWindow *AreaIndex::find(const CommonWinObject &window)
{
    const auto own = m_byRecord.find(&window);
    if (own != m_byRecord.end()) {
        CommonPlayWindow *area = own.value();
        if (area && area->winObject == &window) {
            refile(area);
            return area;
        }
        m_byRecord.erase(own);
    }
    const auto bucket = m_byKey.constFind(areaKey(window));
    if (bucket == m_byKey.constEnd())
        return nullptr;
    CommonPlayWindow *earliest = nullptr;
    for (const QPointer<CommonPlayWindow> &area : bucket.value()) {
        if (!area || !area->winObject || !sameArea(*area->winObject, window))
            continue;
        if (!earliest || m_filings.value(area).order < m_filings.value(earliest).order)
            earliest = area;
    }
    return earliest;
}

QList<CommonPlayWindow *> AreaIndex::ofProgram(const CommonWinObject &window)
{
    QList<CommonPlayWindow *> areas;
    const Bucket bucket = m_byProgram.value(programKey(window));
    for (const QPointer<CommonPlayWindow> &area : bucket) {
        if (!area || !area->winObject)
            continue;
        if (sameProgram(*area->winObject, window))
            areas << area;
        else
            refile(area); // renamed since it was filed
    }
    std::sort(areas.begin(), areas.end(), [this](const CommonPlayWindow *a, const CommonPlayWindow *b) {
        return m_filings.value(a).order < m_filings.value(b).order;
    });
    return areas;
}
