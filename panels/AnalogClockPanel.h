#pragma once

// The analog-clock panel: background, dial text, date and weekday lines, time
// offset, stay time and the colours, sizes and shapes of marks and hands.
// Its controls carry object names after the fields they edit (tests find
// them by these names).

#include "panels/MediaPanel.h"
#include "panels/controls/BackgroundChooser.h"
#include "panels/controls/PanelTexts.h"

#include <QColor>
#include <QTime>

class BackgroundRow;
class ColourButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QTabWidget;
class QTimeEdit;

class AnalogClockPanel : public MediaPanel
{
    Q_OBJECT

public:
    AnalogClockPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
    void fill(QVLedMediaObject *item) override { updateAnalogClockProperty(item); }
    // Shows the item's block. A mark size outside 1..10 is shown clamped and
    // stored clamped, so the clock draws what the panel shows.
    void updateAnalogClockProperty(QVLedMediaObject *item);

public slots:
    void mSlotAnalogClockBKChange(BackgroundChooser::Choice choice, const QString &picture);
    void slotAnalogClockBKColorSet(const QColor &colour);
    void slotanalogClockBKImageStyleChange(int index);
    void slotAnalogClockBKTransparent(bool on);
    void slotAnalogClockTextColorSet(const QColor &colour);
    void slotanalogClockTextChange(const QString &text);
    void slotanalogClockDateCheck(bool on);
    void slotAnalogClockDateColorSet(const QColor &colour);
    void slotanalogMonthDayStyleChange(int index);
    void slotanalogClockWeekCheck(bool on);
    void slotAnalogClockWeekColorSet(const QColor &colour);
    void slotanalogClockTimeDiff(int index);
    void slotanalogClockTimeDiffChanged(const QTime &time);
    void slotanalogClockPlayTimeChanged(const QTime &time);
    void slotAnalogClockTimeScaleColorSet(const QColor &colour);
    void slotAnalogClockTimeScaleWChanged(int value);
    void slotAnalogClockTimeScaleHChanged(int value);
    void slotanalogClockTimeScaleShowStyle(int index);
    void slotAnalogClockMScaleColorSet(const QColor &colour);
    void slotAnalogClockMScaleWChanged(int value);
    void slotAnalogClockMScaleHChanged(int value);
    void slotanalogClockMScaleShowStyle(int index);
    void slotAnalogClockHourColorSet(const QColor &colour);
    void slotAnalogClockMinColorSet(const QColor &colour);
    void slotAnalogClockSecColorSet(const QColor &colour);

private:
    void buildDisplayPage(QWidget *page);
    void buildDialPage(QWidget *page);
    void addUnusedFontButton(QWidget *page, const char *caption, const QRect &geometry);
    // The common rule, writing only into an analog-clock item.
    void editClock(const Write &write);

    PanelTexts m_texts{"AnalogClockPanel"};
    QTabWidget *m_tabs = nullptr;
    BackgroundRow *m_background = nullptr;
    ColourButton *m_textColour = nullptr;
    QLineEdit *m_textEdit = nullptr;
    QCheckBox *m_dateBox = nullptr;
    ColourButton *m_dateColour = nullptr;
    QComboBox *m_monthDayBox = nullptr;
    QCheckBox *m_weekBox = nullptr;
    ColourButton *m_weekColour = nullptr;
    QComboBox *m_signBox = nullptr;
    QTimeEdit *m_offsetEdit = nullptr;
    QTimeEdit *m_playTimeEdit = nullptr;
    ColourButton *m_hourMarkColour = nullptr;
    QSpinBox *m_hourMarkWidth = nullptr;
    QSpinBox *m_hourMarkHeight = nullptr;
    QComboBox *m_hourMarkShape = nullptr;
    ColourButton *m_minuteMarkColour = nullptr;
    QSpinBox *m_minuteMarkWidth = nullptr;
    QSpinBox *m_minuteMarkHeight = nullptr;
    QComboBox *m_minuteMarkShape = nullptr;
    ColourButton *m_hourHandColour = nullptr;
    ColourButton *m_minuteHandColour = nullptr;
    ColourButton *m_secondHandColour = nullptr;
};
