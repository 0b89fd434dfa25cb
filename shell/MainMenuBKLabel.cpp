#include "shell/MainMenuBKLabel.h"

#include "shell/Widget.h"
#include "shell/menuButton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPixmap>

#include <initializer_list>
#include <utility>

namespace {
menuButton *commandButton(const char *image, const QString &caption, QWidget *row)
{
    return new menuButton(QPixmap(QStringLiteral(":/images/%1.png").arg(QLatin1String(image))), caption, row);
}

// A section is a header line over a row of buttons, 120 pixels per section.
QLabel *makeSection(QLabel *menu, int index, const QString &header)
{
    const int top = 20 + index * 120;
    auto *title = new QLabel(header, menu);
    title->setGeometry(10, top, 360, 32);
    title->setStyleSheet(QStringLiteral("border-bottom:2px solid #696969;color:white;font:14px"));
    auto *row = new QLabel(menu);
    row->setGeometry(10, top + 32, 360, 80);
    return row;
}

void layOut(QLabel *row, std::initializer_list<menuButton *> buttons)
{
    auto *layout = new QHBoxLayout(row);
    for (menuButton *button : buttons)
        layout->addWidget(button);
    layout->addStretch();
    layout->setSpacing(20);
    layout->setContentsMargins(0, 10, 0, 10);
}
} // namespace

MainMenuBKLabel::MainMenuBKLabel(Widget *widget, QWidget *parent) : QLabel(parent), widget(widget)
{
    // A tool window is owned by the main window where the window manager sees
    // it, so it opens above that always-on-top window and off the task bar.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setStyleSheet(QStringLiteral("QLabel {background:#293955}"));
    setFixedSize(380, 520);
    installEventFilter(this);

    QLabel *row = makeSection(this, 0, tr("solution"));
    newButton = commandButton("main_doc", tr("New"), row);
    openButton = commandButton("OpenSolution", tr("Open"), row);
    saveButton = commandButton("SaveSolution", tr("Save"), row);
    saveAsButton = commandButton("SaveSolution", tr("SaveAs"), row);
    layOut(row, {newButton, openButton, saveButton, saveAsButton});
    connect(newButton, &menuButton::sigBtnPressed, widget, &Widget::slotNewDoc);
    connect(openButton, &menuButton::sigBtnPressed, widget, &Widget::slotOpenDoc);
    connect(saveButton, &menuButton::sigBtnPressed, widget, &Widget::slotSaveDoc);
    connect(saveAsButton, &menuButton::sigBtnPressed, widget, &Widget::slotSaveAsDoc);

    row = makeSection(this, 1, tr("control"));
    playButton = commandButton("top_play", tr("play"), row);
    pauseButton = commandButton("top_pause", tr("pause"), row);
    stopButton = commandButton("top_stop", tr("stop"), row);
    layOut(row, {playButton, pauseButton, stopButton});
    connect(playButton, &menuButton::sigBtnPressed, widget, &Widget::slotMenuPlay);
    connect(pauseButton, &menuButton::sigBtnPressed, widget, &Widget::slotMenuPause);
    connect(stopButton, &menuButton::sigBtnPressed, widget, &Widget::slotMenuStop);

    row = makeSection(this, 2, tr("set system"));
    setBootButton = commandButton("sys_setting", tr("SetBoot"), row);
    setPlayButton = commandButton("notepad", tr("SetPlay"), row);
    layOut(row, {setBootButton, setPlayButton});
    connect(setBootButton, &menuButton::sigBtnPressed, widget, &Widget::slotSetBoot);
    connect(setPlayButton, &menuButton::sigBtnPressed, widget, &Widget::slotSetPlay);

    // "help" has no command.
    row = makeSection(this, 3, tr("set system"));
    languageButton = commandButton("language", tr("language"), row);
    helpButton = commandButton("help", tr("help"), row);
    layOut(row, {languageButton, helpButton});
    connect(languageButton, &menuButton::sigBtnPressed, widget, &Widget::slotSetupLanguage);
}

void MainMenuBKLabel::trUpdate()
{
    const std::pair<menuButton *, QString> captions[] = {
        {newButton, tr("New")},         {openButton, tr("Open")},       {saveButton, tr("Save")},
        {saveAsButton, tr("SaveAs")},   {playButton, tr("play")},       {pauseButton, tr("pause")},
        {stopButton, tr("stop")},       {setBootButton, tr("SetBoot")}, {setPlayButton, tr("SetPlay")},
        {languageButton, tr("language")}, {helpButton, tr("help")},
    };
    for (const auto &entry : captions) {
        entry.first->caption = entry.second;
        entry.first->update();
    }
}

bool MainMenuBKLabel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::WindowDeactivate)
        hide();
    return QLabel::eventFilter(watched, event);
}
