// The play-log viewer on a play log of its own.

#include "base/AppContext.h"
#include "playback/PlayLog.h"
#include "playback/dataBaseConn.h"
#include "shell/Widget.h"
#include "shell/dialogs/JournalWin.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

QStringList row(const QString &name, const QString &beginDate, const QString &endDate)
{
    return {name, "15", beginDate, endDate, "14:04:54:100", "14:05:09:250", "success"};
}

QStringList column(const QTableWidget *table, int column)
{
    QStringList texts;
    for (int r = 0; r < table->rowCount(); ++r)
        texts << (table->item(r, column) ? table->item(r, column)->text() : QString());
    return texts;
}

void lookUp(JournalWin *journal, const QString &keyword, const QDate &from, const QDate &to)
{
    journal->keywordEdit->setText(keyword);
    journal->fromDateEdit->setDate(from);
    journal->toDateEdit->setDate(to);
    journal->lookUpButton->click();
}

} // namespace

class JournalTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { AppContext::reset(); }

    void lookUps_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("names");
        const QDate d10(2024, 3, 10), d11(2024, 3, 11), d12(2024, 3, 12);
        QTest::newRow("empty keyword, all days")
            << "" << d10 << d12 << QStringList{"sea.png", "it's 100%.txt", "100 m.mp4", "night.mp4"};
        QTest::newRow("a quote in the keyword") << "it's" << d10 << d12 << QStringList{"it's 100%.txt"};
        QTest::newRow("% is a percent sign") << "100%" << d10 << d12 << QStringList{"it's 100%.txt"};
        QTest::newRow("from after to") << "" << d12 << d10 << QStringList{};
        QTest::newRow("from = to") << "" << d11 << d11 << QStringList{"it's 100%.txt", "100 m.mp4"};
        // the range holds the start date only: begun on the 9th, ended on the 10th
        QTest::newRow("begun before the range") << "late" << d10 << d12 << QStringList{};
    }

    void lookUps()
    {
        QFETCH(QString, keyword);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QStringList, names);
        TestEnvironment env;
        ScriptedPrompts prompts;
        PlayLog::setDatabasePath(env.path("log.db"));
        {
            dataBaseConn log(env.path("log.db"));
            for (const QStringList &r :
                 {row("sea.png", "2024-03-10", "2024-03-10"), row("it's 100%.txt", "2024-03-11", "2024-03-11"),
                  row("100 m.mp4", "2024-03-11", "2024-03-11"), row("night.mp4", "2024-03-12", "2024-03-13"),
                  row("late show.mp4", "2024-03-09", "2024-03-10")})
                log.insertLog(r.value(0), r.value(1), r.value(2), r.value(3), r.value(4), r.value(5), r.value(6));
        }
        Widget w;
        w.slotSetPlay();
        QVERIFY(w.journalWin()->isVisible());
        lookUp(w.journalWin(), keyword, from, to);
        QCOMPARE(column(w.journalWin()->resultTable, 0), names);
        if (!names.isEmpty()) {
            QCOMPARE(w.journalWin()->resultTable->columnCount(), 5);
            QCOMPARE(w.journalWin()->resultTable->item(0, 1)->text(), QStringLiteral("15"));
            QVERIFY(w.journalWin()->resultTable->item(0, 2)->text().endsWith(QLatin1String(" 14:04:54:100")));
            QCOMPARE(w.journalWin()->resultTable->item(0, 4)->text(), QStringLiteral("success"));
        }

        // opening again empties the table but keeps what the operator asked for
        w.journalWin()->hide();
        w.slotSetPlay();
        QCOMPARE(w.journalWin()->resultTable->rowCount(), 0);
        QCOMPARE(w.journalWin()->keywordEdit->text(), keyword);
        QCOMPARE(w.journalWin()->fromDateEdit->date(), from);
        QCOMPARE(w.journalWin()->toDateEdit->date(), to);
    }

    void theCalendarWritesTheEditItWasOpenedFor()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        Widget w;
        JournalWin *journal = w.journalWin();
        journal->show();
        QCOMPARE(journal->calendar->locale().language(), QLocale::Chinese);
        journal->fromDateEdit->setDate(QDate(2024, 1, 5));
        journal->toDateEdit->setDate(QDate(2024, 2, 5));

        journal->fromDateButton->click();
        QVERIFY(journal->calendar->isVisible());
        QCOMPARE(journal->calendar->selectedDate(), QDate(2024, 1, 5));
        QCOMPARE(journal->calendar->pos(), journal->fromDateButton->pos() + QPoint(0, 20));
        emit journal->calendar->clicked(QDate(2024, 1, 20));
        QVERIFY(!journal->calendar->isVisible());
        QCOMPARE(journal->fromDateEdit->date(), QDate(2024, 1, 20));
        QCOMPARE(journal->toDateEdit->date(), QDate(2024, 2, 5));

        journal->toDateButton->click();
        QCOMPARE(journal->calendar->selectedDate(), QDate(2024, 2, 5));
        emit journal->calendar->clicked(QDate(2024, 2, 28));
        QCOMPARE(journal->toDateEdit->date(), QDate(2024, 2, 28));
        QCOMPARE(journal->fromDateEdit->date(), QDate(2024, 1, 20));
    }

    // Look-ups while the writer stores a burst of rows: none is lost, none breaks.
    void lookUpsDuringAWriterBurstLoseNoRow()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        PlayLog::setDatabasePath(env.path("log.db"));
        Widget w;
        w.slotSetPlay();
        const QDate day(2024, 5, 1);
        for (int i = 0; i < 200; ++i) {
            PlayLog::enqueue(
                row(QStringLiteral("burst%1.png").arg(i, 3, 10, QLatin1Char('0')), "2024-05-01", "2024-05-01"));
            if (i % 10 == 0) {
                lookUp(w.journalWin(), "burst", day, day);
                QVERIFY(w.journalWin()->resultTable->rowCount() <= i + 1);
            }
        }
        QVERIFY(PlayLog::flush());
        lookUp(w.journalWin(), "burst", day, day);
        QStringList names = column(w.journalWin()->resultTable, 0);
        names.sort();
        QCOMPARE(names.size(), 200);
        QCOMPARE(names.first(), QStringLiteral("burst000.png"));
        QCOMPARE(names.last(), QStringLiteral("burst199.png"));
        PlayLog::shutdown();
    }
};

QTEST_MAIN(JournalTest)
#include "test_journal.moc"
