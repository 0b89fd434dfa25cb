#pragma once

// The analog clock of an area: hour and minute marks, numbers, three hands,
// a fixed text and optional date and weekday lines, drawn in a 200 x 200
// space scaled to the widget. It reads the time through Clock every 500 ms
// while its item shows.

#include <QColor>
#include <QLabel>
#include <QTime>

class QPainter;
class QTimer;

class AnalogClockWidget : public QLabel
{
    Q_OBJECT

public:
    explicit AnalogClockWidget(QWidget *parent);

    QTimer *tickTimer = nullptr;
    QColor timeScaleColour{0, 255, 0};
    int timeScaleWidth = 5;
    int timeScaleHeight = 5;
    int timeScaleStyle = 0; // 0 rectangle, other values ellipse
    QColor minuteScaleColour{30, 144, 255};
    int minuteScaleWidth = 3;
    int minuteScaleHeight = 3;
    int minuteScaleStyle = 0;
    QTime timeDiff;
    QTime shownTime; // the time the hands show
    int timeDiffMode = 0;
    QString weekText;
    QString dateText;
    QString text;
    QColor hourHandColour{255, 255, 0};
    QColor minuteHandColour{0, 128, 0};
    QColor secondHandColour{255, 0, 0};
    bool dateOn = true;
    bool weekOn = false;
    QColor textColour{255, 0, 0};
    QColor dateColour{255, 255, 255};
    QColor weekColour{255, 255, 255};
    int monthDayStyle = 0;

public slots:
    // Reads the time and the date, then repaints.
    void slotTimeout();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawTexts(QPainter &painter) const;
    void drawMarks(QPainter &painter, int count, int skipEvery, const QColor &colour, int w, int h, int style) const;
    void drawHand(QPainter &painter, const QColor &colour, qreal angle, const QPolygon &shape) const;
};
