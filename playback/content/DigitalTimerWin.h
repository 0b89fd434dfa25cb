#pragma once

// The count timer of an area: an LCD that counts down from its length to
// zero, or up from zero to its length, a tenth of a second per tick. The
// count holds at its end, so a tick that comes before the stay time is over
// never turns zero into the day's last tenth.

#include <QColor>
#include <QLCDNumber>
#include <QTime>

class QTimer;

class DigitalTimerWin : public QLCDNumber
{
    Q_OBJECT

public:
    explicit DigitalTimerWin(QWidget *parent);

    QColor numberColour{255, 0, 0};
    QTimer *tickTimer = nullptr; // 100 ms while the item shows
    QTime value;                 // the time shown
    QTime length;
    int countMode = 0; // 0 down, 1 up, other values stand still

    // The text the LCD is given for a time: "HH:mm:ss:z", the milliseconds
    // without trailing zeros, so 4.9 s reads "00:00:04:9".
    static QString lcdText(const QTime &time);
    // The count after one tick from `value`, held within 0 .. length.
    static QTime nextValue(const QTime &value, const QTime &length, int countMode);
    // The background rule of the item's block; the digit colour is added to
    // it, so a tick never wipes the background out.
    void setBackgroundRule(const QString &rule);
    // Shows `value` now, in the digit colour.
    void showValue();

public slots:
    void slotTimeout();

private:
    void applyStyle();

    QString m_backgroundRule;
    QColor m_colourShown; // the style sheet is set again only when it changes
};
