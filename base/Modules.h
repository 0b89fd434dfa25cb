#pragma once

// The heavy back ends (the web engine, the video players, the camera, the
// PDF renderer) are modules of their own: shared libraries that the program
// opens the first time a schedule or a panel needs one, so a start, and an
// editor that never shows a web page or a video, pays for none of them.
//
// A module is a Qt plugin named "qv<name>" whose root object implements the
// interface its family declares. It is looked for in the folder "modules"
// beside the program, then in "../modules" (the build tree's tests and
// benchmarks), then in "../lib/qvdidudodid" (an installed program in "bin").
// A module is opened once, with every symbol resolved at once, so a module
// that does not fit this program fails here, with its reason, and never later
// in the middle of play. A module that is missing or broken is reported once
// through the logging category; callers show their own message in the editor
// and log the item as failed in play.

#include <QObject>
#include <QString>
#include <QStringList>

namespace Modules {

// The root object of module `name`, loaded on first call; null when it cannot
// be loaded, with the reason in *why (the same reason on every later call).
QObject *load(const QString &name, QString *why = nullptr);

// The module's root object as `Interface`; null when the module cannot be
// loaded or does not implement it.
template <typename Interface>
Interface *instance(const QString &name, QString *why = nullptr)
{
    QObject *root = load(name, why);
    Interface *typed = qobject_cast<Interface *>(root);
    if (root && !typed && why)
        *why = QStringLiteral("the module \"%1\" does not provide what this program asks of it").arg(name);
    return typed;
}

// True once module `name` has been loaded (or provided).
bool isLoaded(const QString &name);

// Where modules are looked for, in order.
QStringList searchFolders();

// Tests: `root` stands for module `name` from now on (null forgets it), and
// no file is opened for it. The caller keeps ownership.
void provide(const QString &name, QObject *root);
// Tests: modules are looked for in `folders` only (empty: the program's own
// folders again), and every module not provided is looked for anew.
void searchOnlyIn(const QStringList &folders);

} // namespace Modules
