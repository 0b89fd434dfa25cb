// The streaming panel: its controls, its filler and its property slots.

#include "panels/StreamingPanel.h"

#include "model/QVLedMediaObject.h"
#include "panels/PanelHost.h"
#include "panels/controls/FillGuard.h"
#include "panels/controls/PanelControls.h"

#include <QLineEdit>
#include <QSlider>

// 200 pixels high when built, 220 once the main window was maximised or restored.
StreamingPanel::StreamingPanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::Streaming, windowPanel, 200, 220)
{
    m_texts.label(this, QT_TR_NOOP("Url Address:"), QRect(10, 4, 100, 26));
    m_addressEdit = new QLineEdit(this);
    m_addressEdit->setObjectName(QStringLiteral("address"));
    m_addressEdit->setGeometry(114, 4, 400, 26);
    connect(m_addressEdit, &QLineEdit::textChanged, this, &StreamingPanel::slotStreamingUrlChange);

    m_texts.label(this, QT_TR_NOOP("Volume:"), QRect(10, 40, 90, 26));
    m_volumeSlider = new QSlider(Qt::Horizontal, this);
    m_volumeSlider->setObjectName(QStringLiteral("volume"));
    m_volumeSlider->setGeometry(104, 40, 400, 26);
    m_volumeSlider->setRange(0, 100);
    connect(m_volumeSlider, &QSlider::valueChanged, this, &StreamingPanel::slotStreamingVolumeChanged);

    m_texts.label(this, QT_TR_NOOP("Play time:"), QRect(10, 70, 90, 26));
    m_timeLengthEdit = PanelControls::timeEdit(this, QRect(104, 70, 90, 26));
    m_timeLengthEdit->setObjectName(QStringLiteral("timeLength"));
    connect(m_timeLengthEdit, &QTimeEdit::timeChanged, this, &StreamingPanel::slotStreamingTimeLength);
}

void StreamingPanel::trUpdate()
{
    m_texts.retranslate();
}

void StreamingPanel::updateStreamingProperty(QVLedMediaObject *item)
{
    if (!item)
        return;
    const FillGuard guard{m_addressEdit, m_volumeSlider, m_timeLengthEdit};
    m_addressEdit->setText(item->streaming.address);
    m_volumeSlider->setValue(item->streaming.volume);
    m_timeLengthEdit->setTime(item->streaming.timeLength);
}

void StreamingPanel::slotStreamingUrlChange(const QString &address)
{
    editCurrent([address](QVLedMediaObject &i) { i.streaming.address = address; }, Preview::Skip);
}

void StreamingPanel::slotStreamingVolumeChanged(int volume)
{
    const bool edited = editCurrentOfKind(
        MediaKindId::Streaming, [volume](QVLedMediaObject &i) { i.streaming.volume = volume; }, Preview::Skip);
    // While the display window plays, only the stored value changes.
    if (edited && !host().curDisplayPlays())
        emit sigLiveVolumeChanged(volume);
}

void StreamingPanel::slotStreamingTimeLength(const QTime &time)
{
    editCurrent([time](QVLedMediaObject &i) { i.streaming.timeLength = time; });
}
