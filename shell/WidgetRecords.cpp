// The one step before records are freed. The trees own the records; the
// main window, the trees, the copy buffers and the area players only point
// into them. Whoever frees a subtree first hands it here, so that no pointer
// into it survives and a later paste, edit or preview finds nothing.

#include "editor/CopyBuffer.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/RecordSet.h"
#include "panels/WindowPanel.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/video/VideoLengthProbe.h"
#include "shell/Widget.h"

#include <algorithm>

void Widget::forgetRecords(const RecordSet &doomed)
{
    if (doomed.isEmpty())
        return;
    CopyBuffer::forget(doomed);
    doomed.forget(copiedMedia);
    doomed.forget(curTimingSegment);
    doomed.forget(curCycleSegment);
    doomed.forget(curGeneralSegment);
    doomed.forget(curProgram);
    doomed.forget(curCommonWin);
    if (doomed.contains(curMedia)) {
        curMedia = nullptr;
        hideAllSetupLabel(); // no panel shows an item that is gone
    }
    curMediaList.erase(std::remove_if(curMediaList.begin(), curMediaList.end(),
                                      [&doomed](const QVLedMediaObject *item) { return doomed.contains(item); }),
                       curMediaList.end());
    for (ProjectWidget *panel : qAsConst(projectWidgets))
        panel->tree()->forgetRecords(doomed);
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows))
        displayWindow->forgetRecords(doomed);
    if (m_lengthProbe)
        m_lengthProbe->forget(doomed);
}

void Widget::clearSelectionInto(const QString &displayName)
{
    RecordSet doomed;
    for (auto it = projectWidgets.cbegin(); it != projectWidgets.cend(); ++it) {
        if (displayName.isEmpty() || it.key() == displayName)
            doomed.unite(it.value()->tree()->wholeSchedule());
    }
    forgetRecords(doomed);
    // What the trees had selected goes with them.
    for (auto it = projectWidgets.cbegin(); it != projectWidgets.cend(); ++it) {
        if (displayName.isEmpty() || it.key() == displayName)
            it.value()->tree()->forgetSelection();
    }
}
