// The web-page panel: its controls, its filler and its property slots.

#include "panels/UrlPanel.h"

#include "base/Prompts.h"
#include "model/QVLedMediaObject.h"
#include "panels/PanelHost.h"
#include "panels/controls/FillGuard.h"
#include "panels/controls/PanelControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QSpinBox>

// 200 pixels high when built, 220 once the main window was maximised or restored.
UrlPanel::UrlPanel(PanelHost &host, QWidget *windowPanel) : MediaPanel(host, MediaFamily::Url, windowPanel, 200, 220)
{
    m_texts.label(this, QT_TR_NOOP("Transparency"), QRect(10, 4, 120, 26));
    m_transparencySlider = new QSlider(Qt::Horizontal, this);
    m_transparencySlider->setObjectName(QStringLiteral("transparency"));
    m_transparencySlider->setGeometry(130, 4, 400, 26);
    m_transparencySlider->setRange(0, 10);
    connect(m_transparencySlider, &QSlider::valueChanged, this, &UrlPanel::slotUrlTransparencyChanged);

    m_texts.label(this, QT_TR_NOOP("Url Address:"), QRect(10, 40, 120, 26));
    m_addressEdit = new QLineEdit(this);
    m_addressEdit->setObjectName(QStringLiteral("address"));
    m_addressEdit->setGeometry(130, 40, 370, 26);
    connect(m_addressEdit, &QLineEdit::textChanged, this, &UrlPanel::slotUrlAddressChange);
    m_localButton = m_texts.button<QPushButton>(this, QT_TR_NOOP("Local Url"), QRect(504, 40, 90, 26));
    connect(m_localButton, &QPushButton::clicked, this, &UrlPanel::slotOpenLocalUrl);

    // The page's position is kept in the item but never offered: its controls stay hidden.
    m_texts.label(this, QT_TR_NOOP("Show Position:"), QRect(10, 70, 120, 26))->hide();
    auto *xCaption = new QLabel(QStringLiteral("X"), this);
    xCaption->setGeometry(130, 70, 26, 26);
    xCaption->hide();
    m_posXSpin = positionSpin(QRect(160, 70, 70, 26));
    m_posXSpin->setObjectName(QStringLiteral("posX"));
    connect(m_posXSpin, QOverload<int>::of(&QSpinBox::valueChanged), this, &UrlPanel::sloturlPosXChanged);
    auto *yCaption = new QLabel(QStringLiteral("Y"), this);
    yCaption->setGeometry(234, 70, 26, 26);
    yCaption->hide();
    m_posYSpin = positionSpin(QRect(260, 70, 70, 26));
    m_posYSpin->setObjectName(QStringLiteral("posY"));
    connect(m_posYSpin, QOverload<int>::of(&QSpinBox::valueChanged), this, &UrlPanel::sloturlPosYChanged);

    auto *playTimeCaption = new QLabel(QStringLiteral("Play time:"), this); // a caption that is never translated
    playTimeCaption->setGeometry(10, 100, 120, 26);
    m_playTimeEdit = PanelControls::timeEdit(this, QRect(130, 100, 90, 26));
    m_playTimeEdit->setObjectName(QStringLiteral("playTime"));
    connect(m_playTimeEdit, &QTimeEdit::timeChanged, this, &UrlPanel::slotUrlPlayTimeLength);
}

QSpinBox *UrlPanel::positionSpin(const QRect &geometry)
{
    auto *spin = new QSpinBox(this);
    spin->setGeometry(geometry);
    spin->setRange(0, 5000);
    spin->hide();
    return spin;
}

void UrlPanel::trUpdate()
{
    m_texts.retranslate();
}

void UrlPanel::updateUrlProperty(QVLedMediaObject *item)
{
    if (!item)
        return;
    const FillGuard guard{m_transparencySlider, m_addressEdit, m_playTimeEdit};
    m_transparencySlider->setValue(item->url.transparency);
    m_addressEdit->setText(item->url.address);
    m_playTimeEdit->setTime(item->url.playTime);
}

QString UrlPanel::pageFilter(const QString &translated)
{
#ifdef Q_OS_WIN
    return translated;
#else
    QString filter = translated;
    return filter.replace(QRegularExpression(QStringLiteral(";\\s*")), QStringLiteral(" "));
#endif
}

void UrlPanel::slotUrlTransparencyChanged(int value)
{
    editCurrent([value](QVLedMediaObject &i) { i.url.transparency = value; }, Preview::Skip);
}

void UrlPanel::slotUrlAddressChange(const QString &address)
{
    editCurrent([address](QVLedMediaObject &i) { i.url.address = address; }, Preview::Skip);
}

void UrlPanel::slotOpenLocalUrl()
{
    if (!host().curMedia())
        return;
    const QString path = Prompts::current().openFileName(host().dialogParent(), tr("Open"), QString(),
                                                         pageFilter(tr("web file(*.html;*.htm;*.url)")));
    if (path.isEmpty())
        return;
    editCurrent([path](QVLedMediaObject &i) { i.url.address = path; }, Preview::Skip);
    m_addressEdit->setText(path);
}

void UrlPanel::sloturlPosXChanged(int x)
{
    editCurrent([x](QVLedMediaObject &i) { i.url.posX = x; }, Preview::Skip);
}

void UrlPanel::sloturlPosYChanged(int y)
{
    editCurrent([y](QVLedMediaObject &i) { i.url.posY = y; }, Preview::Skip);
}

void UrlPanel::slotUrlPlayTimeLength(const QTime &time)
{
    editCurrent([time](QVLedMediaObject &i) { i.url.playTime = time; });
}
