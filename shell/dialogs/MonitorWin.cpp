// The monitor window.

#include "shell/dialogs/MonitorWin.h"

#include "platform/ScreenGrabber.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/Widget.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>

MonitorWin::MonitorWin(Widget *mainWindow) : QWidget(mainWindow), mainWindow(mainWindow)
{
    // A dialog window is owned by the main window where the window manager
    // sees it: above that always-on-top window, focused, off the task bar.
    setWindowFlags(Qt::Dialog);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("monitor"));
    resize(328, 248);
    setMinimumSize(328, 248);
    grabTimer.setInterval(50);
    connect(&grabTimer, &QTimer::timeout, this, &MonitorWin::updateLabelImage);
    grabTimer.start();
}

void MonitorWin::addMonitorLabel()
{
    auto *label = new QLabel(this);
    label->setStyleSheet(QStringLiteral("background:black"));
    monitorLabels << label;
}

void MonitorWin::layoutMonitorLabels()
{
    delete labelLayout;
    labelLayout = new QHBoxLayout(this);
    for (QLabel *label : qAsConst(monitorLabels))
        labelLayout->addWidget(label);
    labelLayout->setSpacing(4);
    labelLayout->setContentsMargins(4, 4, 4, 4);
}

void MonitorWin::clearMonitorLabels()
{
    qDeleteAll(monitorLabels);
    monitorLabels.clear();
    delete labelLayout;
    labelLayout = nullptr;
}

void MonitorWin::updateLabelImage()
{
    const QList<MainPlayBKLabel *> &displayWindows = mainWindow->displayWindows;
    // Label i shows display window i; none is grabbed past the end of the list.
    const int count = qMin(monitorLabels.size(), displayWindows.size());
    for (int i = 0; i < count; ++i) {
        QLabel *label = monitorLabels.at(i);
        const MainPlayBKLabel *displayWindow = displayWindows.at(i);
        const QPixmap picture = ScreenGrabber::current().grab(displayWindow->geometry());
        if (picture.isNull())
            continue; // nothing to grab here: the label stays black
        label->setPixmap(
            picture.scaled(label->width(), label->height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
}

void MonitorWin::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int n = monitorLabels.size();
    if (n > 0) {
        for (QLabel *label : qAsConst(monitorLabels))
            label->resize((width() - 4 * n - 4) / n, height() - 8);
    }
    updateLabelImage();
}

void MonitorWin::closeEvent(QCloseEvent *event)
{
    grabTimer.stop();
    clearMonitorLabels();
    QWidget::closeEvent(event);
}
