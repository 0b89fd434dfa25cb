// The layout's font family, mapped to its installed stand-in, gives texts the
// room the layout made for them: the play-log viewer's times and results and
// the panel captions that a wider fall-back family cut or ran into their
// neighbours show whole, in Chinese and in English.

#include "base/AppContext.h"
#include "platform/FontStandIns.h"
#include "playback/PlayLog.h"
#include "playback/dataBaseConn.h"
#include "model/MediaKinds.h"
#include "shell/Widget.h"
#include "shell/dialogs/JournalWin.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QFontInfo>
#include <QLabel>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QtTest>

namespace {

struct Caption
{
    const char *context;
    const char *source;
};

// Captions the fall-back family pushed out of their places.
const Caption kCaptions[] = {
    {"ImagePanel", "Special Effect for going out from the site"},
    {"TextPanel", "Special Effect for going out from the site"},
    {"TextPanel", "Horizontal alignment:"},
    {"TextPanel", "Interval of Cycles:"},
    {"TextPanel", "Rolling Direction:"},
    {"DigitalTimerPanel", "Decrease progressively"},
    {"AnalogClockPanel", "Rectangle"},
};

// Width the text needs beside the width its widget gives it. Labels and check
// or radio buttons ask for their text plus their own parts (indicator,
// margins); a combo box draws the item from one pixel into its edit field
// and clips it at the field's edge.
struct Room
{
    int needed = 0;
    int given = 0;
};

Room roomFor(QWidget *widget, const QString &text)
{
    widget->ensurePolished();
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        const QRect field
            = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        return {combo->fontMetrics().horizontalAdvance(text), field.width() - 1};
    }
    return {widget->sizeHint().width(), widget->width()};
}

// Every widget of the window that shows the text: its caption, or an item of its list.
QList<QWidget *> showing(QWidget *window, const QString &text)
{
    QList<QWidget *> found;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(widget);
        const auto *button = qobject_cast<QAbstractButton *>(widget);
        const auto *combo = qobject_cast<QComboBox *>(widget);
        if ((label && label->text() == text) || (button && button->text() == text)
            || (combo && combo->findText(text) >= 0))
            found << widget;
    }
    return found;
}

QString describe(const QWidget *widget, const QString &text, const Room &room)
{
    return QStringLiteral("%1 \"%2\" needs %3 px, has %4 px")
        .arg(QLatin1String(widget->metaObject()->className()), text)
        .arg(room.needed)
        .arg(room.given);
}

} // namespace

class TextFitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initQvResources();
        // The set-up installs the Noto CJK fonts; without them this is the fault.
        QCOMPARE(FontStandIns::install(), QStringLiteral("Noto Sans CJK SC"));
        AppContext::setApplicationFont();
        QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("Noto Sans CJK SC"));
    }

    void cleanup() { AppContext::reset(); }

    void textsFitTheirPlaces_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Chinese") << 0;
        QTest::newRow("English") << 1;
    }

    void textsFitTheirPlaces()
    {
        QFETCH(int, language);
        TestEnvironment env;
        ScriptedPrompts prompts;
        AppContext::setApplicationFont(); // the environment's reset put the default back
        AppContext::Language = language;
        AppContext::installTranslators();
        PlayLog::setDatabasePath(env.path("log.db"));
        {
            dataBaseConn log(env.path("log.db"));
            const QDateTime begin(QDate(2026, 12, 10), QTime(23, 58, 59, 888));
            for (const bool succeeded : {true, false}) {
                const QStringList r = PlayLog::makeRow(QStringLiteral("a.png"), begin, begin.addSecs(60), succeeded);
                log.insertLog(r.value(0), r.value(1), r.value(2), r.value(3), r.value(4), r.value(5), r.value(6));
            }
        }
        Widget w;
        for (const MediaKindRow &row : MediaKinds::rows())
            w.mediaPanelOf(row.kind); // every media panel, as an operator meets them
        QStringList cut;

        for (const Caption &caption : kCaptions) {
            const QString text = QCoreApplication::translate(caption.context, caption.source);
            const QList<QWidget *> widgets = showing(&w, text);
            QVERIFY2(!widgets.isEmpty(), qPrintable(QStringLiteral("nothing shows \"%1\"").arg(text)));
            for (QWidget *widget : widgets) {
                const Room room = roomFor(widget, text);
                if (room.needed > room.given)
                    cut << describe(widget, text, room);
            }
        }

        w.setVideoProgress(8);
        const QList<QWidget *> position = showing(&w, QStringLiteral("00:00:08"));
        QCOMPARE(position.size(), 1);
        const Room positionRoom = roomFor(position.first(), QStringLiteral("00:00:08"));
        if (positionRoom.needed > positionRoom.given)
            cut << describe(position.first(), QStringLiteral("00:00:08"), positionRoom);

        // the viewer's cells: a whole time to the millisecond, and both results
        JournalWin *journal = w.journalWin();
        journal->fromDateEdit->setDate(QDate(2026, 12, 10));
        journal->toDateEdit->setDate(QDate(2026, 12, 10));
        journal->slotFindDate();
        QTableWidget *table = journal->resultTable;
        QCOMPARE(table->rowCount(), 2);
        QVERIFY(table->item(0, 2)->text().startsWith(QLatin1String("2026-12-10 23:58:59")));
        QAbstractItemView *view = table;
        for (const int column : {2, 3, 4}) {
            const Room room{view->sizeHintForColumn(column), table->columnWidth(column)};
            if (room.needed > room.given)
                cut << describe(table, table->item(0, column)->text(), room);
        }

        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TextFitTest)
#include "test_textfit.moc"
