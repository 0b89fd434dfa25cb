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

    auto *playTimeCaption = new QLabel(QStringLiteral("Play time:"), this); // a caption that is never translated
    playTimeCaption->setGeometry(10, 100, 120, 26);
    m_playTimeEdit = PanelControls::timeEdit(this, QRect(130, 100, 90, 26));
    m_playTimeEdit->setObjectName(QStringLiteral("playTime"));
    connect(m_playTimeEdit, &QTimeEdit::timeChanged, this, &UrlPanel::slotUrlPlayTimeLength);
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

void UrlPanel::slotUrlPlayTimeLength(const QTime &time)
{
    editCurrent([time](QVLedMediaObject &i) { i.url.playTime = time; });
}
