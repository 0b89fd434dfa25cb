#include "resources/QvResources.h"

#include <QtTest>
#include <QImage>
#include <QPixmap>

// The compiled-in images that the main window, its title strip, tool strip
// and main menu load by path.
class ResourcesTest : public QObject
{
    Q_OBJECT

private:
    static bool hasVisiblePixels(const QImage& image)
    {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x)
                if (qAlpha(argb.pixel(x, y)) > 0)
                    return true;
        return false;
    }

private slots:
    void initTestCase()
    {
        initQvResources();
    }

    void imageLoadsAtItsSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");

        const QSize titleButton(30, 27);
        for (const char* name : {"min.png", "min_on.png", "max.png", "max_on.png", "restore.png",
                                 "restore_on.png", "close.png", "close_on.png"})
            QTest::newRow(name) << QString::fromLatin1(name) << titleButton;

        const QSize icon(32, 32);
        for (const char* name : {"QuorvaneLogo.png", "main_menu.png", "main_video.png", "main_back.png",
                                 "main_extend.png", "main_lock.png", "main_hide.png", "top_play.png",
                                 "top_pause.png", "top_stop.png", "main_doc.png", "OpenSolution.png",
                                 "SaveSolution.png", "sys_setting.png", "notepad.png", "language.png",
                                 "help.png"})
            QTest::newRow(name) << QString::fromLatin1(name) << icon;

        QTest::newRow("app_icon.png") << QStringLiteral("app_icon.png") << QSize(64, 64);

        // the panels' buttons and the tree's program and window icon
        const QSize panelButton(30, 30);
        for (const char* name : {"copy_on.png", "paste_on.png", "delete_on.png", "up_on.png", "down_on.png",
                                 "add_on.png", "clear_on.png", "disconnect.png", "add_time.png", "edit_time.png",
                                 "del_time.png"})
            QTest::newRow(name) << QString::fromLatin1(name) << panelButton;
        QTest::newRow("date.png") << QStringLiteral("date.png") << QSize(23, 19); // the calendar buttons' size
    }

    void imageLoadsAtItsSize()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);

        const QPixmap pixmap(QStringLiteral(":/images/") + name);
        QVERIFY2(!pixmap.isNull(), qPrintable(name));
        QCOMPARE(pixmap.size(), size);
        // a render that failed leaves a fully transparent image
        QVERIFY2(hasVisiblePixels(pixmap.toImage()), qPrintable(name));
    }

    void hoverLookDiffersFromIdle_data()
    {
        QTest::addColumn<QString>("button");
        for (const char* button : {"min", "max", "restore", "close"})
            QTest::newRow(button) << QString::fromLatin1(button);
    }

    void hoverLookDiffersFromIdle()
    {
        QFETCH(QString, button);

        const QImage idle(QStringLiteral(":/images/%1.png").arg(button));
        const QImage hover(QStringLiteral(":/images/%1_on.png").arg(button));
        QVERIFY(!idle.isNull() && !hover.isNull());
        QVERIFY2(idle.convertToFormat(QImage::Format_ARGB32) != hover.convertToFormat(QImage::Format_ARGB32),
                 qPrintable(button));
    }
};

QTEST_MAIN(ResourcesTest)
#include "test_resources.moc"
