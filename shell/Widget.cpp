// The main window's frame: construction, the two layouts, folding,
// dragging and painting.

#include "shell/Widget.h"

#include "shell/Prodoc.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/ScheduleRecords.h"
#include "playback/MainPlayBKLabel.h"
#include "base/AppContext.h"
#include "shell/MainMenuBKLabel.h"
#include "shell/Settings.h"
#include "shell/WidgetPanelHost.h"
#include "panels/PropertyPanel.h"
#include "shell/WindowDrag.h"
#include "shell/menuButton.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QNetworkAccessManager>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr int kNormalWidth = 1024;
constexpr int kNormalHeight = 715;
constexpr int kTitleHeight = 32;
constexpr int kToolBarHeight = 62;
constexpr int kMenuGap = 11; // the menu hangs ten pixels under the tool strip

QString frameButtonStyle(const char *image)
{
    return QStringLiteral("QPushButton:enabled { border-image: url(:/images/%1.png);}"
                          "QPushButton:hover{ border-image: url(:/images/%1_on.png); }")
        .arg(QLatin1String(image));
}
} // namespace

QString Widget::displayWindowName(int number)
{
    return tr("Display window") + QString::number(number);
}

Widget::Widget(QWidget *parent) : QLabel(parent)
{
    setWindowTitle(QStringLiteral("QV LED Player"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowStaysOnTopHint);
    setMinimumSize(kNormalWidth, kNormalHeight);
    resize(kNormalWidth, kNormalHeight);
    move((AppContext::screenWidth - width()) / 2, (AppContext::screenHeight - height()) / 2);
    setAttribute(Qt::WA_TranslucentBackground);

    buildTitleBar();
    buildToolBar();
    mainMenu = new MainMenuBKLabel(this, this);
    moveMainMenuUnderToolBar();
    mainMenu->hide();
    buildWorkArea();
    networkManager = new QNetworkAccessManager(this);
    initWeather();
    m_panelHost = std::make_unique<WidgetPanelHost>(*this);
    initScheduleSetupLabel();
    treeHolder = new QLabel(treeArea);
    treeHolder->setStyleSheet(QStringLiteral("QLabel{border:0px solid #e6e6e6;background:transparent}"));
    treeHolder->setGeometry(3, 45, 294, treeArea->height() - 49);
    document = new Prodoc(this);
    createFirstDisplayWindow();
    trUpdate();
}

Widget::~Widget()
{
    // The trees free their records; nothing may point into them meanwhile.
    clearSelectionInto();
    qDeleteAll(playWinObjects);
    playWinObjects.clear();
    qDeleteAll(displayWindows);
    displayWindows.clear();
    // The panels ask their host while they live: they go before it does
    m_mediaPanels.clear();
    // (the media panels and the media table go with the window panel).
    qDeleteAll(workArea->findChildren<PropertyPanel *>(QString(), Qt::FindDirectChildrenOnly));
    m_segmentPanel = nullptr;
    m_timingSegmentPanel = nullptr;
    m_programPanel = nullptr;
    m_windowPanel = nullptr;
    m_mediaTable = nullptr;
}

void Widget::buildTitleBar()
{
    titleBar = new QLabel(this);
    titleBar->setFixedSize(width(), kTitleHeight);
    titleBar->move(0, 0);
    titleBar->setStyleSheet(QStringLiteral("QLabel {background:transparent;color:white;font:14px}"));
    titleBar->setText(QStringLiteral("          QV LED Player 1.0.5"));
    logoLabel = new QLabel(titleBar);
    logoLabel->setGeometry(2, 0, 32, 32);
    logoLabel->setPixmap(QPixmap(QStringLiteral(":/images/QuorvaneLogo.png")));

    auto frameButton = [this](const char *image, const QString &tip) {
        auto *button = new QPushButton(titleBar);
        button->setFixedSize(30, 27);
        button->setCursor(Qt::PointingHandCursor);
        button->setToolTip(tip);
        button->setStyleSheet(frameButtonStyle(image));
        return button;
    };
    minimizeButton = frameButton("min", tr("minimization"));
    maximizeButton = frameButton("max", tr("maximization"));
    restoreButton = frameButton("restore", tr("restore"));
    closeButton = frameButton("close", tr("close"));
    const int w = titleBar->width();
    closeButton->move(w - 34, 1);
    maximizeButton->move(w - 64, 1);
    restoreButton->move(w - 64, 1);
    minimizeButton->move(w - 94, 1);
    restoreButton->hide();
    connect(closeButton, &QPushButton::clicked, this, &Widget::slotClose);
    connect(minimizeButton, &QPushButton::clicked, this, &Widget::showMinimized);
    connect(maximizeButton, &QPushButton::clicked, this, &Widget::slotShowMaximized);
    connect(restoreButton, &QPushButton::clicked, this, &Widget::slotResume);
}

void Widget::buildToolBar()
{
    toolBar = new QLabel(this);
    toolBar->setGeometry(0, kTitleHeight, width(), kToolBarHeight);
    auto tool = [this](const char *image, const QString &caption) {
        return new menuButton(QPixmap(QStringLiteral(":/images/%1.png").arg(QLatin1String(image))), caption,
                              toolBar);
    };
    menuToolButton = tool("main_menu", tr("menu"));
    monitorButton = tool("main_video", tr("monitor"));
    backstageButton = tool("main_back", tr("background"));
    winUpButton = tool("main_extend", tr("win-up"));
    lockButton = tool("main_lock", tr("winlock"));
    hideButton = tool("main_hide", tr("winhide"));
    playButton = tool("top_play", tr("play"));
    stopButton = tool("top_stop", tr("stop"));
    auto *row = new QHBoxLayout(toolBar);
    for (menuButton *button : {menuToolButton, monitorButton, backstageButton, winUpButton, lockButton, hideButton,
                               playButton, stopButton})
        row->addWidget(button);
    row->addStretch();
    row->setSpacing(0);
    row->setContentsMargins(0, 0, 0, 0);

    connect(menuToolButton, &menuButton::sigBtnPressed, this, &Widget::slotShowMainMenu);
    connect(winUpButton, &menuButton::sigBtnPressed, this, &Widget::slotWinup);
    connect(hideButton, &menuButton::sigBtnPressed, this, &Widget::slotWinHide);
    connect(playButton, &menuButton::sigBtnPressed, this, &Widget::slotOverallPlay);
    connect(stopButton, &menuButton::sigBtnPressed, this, &Widget::slotOverallStop);
    connect(lockButton, &menuButton::sigBtnPressed, this, &Widget::slotOverallLock);
    connect(monitorButton, &menuButton::sigBtnPressed, this, &Widget::slotMonitor);
    connect(backstageButton, &menuButton::sigBtnPressed, this, &Widget::slotBackstage);
}

void Widget::buildWorkArea()
{
    workArea = new QLabel(this);
    workArea->setStyleSheet(QStringLiteral("QLabel {background:#fafafa;}"));
    workArea->setGeometry(1, kTitleHeight + kToolBarHeight, width() - 2, height() - 134);
    tabRow = new QLabel(workArea);
    tabRow->setStyleSheet(QStringLiteral("QLabel{background: #e6e6e6;}"));
    tabRow->setGeometry(6, 6, workArea->width() - 12, 40);
    treeArea = new QLabel(workArea);
    treeArea->setStyleSheet(QStringLiteral("QLabel{border:2px solid #e6e6e6;}"));
    treeArea->setGeometry(6, 50, 300, workArea->height() - 56);
    treeHeader = new QLabel(treeArea);
    treeHeader->setGeometry(3, 3, 294, 40);
    treeHeader->setStyleSheet(QStringLiteral("QLabel{background: #e6e6e6;}"));
}

int Widget::treePanelHeight() const
{
    return treeArea->height() - 55;
}

void Widget::moveMainMenuUnderToolBar()
{
    if (mainMenu)
        mainMenu->move(x(), y() + kTitleHeight + kToolBarHeight - 1 + kMenuGap);
}

void Widget::layoutWorkArea()
{
    titleBar->setFixedSize(width(), kTitleHeight);
    const int w = titleBar->width();
    closeButton->move(w - 34, 1);
    maximizeButton->move(w - 64, 1);
    restoreButton->move(w - 64, 1);
    minimizeButton->move(w - 94, 1);
    toolBar->setGeometry(0, kTitleHeight, width(), kToolBarHeight);
    workArea->setGeometry(1, kTitleHeight + kToolBarHeight, width() - 2, height() - 134);
    moveMainMenuUnderToolBar();
    tabRow->setGeometry(6, 6, workArea->width() - 12, 40);
    treeArea->setGeometry(6, 50, 300, workArea->height() - 56);
    treeHeader->setGeometry(3, 3, 294, 40);
    treeHolder->setGeometry(3, 45, 294, treeArea->height() - 49);
    for (ProjectWidget *panel : qAsConst(projectWidgets)) {
        panel->setFixedSize(294, treePanelHeight());
        panel->tree()->setFixedSize(294, treePanelHeight());
    }
    relayoutPanels();
    update();
}

void Widget::slotResume()
{
    maximizeButton->show();
    restoreButton->hide();
    setFixedSize(kNormalWidth, kNormalHeight);
    move((AppContext::screenWidth - kNormalWidth) / 2, (AppContext::screenHeight - kNormalHeight) / 2);
    maximized = false;
    layoutWorkArea();
}

void Widget::slotShowMaximized()
{
    // These panels keep the place they were built in, the normal one.
    segmentSetupLabel();
    timingSegmentSetupLabel();
    programSetupLabel();
    move(0, 0);
    setFixedSize(AppContext::screenWidth, AppContext::availableHeight);
    maximizeButton->hide();
    restoreButton->show();
    maximized = true;
    layoutWorkArea();
}

void Widget::slotWinup()
{
    // The state is read from the maximise button: shown in the normal layout only.
    const bool normalState = !maximizeButton->isHidden();
    const int fullWidth = normalState ? kNormalWidth : AppContext::screenWidth;
    const int fullHeight = normalState ? kNormalHeight : AppContext::availableHeight;
    if (!workArea->isHidden()) {
        const int folded = fullHeight - workArea->height();
        workArea->hide();
        setFixedSize(fullWidth, folded);
        winUpButton->caption = tr("win-show");
    } else {
        workArea->show();
        setFixedSize(fullWidth, fullHeight);
        winUpButton->caption = tr("win-up");
    }
    winUpButton->update();
}

void Widget::slotShowMainMenu()
{
    if (!mainMenu)
        return;
    // Raised and active, so that it hides again as soon as it loses activation.
    mainMenu->show();
    mainMenu->raise();
    mainMenu->activateWindow();
}

void Widget::slotRaiseWindow()
{
    showMinimized();
    showNormal();
    raise();
}

void Widget::mousePressEvent(QMouseEvent *event)
{
    WindowDrag::press(event, dragging, dragOffset);
}

void Widget::mouseMoveEvent(QMouseEvent *event)
{
    // The maximised window stays where it is.
    if (!maximized && WindowDrag::move(this, event, dragging, dragOffset))
        moveMainMenuUnderToolBar();
}

void Widget::mouseReleaseEvent(QMouseEvent *event)
{
    WindowDrag::release(dragging);
    event->accept();
}

void Widget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(41, 57, 85));
    painter.setPen(Qt::transparent);
    painter.drawRoundedRect(QRectF(0, 0, width(), height()), 6.0, 6.0);
}

void Widget::closeEvent(QCloseEvent *event)
{
    writeCloseType(QStringLiteral("normal"));
    event->accept();
}
