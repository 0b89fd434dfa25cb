// The program starts with none of its heavy back ends: started with an empty
// settings folder, once its main window shows, the process has mapped none
// of the libraries of the table below (each module and the libraries only it
// needs). The program is opened on a virtual display, where each back end
// could start if anything asked for it.

#include "support/X11Desktop.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

// The window's title as the toolkit sets it for window managers (UTF-8).
QByteArray titleOf(xcb_window_t window)
{
    xcb_connection_t *connection = QX11Info::connection();
    xcb_get_property_reply_t *reply
        = xcb_get_property_reply(connection,
                                 xcb_get_property(connection, 0, window, WindowManagerView::atom("_NET_WM_NAME"),
                                                  XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                 nullptr);
    const QByteArray title = reply ? QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                                                xcb_get_property_value_length(reply))
                                   : QByteArray();
    free(reply);
    return title;
}

// True when a viewable top-level window of `pid` is the main window.
bool mainWindowShows(qint64 pid)
{
    xcb_connection_t *connection = QX11Info::connection();
    xcb_query_tree_reply_t *tree
        = xcb_query_tree_reply(connection, xcb_query_tree(connection, WindowManagerView::root()), nullptr);
    if (!tree)
        return false;
    bool found = false;
    const xcb_window_t *children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i) {
        xcb_get_window_attributes_reply_t *attributes
            = xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, children[i]), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        free(attributes);
        found = viewable
                && WindowManagerView::values(children[i], "_NET_WM_PID", XCB_ATOM_CARDINAL).value(0) == quint32(pid)
                && titleOf(children[i]) == "QV LED Player";
    }
    free(tree);
    return found;
}

QStringList mappedLibraries(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QStringList libraries;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash >= 0 && line.contains(".so"))
            libraries << QString::fromLocal8Bit(line.mid(slash).split('/').last());
    }
    libraries.removeDuplicates();
    return libraries;
}

} // namespace

class LazyModulesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QVDIDUDODID_HOME", m_home.path());
        env.insert("QV_TEST_LOCK_FOLDER", m_home.filePath("lock"));
        env.insert("XDG_RUNTIME_DIR", m_home.filePath("run"));
        QDir(m_home.path()).mkpath("run");
        QFile::setPermissions(m_home.filePath("run"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_program.setProcessEnvironment(env);
        m_program.setWorkingDirectory(m_home.path());
        m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_program.start(QStringLiteral(QV_PROGRAM), QStringList());
        QVERIFY(m_program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(mainWindowShows(m_program.processId()) || m_program.state() != QProcess::Running,
                                 30000);
        QCOMPARE(m_program.state(), QProcess::Running);
        QTest::qWait(500); // what the first window's events set off
        m_libraries = mappedLibraries(m_program.processId());
        // The list is read right: the toolkit the window needs is there.
        QVERIFY2(!m_libraries.filter("libQt5Widgets.so").isEmpty(), qPrintable(m_libraries.join(", ")));
    }

    void cleanupTestCase()
    {
        if (m_program.state() == QProcess::Running) {
            ::kill(pid_t(m_program.processId()), SIGTERM);
            m_program.waitForFinished(15000);
        }
    }

    void noHeavyBackEndIsLoadedAtStart_data()
    {
        QTest::addColumn<QString>("library"); // the beginning of a library's file name
        QTest::newRow("web engine") << "libQt5WebEngine";
        QTest::newRow("web module") << "libqvweb.so";
    }

    void noHeavyBackEndIsLoadedAtStart()
    {
        QFETCH(QString, library);
        const QStringList found = m_libraries.filter(QRegularExpression("^" + QRegularExpression::escape(library)));
        QVERIFY2(found.isEmpty(), qPrintable(found.join(", ")));
    }

private:
    QTemporaryDir m_home;
    QProcess m_program;
    QStringList m_libraries;
};

QTEST_MAIN(LazyModulesTest)
#include "test_lazymodules.moc"
