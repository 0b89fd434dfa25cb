// Writes the seed corpus of the schedule fuzz target: the encoded test
// fixtures, one file each, into the folder given.
//   make_seeds FOLDER

#include "fixtures/ScheduleFixtures.h"
#include "model/ScheduleWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = app.arguments().value(1);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    const auto write = [&folder](const QString &name, const ScheduleFixture &seed) {
        QFile file(QDir(folder).filePath(name + QStringLiteral(".qvsc")));
        const QByteArray bytes = ScheduleWriter().encode(seed.records->schedule());
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
            return true;
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    };
    if (!write(QStringLiteral("empty"), Fixtures::emptySchedule())
        || !write(QStringLiteral("structure"), Fixtures::structureSchedule(false))
        || !write(QStringLiteral("every-kind"), Fixtures::structureSchedule(true)))
        return 1;
    return 0;
}
