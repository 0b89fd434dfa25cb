#pragma once

// Reads and writes ".qvsc" files. Saving is atomic: the bytes go to a
// temporary file that replaces the target only when all were written, so a
// failed save leaves the old file as it was.

#include <QString>

#include <memory>

struct Schedule;
class OwnedSchedule;

namespace ScheduleFile {

// True when the whole schedule was written; otherwise *error says why.
bool save(const QString &path, const Schedule &schedule, QString *error);

// The decoded schedule, or null with *error naming the file and what failed.
std::unique_ptr<OwnedSchedule> load(const QString &path, QString *error);

// Files larger than this are refused before they are read.
constexpr qint64 kMaxFileBytes = qint64(256) * 1024 * 1024;

} // namespace ScheduleFile
