// Modules: found in the program's module folders, opened once, sharing the
// program's own objects; a missing, broken or foreign module is a reason,
// never a crash.

#include "base/AppContext.h"
#include "base/Modules.h"
#include "support/ProbeModule.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class ModulesTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Modules::searchOnlyIn({}); }

    void aModuleIsOpenedOnceAndSharesTheProgramsObjects()
    {
        QVERIFY(!Modules::isLoaded(QStringLiteral("probe")));
        QString why;
        auto *probe = Modules::instance<ProbeModule>(QStringLiteral("probe"), &why);
        QVERIFY2(probe, qPrintable(why));
        QVERIFY(why.isEmpty());
        QVERIFY(Modules::isLoaded(QStringLiteral("probe")));
        QCOMPARE(Modules::instance<ProbeModule>(QStringLiteral("probe")), probe);

        // The module reads the program's value, not a copy of its own.
        AppContext::appDirPath = QStringLiteral("/settings/of/this/run");
        QCOMPARE(probe->programFolder(), AppContext::appDirPath);
    }

    void whatCannotBeLoadedSaysWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("reasonHas");
        QTest::newRow("missing") << "absent" << QByteArray() << "is not installed";
        QTest::newRow("not a library") << "garbage" << QByteArray("\x7f" "ELF but not really", 20)
                                       << "cannot be loaded";
        QTest::newRow("empty file") << "empty" << QByteArray(1, '\0') << "cannot be loaded";
    }
    void whatCannotBeLoadedSaysWhy()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reasonHas);
        QTemporaryDir folder;
        if (!content.isEmpty()) {
            QFile file(folder.filePath(QStringLiteral("libqv%1.so").arg(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        Modules::searchOnlyIn({folder.path()});
        QString why;
        QVERIFY(!Modules::load(name, &why));
        QVERIFY2(why.contains(reasonHas), qPrintable(why));
        QVERIFY2(why.contains(QStringLiteral("libqv%1.so").arg(name)), qPrintable(why));
        // Asked again, the same answer, without a second attempt's surprises.
        QString again;
        QVERIFY(!Modules::load(name, &again));
        QCOMPARE(again, why);
    }

    void aModuleThatNeedsWhatTheProgramLacksIsRefusedWhenOpened()
    {
        // Refused at once, not when play first calls into it.
        QString why;
        QVERIFY(!Modules::instance<ProbeModule>(QStringLiteral("unfit"), &why));
        QVERIFY2(why.contains(QStringLiteral("functionNoProgramHas")), qPrintable(why));
    }

    void aModuleOfAnotherKindIsRefused()
    {
        // The probe is not what a web module would have to be.
        QString why;
        QVERIFY(!Modules::instance<QAbstractItemModel>(QStringLiteral("probe"), &why));
        QVERIFY(why.contains(QStringLiteral("does not provide")));
    }

    void aProvidedObjectStandsForTheModule()
    {
        QObject stand;
        Modules::provide(QStringLiteral("stand"), &stand);
        QCOMPARE(Modules::load(QStringLiteral("stand")), &stand);
        Modules::provide(QStringLiteral("stand"), nullptr);
        QVERIFY(!Modules::isLoaded(QStringLiteral("stand")));
    }
};

QTEST_GUILESS_MAIN(ModulesTest)
#include "test_modules.moc"
