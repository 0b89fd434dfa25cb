#pragma once

// The count-timer panel: background, transparency, counting direction, digit
// colour and the length a "digitalTimer" item counts. Controls carry object
// names after the fields they edit.

#include "panels/MediaPanel.h"
#include "panels/controls/BackgroundChooser.h"
#include "panels/controls/PanelTexts.h"

#include <QColor>
#include <QTime>

class BackgroundRow;
class ColourButton;
class QRadioButton;
class QSlider;
class QTimeEdit;

class DigitalTimerPanel : public MediaPanel
{
    Q_OBJECT

public:
    DigitalTimerPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
    void fill(QVLedMediaObject *item) override { updateDigitalTimerProperty(item); }
    void updateDigitalTimerProperty(QVLedMediaObject *item);

public slots:
    void mSlotdigitalCountTimerBKChange(BackgroundChooser::Choice choice, const QString &picture);
    void slotdigitalCountTimerBKColorSet(const QColor &colour);
    void slotdigitalCountTimerBKImageStyleChange(int index);
    void slotdigitalCountTimerBKTransparent(bool on);
    void slotCountTimerTransparencyChanged(int value);
    // Each stores its direction only when it becomes checked.
    void slotCountTimerDecrease(bool on);
    void slotCountTimerIncrease(bool on);
    void slotdigitalCountTimerNumberColorSet(const QColor &colour);
    void slotdigitalCountTimerLength(const QTime &time);

private:
    PanelTexts m_texts{"DigitalTimerPanel"};
    BackgroundRow *m_background = nullptr;
    QSlider *m_transparencySlider = nullptr;
    QRadioButton *m_decreaseButton = nullptr;
    QRadioButton *m_increaseButton = nullptr;
    ColourButton *m_numberColour = nullptr;
    QTimeEdit *m_lengthEdit = nullptr;
};
