// The play-log viewer.

#include "shell/dialogs/JournalWin.h"

#include "playback/PlayLog.h"
#include "playback/dataBaseConn.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {
const char kDateFormat[] = "yyyy-MM-dd";

QDateEdit *dateEdit(QWidget *parent, int x)
{
    auto *edit = new QDateEdit(QDate::currentDate(), parent);
    edit->setGeometry(x, 42, 130, 26);
    edit->setDisplayFormat(QLatin1String(kDateFormat));
    return edit;
}

QPushButton *calendarButton(QWidget *parent, int x)
{
    auto *button = new QPushButton(parent);
    button->setGeometry(x, 45, 23, 19);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("QPushButton:enabled { border-image: url(:/images/date.png);}"));
    return button;
}
} // namespace

JournalWin::JournalWin(QWidget *parent) : FramelessDialog(parent, QSize(800, 550))
{
    closeButton = new QPushButton(titleLabel());
    closeButton->setGeometry(769, 1, 30, 27);
    closeButton->setCursor(Qt::PointingHandCursor);
    closeButton->setStyleSheet(QStringLiteral("QPushButton:enabled { border-image: url(:/images/close.png);}"
                                              "QPushButton:hover{ border-image: url(:/images/close_on.png); }"));
    fromLabel = new QLabel(this);
    fromLabel->setGeometry(24, 42, 80, 26);
    fromDateEdit = dateEdit(this, 110);
    fromDateButton = calendarButton(this, 240);
    toLabel = new QLabel(this);
    toLabel->setGeometry(270, 42, 80, 26);
    toLabel->setAlignment(Qt::AlignCenter);
    toDateEdit = dateEdit(this, 350);
    toDateButton = calendarButton(this, 480);
    keywordLabel = new QLabel(this);
    keywordLabel->setGeometry(24, 74, 80, 26);
    keywordEdit = new QLineEdit(this);
    keywordEdit->setGeometry(104, 74, 140, 26);
    spareLabel = new QLabel(this);
    spareLabel->setGeometry(450, 74, 200, 26);
    lookUpButton = new QPushButton(this);
    lookUpButton->setGeometry(700, 74, 80, 26);
    lookUpButton->setCursor(Qt::PointingHandCursor);

    resultTable = new QTableWidget(0, kColumns, this);
    resultTable->setGeometry(10, 106, 780, 430);
    const int widths[] = {290, 70, 170, 170, 60};
    for (int column = 0; column < 5; ++column)
        resultTable->setColumnWidth(column, widths[column]);
    resultTable->verticalHeader()->hide();
    resultTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultTable->setSelectionMode(QAbstractItemView::NoSelection);
    resultTable->setStyleSheet(QStringLiteral("gridline-color:white"));

    calendar = new QCalendarWidget(this);
    calendar->setFixedSize(240, 205);
    calendar->setFocusPolicy(Qt::NoFocus);
    // Chinese dates whatever the interface speaks.
    calendar->setLocale(QLocale(QLocale::Chinese, QLocale::China));
    calendar->setHorizontalHeaderFormat(QCalendarWidget::NoHorizontalHeader);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setNavigationBarVisible(true);
    calendar->setStyleSheet(QStringLiteral("background:#dddddd;color:black"));
    calendar->hide();

    connect(calendar, &QCalendarWidget::clicked, this, &JournalWin::slotCalenderWinClicked);
    connect(fromDateButton, &QPushButton::clicked, this, &JournalWin::slotFromDate);
    connect(toDateButton, &QPushButton::clicked, this, &JournalWin::slotToDate);
    connect(closeButton, &QPushButton::clicked, this, &JournalWin::hide);
    connect(lookUpButton, &QPushButton::clicked, this, &JournalWin::slotFindDate);
    trUpdate();
}

void JournalWin::trUpdate()
{
    titleLabel()->setText(tr("Log plat"));
    lookUpButton->setText(tr("Look up"));
    fromLabel->setText(tr("date:  from"));
    toLabel->setText(tr("to"));
    keywordLabel->setText(tr("keyword:"));
    resultTable->setHorizontalHeaderLabels({tr("Name"), tr("Duration"), tr("StartTime"), tr("StopTime"), tr("Result")});
}

void JournalWin::slotFindDate()
{
    const QString to = toDateEdit->date().toString(QLatin1String(kDateFormat));
    const QString from = fromDateEdit->date().toString(QLatin1String(kDateFormat));
    clearResult();
    // The cells are made as the rows come, so a large result is never held
    // twice; the table learns of them all at once afterwards.
    QVector<QTableWidgetItem *> cells;
    {
        // A connection of its own, closed before the table is filled.
        dataBaseConn connection(PlayLog::databasePath());
        connection.forEachLog(keywordEdit->text(), from, to, [&cells](const QStringList &row) {
            const QString texts[] = {row.value(0), row.value(1), row.value(2) + QLatin1Char(' ') + row.value(4),
                                     row.value(3) + QLatin1Char(' ') + row.value(5), row.value(6)};
            for (const QString &text : texts)
                cells << new QTableWidgetItem(text);
        });
    }
    showCells(cells);
}

void JournalWin::showCells(const QVector<QTableWidgetItem *> &cells)
{
    const int rows = cells.size() / kColumns;
    resultTable->setRowCount(rows);
    {
        // The view learnt of the rows above; telling it of every cell as it
        // is set would cost more than the look-up itself on a large log.
        const QSignalBlocker quiet(resultTable->model());
        for (int i = 0; i < cells.size(); ++i)
            resultTable->setItem(i / kColumns, i % kColumns, cells.at(i));
    }
    resultTable->viewport()->update();
}

void JournalWin::clearResult()
{
    // Removing the rows deletes their items.
    resultTable->setRowCount(0);
}

void JournalWin::openCalendar(bool toDate, QDateEdit *edit, QPushButton *button)
{
    toDateTarget = toDate;
    calendar->setSelectedDate(edit->date());
    calendar->move(button->x(), button->y() + 20);
    calendar->show();
    calendar->raise();
}

void JournalWin::slotFromDate()
{
    openCalendar(false, fromDateEdit, fromDateButton);
}

void JournalWin::slotToDate()
{
    openCalendar(true, toDateEdit, toDateButton);
}

void JournalWin::slotCalenderWinClicked(const QDate &date)
{
    (toDateTarget ? toDateEdit : fromDateEdit)->setDate(date);
    calendar->hide();
}
