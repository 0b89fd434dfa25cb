#pragma once

// The digital clock of an area: the date, the weekday, the time and a fixed
// text, on one line or in rows, in the item's font and colourful pen. It
// reads the time through Clock every 500 ms while its item shows.

#include "playback/content/ClockTexts.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QTime>

class QTimer;

// The date style and the show and format flags (dateStyle, yearOn ... hour12)
// are the clock's members through ClockTexts::DigitalFormat.
class digitalClockWidget : public QLabel, public ClockTexts::DigitalFormat
{
    Q_OBJECT

public:
    explicit digitalClockWidget(QWidget *parent);

    QString fixedText; // a blank, then the item's text
    QColor textColour{255, 0, 0};
    QString fontFamily;
    QFont font;
    int fontSize = 16;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool multiRow = false;
    int timeDiffMode = 0;
    QTime timeDiff;
    int colourful = 0;
    QTimer *tickTimer = nullptr;
    QString amPmText, yearText, monthText, dayText, hourText, minuteText, secondText, weekText, dateLine, timeLine;

    // The item's fixed text (fixedText becomes a blank followed by it).
    void setItemText(const QString &text);
    // The texts the next paint draws: one line, or the rows of multiRow.
    QStringList shownLines() const;

public slots:
    // Reads the time and rebuilds the texts, then repaints.
    void slotTimeout();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_itemText;
};
