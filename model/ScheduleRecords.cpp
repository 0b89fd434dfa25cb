#include "model/ScheduleRecords.h"

#include "model/KindNames.h"

GeneralObject::GeneralObject() : weekdays(Weekday::allDays()) {}

CycleObject::CycleObject() : weekdays(Weekday::allDays()) {}
