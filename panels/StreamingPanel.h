#pragma once

// The streaming panel: address, volume and play time of a "streaming" item.
// A new address is stored without a new preview; the volume also reaches the
// stream the preview plays, at once and without restarting it.

#include "panels/MediaPanel.h"
#include "panels/controls/PanelTexts.h"

#include <QTime>

class QLineEdit;
class QSlider;
class QTimeEdit;

class StreamingPanel : public MediaPanel
{
    Q_OBJECT

public:
    StreamingPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
    void fill(QVLedMediaObject *item) override { updateStreamingProperty(item); }
    void updateStreamingProperty(QVLedMediaObject *item);

public slots:
    void slotStreamingUrlChange(const QString &address);
    void slotStreamingVolumeChanged(int volume);
    void slotStreamingTimeLength(const QTime &time);

signals:
    // The operator moved the volume while the current display window does
    // not play: the preview's stream takes it now.
    void sigLiveVolumeChanged(int volume);

private:
    PanelTexts m_texts{"StreamingPanel"};
    QLineEdit *m_addressEdit = nullptr;
    QSlider *m_volumeSlider = nullptr;
    QTimeEdit *m_timeLengthEdit = nullptr;
};
