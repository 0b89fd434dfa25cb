#pragma once

// One area of a display window: the rectangle of a window record. In real
// play it shows the window's media items one after another, each for its
// stay time, logs every item it finished and tells its display window when
// the list has run out. In the editor it is dragged and resized with the mouse.

#include <QColor>
#include <QDateTime>
#include <QLabel>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QTimer>

class CommonWinObject;
class MainPlayBKLabel;
class QVLedMediaObject;
class writeLogThread;

class CommonPlayWindow : public QLabel
{
    Q_OBJECT

public:
    CommonPlayWindow(CommonWinObject *window, MainPlayBKLabel *owner);

    CommonWinObject *winObject = nullptr; // not owned
    MainPlayBKLabel *owner = nullptr;
    QString segmentType;
    QColor borderColour;
    int borderWidth = 0;
    bool selected = false;
    bool borderEnabled = false;

    // ---- real play ------------------------------------------------------
    QList<QVLedMediaObject *> mediaList; // not owned: the tree owns the items
    int index = 0;
    bool finished = false;
    bool paused = false;
    QString currentKind;
    QVLedMediaObject *currentItem = nullptr;
    QString logName;

    void startRealPlay();
    void pauseRealPlay();
    void resumeRealPlay();
    void clearPlayList();
    void playCurrentElement();
    void playNextElement();
    // How long the item stays, in milliseconds (never less than a second).
    static int stayMs(const QVLedMediaObject &item);
    // The name the play log gives the item.
    static QString logNameOf(const QVLedMediaObject &item);
    // Time the current item has been shown, pauses left out.
    qint64 elapsedMs() const;
    QTimer *stayTimer() { return &m_stayTimer; }

    // ---- mouse editing --------------------------------------------------
    bool pressed = false;
    bool moving = false;
    QPoint pressPoint;
    QPoint pressGlobalPoint;
    int edgeMargin = 10;
    int resizeRegion = 0;
    QRect geometryAtPress;

    // Places the content inside the border.
    void relayoutChildren();

public slots:
    void slotStopAllTimer();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void onStayTimeout();

    QTimer m_stayTimer;
    QDateTime m_itemStart;    // when the current item began
    QDateTime m_runningSince; // start of the current run (item start or last resume)
    qint64 m_elapsedBeforePause = 0;
    writeLogThread *m_logWriter = nullptr;
};
