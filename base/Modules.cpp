// Finds, opens and remembers the program's modules.

#include "base/Modules.h"

#include "base/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <QPluginLoader>

namespace Modules {

namespace {

struct Entry {
    QObject *root = nullptr;
    QString why; // why it could not be loaded; empty when it was
};

QHash<QString, Entry> &entries()
{
    static QHash<QString, Entry> loaded;
    return loaded;
}

QStringList &testFolders()
{
    static QStringList folders;
    return folders;
}

QString fileNameOf(const QString &name)
{
#ifdef Q_OS_WIN
    return QStringLiteral("qv%1.dll").arg(name);
#else
    return QStringLiteral("libqv%1.so").arg(name);
#endif
}

Entry open(const QString &name)
{
    const QString fileName = fileNameOf(name);
    QString path;
    for (const QString &folder : searchFolders()) {
        if (QFileInfo(folder + QLatin1Char('/') + fileName).isFile()) {
            path = folder + QLatin1Char('/') + fileName;
            break;
        }
    }
    if (path.isEmpty())
        return {nullptr, QStringLiteral("the module %1 is not installed (looked in %2)")
                             .arg(fileName, searchFolders().join(QStringLiteral(", ")))};

    QElapsedTimer clock;
    clock.start();
    // Never unloaded: the objects it made live as long as the program.
    auto *loader = new QPluginLoader(path, QCoreApplication::instance());
    loader->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    QObject *root = loader->instance();
    if (!root)
        return {nullptr, QStringLiteral("the module %1 cannot be loaded: %2").arg(path, loader->errorString())};
    qCInfo(lcShell).noquote() << "loaded the module" << path << "in" << clock.elapsed() << "ms";
    return {root, QString()};
}

} // namespace

QStringList searchFolders()
{
    if (!testFolders().isEmpty())
        return testFolders();
    const QString program = QCoreApplication::applicationDirPath();
    return {program + QStringLiteral("/modules"), QDir::cleanPath(program + QStringLiteral("/../modules")),
            QDir::cleanPath(program + QStringLiteral("/../lib/qvdidudodid"))};
}

QObject *load(const QString &name, QString *why)
{
    auto found = entries().find(name);
    if (found == entries().end()) {
        found = entries().insert(name, open(name));
        if (!found->why.isEmpty())
            qCWarning(lcShell).noquote() << found->why;
    }
    if (why)
        *why = found->why;
    return found->root;
}

bool isLoaded(const QString &name)
{
    return entries().value(name).root != nullptr;
}

void provide(const QString &name, QObject *root)
{
    if (root)
        entries().insert(name, {root, QString()});
    else
        entries().remove(name);
}

void searchOnlyIn(const QStringList &folders)
{
    testFolders() = folders;
    for (auto entry = entries().begin(); entry != entries().end();) {
        if (entry->why.isEmpty())
            ++entry;
        else
            entry = entries().erase(entry);
    }
}

} // namespace Modules
