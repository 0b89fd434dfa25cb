#pragma once

// Schedules built in code for the tests and benchmarks that open files:
// display windows with one general segment of many programs, each program
// with its windows and one text item per window.

#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/Schedule.h"
#include "model/ScheduleFile.h"
#include "model/ScheduleRecords.h"

#include <memory>

namespace GeneratedSchedules {

// Appends a display window of `programs` programs with `windowsPerProgram` windows each.
inline DisplayWindowSchedule &addDisplayWindow(OwnedSchedule &owned, const QString &name, int programs,
                                               int windowsPerProgram = 1)
{
    Schedule &schedule = owned.schedule();
    schedule.displayWindowCounter = schedule.displayWindows.size() + 1;
    DisplayWindowSchedule displayWindow;
    displayWindow.window = new PlayWinObject;
    displayWindow.window->name = name;
    displayWindow.window->width = 1280;
    displayWindow.window->height = 720;
    auto *segment = new GeneralObject;
    segment->name = QStringLiteral("General Segment1");
    segment->displayName = name;
    segment->weekdays = Weekday::allDays();
    segment->programCounter = programs;
    displayWindow.generalSegments << segment;
    int id = 0;
    for (int p = 0; p < programs; ++p) {
        auto *program = new ProgramObject;
        program->name = QStringLiteral("Program%1").arg(p + 1);
        program->segmentName = segment->name;
        program->displayName = name;
        program->windowCounter = windowsPerProgram;
        for (int w = 0; w < windowsPerProgram; ++w) {
            auto *window = new CommonWinObject;
            window->name = QStringLiteral("Common Window%1").arg(w + 1);
            window->programName = program->name;
            window->segmentName = segment->name;
            window->displayName = name;
            window->segmentType = SegmentType::General;
            window->x = (p % 16) * 80;
            window->y = (p / 16 % 12) * 60;
            window->width = 80;
            window->height = 60;
            auto *item = new QVLedMediaObject;
            item->kind = MediaKind::SimpleText;
            item->id = ++id;
            item->displayName = name;
            item->segmentName = segment->name;
            item->programName = program->name;
            item->windowName = window->name;
            window->media << item;
            program->windows << window;
        }
        segment->programs << program;
    }
    schedule.displayWindows << displayWindow;
    return schedule.displayWindows.last();
}

inline std::unique_ptr<OwnedSchedule> wide(int programs, int windowsPerProgram = 1)
{
    auto owned = std::make_unique<OwnedSchedule>();
    addDisplayWindow(*owned, QStringLiteral("Display window1"), programs, windowsPerProgram);
    return owned;
}

// The first window of the first program of the first display window.
inline CommonWinObject *firstWindow(OwnedSchedule &owned)
{
    return owned.schedule().displayWindows.first().generalSegments.first()->programs.first()->windows.first();
}

inline bool save(const OwnedSchedule &owned, const QString &path)
{
    QString error;
    return ScheduleFile::save(path, owned.schedule(), &error);
}

} // namespace GeneratedSchedules
