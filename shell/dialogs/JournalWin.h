#pragma once

// The play-log viewer: lists the logged items whose start date lies in a
// range and whose name holds a keyword (literally). Modeless; closing it only
// hides it. Each look-up opens a connection of its own to the play log, so
// it never takes the writers' connections away.

#include "shell/dialogs/FramelessDialog.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QVector>

class QCalendarWidget;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

class JournalWin : public FramelessDialog
{
    Q_OBJECT

public:
    explicit JournalWin(QWidget *parent);

    bool toDateTarget = false; // the calendar fills the to-date (true) or the from-date
    QPushButton *closeButton;
    QLabel *fromLabel;
    QDateEdit *fromDateEdit;
    QPushButton *fromDateButton;
    QLabel *toLabel;
    QDateEdit *toDateEdit;
    QPushButton *toDateButton;
    QLabel *keywordLabel;
    QLineEdit *keywordEdit;
    QLabel *spareLabel;
    QPushButton *lookUpButton;
    QTableWidget *resultTable;
    QCalendarWidget *calendar;

    void clearResult();
    void trUpdate() override;
    // Puts the rows into the table, one table row each, in the order given.
    static constexpr int kColumns = 5;
    void showCells(const QVector<QTableWidgetItem *> &cells);

public slots:
    void slotFindDate();
    void slotFromDate();
    void slotToDate();
    void slotCalenderWinClicked(const QDate &date);

private:
    void openCalendar(bool toDate, QDateEdit *edit, QPushButton *button);
};
