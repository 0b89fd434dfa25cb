#pragma once

// Live pictures of the display windows, side by side, grabbed from the
// desktop every 50 ms. Label i shows display window i of the main window's
// list; a label past the end of that list is left as it is. Closing the
// window destroys it, and its timer with it.

#include <QList>
#include <QTimer>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class Widget;

class MonitorWin : public QWidget
{
    Q_OBJECT

public:
    explicit MonitorWin(Widget *mainWindow);

    QList<QLabel *> monitorLabels;
    QHBoxLayout *labelLayout = nullptr;
    Widget *mainWindow;
    QTimer grabTimer;

    void addMonitorLabel();
    void layoutMonitorLabels();
    void clearMonitorLabels();

public slots:
    void updateLabelImage();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};
