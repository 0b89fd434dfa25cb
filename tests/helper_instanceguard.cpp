// A second process for the platform tests.
//   helper_instanceguard KEY [FOLDER]
//     holds the single-instance guard of KEY (its lock in FOLDER, else in
//     the user's own lock folder) so that tests can run a second instance
//     against it and kill it: prints "acquired" and sleeps until killed (a
//     minute at most), or prints "refused: " and the reason and exits 1.
//   helper_instanceguard --end-own-image
//     asks to end every process with its own image name and prints how many
//     were signalled; it must survive to print it.

#include "platform/InstanceGuard.h"
#include "platform/ProcessControl.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2 && arguments.size() != 3) {
        std::fprintf(stderr, "usage: helper_instanceguard KEY [FOLDER] | --end-own-image\n");
        return 2;
    }
    if (arguments.value(1) == QLatin1String("--end-own-image")) {
        const QString ownImage = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        std::printf("%d\n", ProcessControl::endProcessesNamed(ownImage));
        std::fflush(stdout);
        return 0;
    }
    InstanceGuard guard(arguments.value(1), arguments.value(2));
    if (!guard.acquire()) {
        std::printf("refused: %s\n", qPrintable(guard.errorString()));
        std::fflush(stdout);
        return 1;
    }
    std::printf("acquired\n");
    std::fflush(stdout);
    QThread::sleep(60);
    return 0;
}
