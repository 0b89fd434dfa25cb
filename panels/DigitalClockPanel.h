#pragma once

// The digital-clock panel: background, date style, fixed text, font, colours,
// stay time, the parts of date and time shown, their formats and a time
// offset. Each radio pair (year digits, hour form, rows) is a group of its
// own, though all six buttons share a page. Controls carry object names
// after the fields they edit.

#include "panels/MediaPanel.h"
#include "panels/controls/BackgroundChooser.h"
#include "panels/controls/PanelTexts.h"

#include <QColor>
#include <QTime>

class BackgroundRow;
class ColourButton;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimeEdit;

class DigitalClockPanel : public MediaPanel
{
    Q_OBJECT

public:
    DigitalClockPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
    void fill(QVLedMediaObject *item) override { updateDigitalClockProperty(item); }
    void updateDigitalClockProperty(QVLedMediaObject *item);

public slots:
    void mSlotDigitalClockBKChange(BackgroundChooser::Choice choice, const QString &picture);
    void slotDigitalClockBKColorSet(const QColor &colour);
    void slotdigitalClockBKImageStyleChange(int index);
    void slotDigitalClockBKTransparent(bool on);
    void slotdigitalClockDateStyleChange(int index);
    void slotdigitalClockFixedTextChange(const QString &text);
    void slotDigitalClockTextFamily(const QString &family);
    void mSlotdigitalClockFontSize(const QString &size);
    void slotDigitalClockBChecked(bool on);
    void slotDigitalClockIChecked(bool on);
    void slotDigitalClockUChecked(bool on);
    void slotDigitalClockColorSet(const QColor &colour);
    void mSlotigitalClockkColorful(int index);
    void slotdigitalClockPlayTimeChanged(const QTime &time);
    void slotDigitalClockYearChecked(bool on);
    void slotDigitalClockMonthChecked(bool on);
    void slotDigitalClockDayChecked(bool on);
    void slotDigitalClockHourChecked(bool on);
    void slotDigitalClockMinChecked(bool on);
    void slotDigitalClockSecChecked(bool on);
    void slotDigitalClockHalfChecked(bool on);
    void slotDigitalClockWeekChecked(bool on);
    void slotdigitalClock2bit(bool on);
    void slotdigitalClock12hour(bool on);
    void slotigitalClockMultiRow(bool on);
    void mSlotigitalClockTimeDiff(int index);
    void slotdigitalClockTimeDiffChanged(const QTime &time);

private:
    void buildBasicPage(QWidget *page);
    void buildStylePage(QWidget *page);
    QCheckBox *partBox(QWidget *box, const char *source, const char *name, int w,
                       void (DigitalClockPanel::*slot)(bool));
    // A radio pair of its own: `first` carries the value, `second` is checked at build.
    QRadioButton *radioPair(QWidget *page, const char *first, const char *second, const QRect &firstPlace,
                            const QRect &secondPlace, const char *name, void (DigitalClockPanel::*slot)(bool));

    PanelTexts m_texts{"DigitalClockPanel"};
    QTabWidget *m_tabs = nullptr;
    BackgroundRow *m_background = nullptr;
    QComboBox *m_dateStyleBox = nullptr;
    QLineEdit *m_fixedTextEdit = nullptr;
    QFontComboBox *m_familyBox = nullptr;
    QComboBox *m_sizeBox = nullptr;
    QPushButton *m_boldButton = nullptr;
    QPushButton *m_italicButton = nullptr;
    QPushButton *m_underlineButton = nullptr;
    ColourButton *m_textColour = nullptr;
    QComboBox *m_colourfulBox = nullptr;
    QTimeEdit *m_playTimeEdit = nullptr;
    QList<QCheckBox *> m_partBoxes; // year, month, day, hour, minute, second, half day, week
    QRadioButton *m_twoDigitButton = nullptr;
    QRadioButton *m_hour12Button = nullptr;
    QRadioButton *m_multiRowButton = nullptr;
    QComboBox *m_signBox = nullptr;
    QTimeEdit *m_offsetEdit = nullptr;
};
