// The analog-clock panel: its two pages, its filler and its property slots.

#include "panels/AnalogClockPanel.h"

#include "model/QVLedMediaObject.h"
#include "panels/controls/BackgroundRow.h"
#include "panels/controls/FillGuard.h"
#include "panels/controls/PanelControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace PanelControls;

namespace {
BackgroundFieldRefs analogBackground(QVLedMediaObject &item)
{
    AnalogClockProperty &p = item.analogClock;
    return {&p.bgIsColour, &p.bgColour, &p.bgPicture, &p.bgImageStyle, &p.bgTransparent};
}

template <typename Control>
Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}
} // namespace

// 200 pixels high when built, 220 once the main window was maximised or restored.
AnalogClockPanel::AnalogClockPanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::AnalogClock, windowPanel, 200, 220)
{
    m_tabs = new QTabWidget(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    auto *display = new QWidget;
    auto *dial = new QWidget;
    m_tabs->addTab(display, QString());
    m_tabs->addTab(dial, QString());
    m_texts.addTab(m_tabs, 0, QT_TR_NOOP("Display attribute"));
    m_texts.addTab(m_tabs, 1, QT_TR_NOOP("Dial"));
    buildDisplayPage(display);
    buildDialPage(dial);
    trUpdate();
}

void AnalogClockPanel::editClock(const Write &write)
{
    editCurrentOfKind(MediaKindId::AnalogClock, write);
}

void AnalogClockPanel::buildDisplayPage(QWidget *page)
{
    const BackgroundRow::Policy policy{MediaKindId::AnalogClock, true, true, true, true};
    m_background = new BackgroundRow(page, 4, policy, &analogBackground, [this](bool ofKind, const Write &write) {
        ofKind ? editClock(write) : (void)editCurrent(write);
    });
    connect(m_background->chooser(), &BackgroundChooser::sigChosen, this, &AnalogClockPanel::mSlotAnalogClockBKChange);
    connect(m_background->colourButton(), &ColourButton::sigColourChosen, this,
            &AnalogClockPanel::slotAnalogClockBKColorSet);
    connect(m_background->styleBox(), qOverload<int>(&QComboBox::activated), this,
            &AnalogClockPanel::slotanalogClockBKImageStyleChange);
    connect(m_background->transparentBox(), &QCheckBox::toggled, this, &AnalogClockPanel::slotAnalogClockBKTransparent);

    m_texts.label(page, QT_TR_NOOP("Text:"), QRect(10, 40, 90, 26));
    m_textColour = named(colourButton(page, 100, 40), "textColour");
    connect(m_textColour, &ColourButton::sigColourChosen, this, &AnalogClockPanel::slotAnalogClockTextColorSet);
    m_textEdit = named(new QLineEdit(page), "text");
    m_textEdit->setGeometry(194, 40, 300, 26);
    connect(m_textEdit, &QLineEdit::textChanged, this, &AnalogClockPanel::slotanalogClockTextChange);
    addUnusedFontButton(page, QT_TR_NOOP("Text Font"), QRect(500, 40, 120, 26));

    m_dateBox = named(m_texts.button<QCheckBox>(page, QT_TR_NOOP("Date"), QRect(10, 76, 90, 26)), "dateOn");
    connect(m_dateBox, &QCheckBox::toggled, this, &AnalogClockPanel::slotanalogClockDateCheck);
    m_dateColour = named(colourButton(page, 100, 76), "dateColour");
    connect(m_dateColour, &ColourButton::sigColourChosen, this, &AnalogClockPanel::slotAnalogClockDateColorSet);
    m_monthDayBox = named(comboBox(page, QRect(190, 76, 120, 26)), "monthDayStyle");
    connect(m_monthDayBox, qOverload<int>(&QComboBox::activated), this,
            &AnalogClockPanel::slotanalogMonthDayStyleChange);
    addUnusedFontButton(page, QT_TR_NOOP("Date Font"), QRect(316, 76, 120, 26));

    m_weekBox = named(m_texts.button<QCheckBox>(page, QT_TR_NOOP("Week"), QRect(10, 110, 90, 26)), "weekOn");
    connect(m_weekBox, &QCheckBox::toggled, this, &AnalogClockPanel::slotanalogClockWeekCheck);
    m_weekColour = named(colourButton(page, 100, 110), "weekColour");
    connect(m_weekColour, &ColourButton::sigColourChosen, this, &AnalogClockPanel::slotAnalogClockWeekColorSet);
    addUnusedFontButton(page, QT_TR_NOOP("Week Font"), QRect(194, 110, 120, 26));

    m_texts.label(page, QT_TR_NOOP("Time"), QRect(10, 140, 90, 26));
    m_signBox = named(comboBox(page, QRect(100, 140, 80, 26)), "timeDiffMode");
    m_signBox->addItems({QStringLiteral("+"), QStringLiteral("-")});
    connect(m_signBox, qOverload<int>(&QComboBox::activated), this, &AnalogClockPanel::slotanalogClockTimeDiff);
    m_offsetEdit = named(timeEdit(page, QRect(190, 140, 100, 26)), "timeDiff");
    connect(m_offsetEdit, &QTimeEdit::timeChanged, this, &AnalogClockPanel::slotanalogClockTimeDiffChanged);
    m_texts.label(page, QT_TR_NOOP("Play time:"), QRect(300, 140, 90, 26));
    m_playTimeEdit = named(timeEdit(page, QRect(390, 140, 120, 26)), "playTime");
    connect(m_playTimeEdit, &QTimeEdit::timeChanged, this, &AnalogClockPanel::slotanalogClockPlayTimeChanged);
}

void AnalogClockPanel::buildDialPage(QWidget *page)
{
    m_texts.label(page, QT_TR_NOOP("Time Scale:"), QRect(10, 4, 90, 26));
    m_hourMarkColour = named(colourButton(page, 100, 4), "timeScaleColour");
    connect(m_hourMarkColour, &ColourButton::sigColourChosen, this,
            &AnalogClockPanel::slotAnalogClockTimeScaleColorSet);
    m_texts.label(page, QT_TR_NOOP("W:"), QRect(194, 4, 36, 26));
    m_hourMarkWidth = named(spinBox(page, QRect(234, 4, 60, 26), 1, 10), "timeScaleWidth");
    connect(m_hourMarkWidth, qOverload<int>(&QSpinBox::valueChanged), this,
            &AnalogClockPanel::slotAnalogClockTimeScaleWChanged);
    m_texts.label(page, QT_TR_NOOP("H:"), QRect(300, 4, 36, 26));
    m_hourMarkHeight = named(spinBox(page, QRect(340, 4, 60, 26), 1, 10), "timeScaleHeight");
    connect(m_hourMarkHeight, qOverload<int>(&QSpinBox::valueChanged), this,
            &AnalogClockPanel::slotAnalogClockTimeScaleHChanged);
    m_hourMarkShape = named(comboBox(page, QRect(404, 4, 90, 26)), "timeScaleStyle");
    connect(m_hourMarkShape, qOverload<int>(&QComboBox::activated), this,
            &AnalogClockPanel::slotanalogClockTimeScaleShowStyle);
    addUnusedFontButton(page, QT_TR_NOOP("Scale Font"), QRect(510, 4, 120, 26));

    m_texts.label(page, QT_TR_NOOP("M Scale:"), QRect(10, 40, 90, 26));
    m_minuteMarkColour = named(colourButton(page, 100, 40), "minuteScaleColour");
    connect(m_minuteMarkColour, &ColourButton::sigColourChosen, this, &AnalogClockPanel::slotAnalogClockMScaleColorSet);
    m_texts.label(page, QT_TR_NOOP("W:"), QRect(194, 40, 36, 26));
    m_minuteMarkWidth = named(spinBox(page, QRect(234, 40, 60, 26), 1, 10), "minuteScaleWidth");
    connect(m_minuteMarkWidth, qOverload<int>(&QSpinBox::valueChanged), this,
            &AnalogClockPanel::slotAnalogClockMScaleWChanged);
    m_texts.label(page, QT_TR_NOOP("H:"), QRect(300, 40, 40, 26));
    m_minuteMarkHeight = named(spinBox(page, QRect(340, 40, 60, 26), 1, 10), "minuteScaleHeight");
    connect(m_minuteMarkHeight, qOverload<int>(&QSpinBox::valueChanged), this,
            &AnalogClockPanel::slotAnalogClockMScaleHChanged);
    m_minuteMarkShape = named(comboBox(page, QRect(404, 40, 90, 26)), "minuteScaleStyle");
    connect(m_minuteMarkShape, qOverload<int>(&QComboBox::activated), this,
            &AnalogClockPanel::slotanalogClockMScaleShowStyle);

    m_texts.label(page, QT_TR_NOOP("Hour:"), QRect(10, 76, 90, 26));
    m_hourHandColour = named(colourButton(page, 100, 76), "hourHandColour");
    connect(m_hourHandColour, &ColourButton::sigColourChosen, this, &AnalogClockPanel::slotAnalogClockHourColorSet);
    m_texts.label(page, QT_TR_NOOP("Minute:"), QRect(200, 76, 90, 26));
    m_minuteHandColour = named(colourButton(page, 290, 76), "minuteHandColour");
    connect(m_minuteHandColour, &ColourButton::sigColourChosen, this, &AnalogClockPanel::slotAnalogClockMinColorSet);
    m_texts.label(page, QT_TR_NOOP("Second:"), QRect(390, 76, 90, 26));
    m_secondHandColour = named(colourButton(page, 480, 76), "secondHandColour");
    connect(m_secondHandColour, &ColourButton::sigColourChosen, this, &AnalogClockPanel::slotAnalogClockSecColorSet);
}

void AnalogClockPanel::addUnusedFontButton(QWidget *page, const char *caption, const QRect &geometry)
{
    // The clock draws its texts in fonts of its own: these buttons are made for
    // their place in the layout and stay hidden, with nothing behind them.
    m_texts.button<QPushButton>(page, caption, geometry)->hide();
}

void AnalogClockPanel::trUpdate()
{
    m_texts.retranslate();
    m_background->retranslate();
    refillCombo(m_monthDayBox, {tr("Month day"), tr("Day month")}, qMax(0, m_monthDayBox->currentIndex()));
    const QStringList shapes{tr("Rectangle"), tr("Round")};
    refillCombo(m_hourMarkShape, shapes, qMax(0, m_hourMarkShape->currentIndex()));
    refillCombo(m_minuteMarkShape, shapes, qMax(0, m_minuteMarkShape->currentIndex()));
}

void AnalogClockPanel::updateAnalogClockProperty(QVLedMediaObject *item)
{
    if (!item)
        return;
    AnalogClockProperty &p = item->analogClock;
    m_background->fill(*item);
    {
        const FillGuard guard{m_textColour,       m_textEdit,        m_dateBox,          m_dateColour,
                              m_monthDayBox,      m_weekBox,         m_weekColour,       m_signBox,
                              m_offsetEdit,       m_playTimeEdit,    m_hourMarkColour,   m_hourMarkWidth,
                              m_hourMarkHeight,   m_hourMarkShape,   m_minuteMarkColour, m_minuteMarkWidth,
                              m_minuteMarkHeight, m_minuteMarkShape, m_hourHandColour,   m_minuteHandColour,
                              m_secondHandColour};
        m_textColour->setColour(p.textColour);
        m_textEdit->setText(p.text);
        m_dateBox->setChecked(p.dateOn);
        m_dateColour->setColour(p.dateColour);
        m_monthDayBox->setCurrentIndex(p.monthDayStyle);
        m_weekBox->setChecked(p.weekOn);
        m_weekColour->setColour(p.weekColour);
        m_signBox->setCurrentIndex(p.timeDiffMode);
        m_offsetEdit->setTime(p.timeDiff);
        m_playTimeEdit->setTime(p.playTime);
        m_hourMarkColour->setColour(p.timeScaleColour);
        m_hourMarkWidth->setValue(p.timeScaleWidth);
        m_hourMarkHeight->setValue(p.timeScaleHeight);
        m_hourMarkShape->setCurrentIndex(p.timeScaleStyle);
        m_minuteMarkColour->setColour(p.minuteScaleColour);
        m_minuteMarkWidth->setValue(p.minuteScaleWidth);
        m_minuteMarkHeight->setValue(p.minuteScaleHeight);
        m_minuteMarkShape->setCurrentIndex(p.minuteScaleStyle);
        m_hourHandColour->setColour(p.hourHandColour);
        m_minuteHandColour->setColour(p.minuteHandColour);
        m_secondHandColour->setColour(p.secondHandColour);
    }
    // What the spin boxes could not show is stored as they show it.
    p.timeScaleWidth = m_hourMarkWidth->value();
    p.timeScaleHeight = m_hourMarkHeight->value();
    p.minuteScaleWidth = m_minuteMarkWidth->value();
    p.minuteScaleHeight = m_minuteMarkHeight->value();
}

// ---- background -------------------------------------------------------

void AnalogClockPanel::mSlotAnalogClockBKChange(BackgroundChooser::Choice choice, const QString &picture)
{
    m_background->choose(choice, picture);
}

void AnalogClockPanel::slotAnalogClockBKColorSet(const QColor &colour)
{
    m_background->storeColour(colour);
}

void AnalogClockPanel::slotanalogClockBKImageStyleChange(int index)
{
    m_background->storeImageStyle(index);
}

void AnalogClockPanel::slotAnalogClockBKTransparent(bool on)
{
    m_background->storeTransparent(on);
}

// ---- dial texts, offset and stay time ---------------------------------

void AnalogClockPanel::slotAnalogClockTextColorSet(const QColor &colour)
{
    editClock([colour](QVLedMediaObject &i) { i.analogClock.textColour = colour; });
}

void AnalogClockPanel::slotanalogClockTextChange(const QString &text)
{
    editClock([text](QVLedMediaObject &i) { i.analogClock.text = text; });
}

void AnalogClockPanel::slotanalogClockDateCheck(bool on)
{
    editClock([on](QVLedMediaObject &i) { i.analogClock.dateOn = on; });
}

void AnalogClockPanel::slotAnalogClockDateColorSet(const QColor &colour)
{
    editClock([colour](QVLedMediaObject &i) { i.analogClock.dateColour = colour; });
}

void AnalogClockPanel::slotanalogMonthDayStyleChange(int index)
{
    editClock([index](QVLedMediaObject &i) { i.analogClock.monthDayStyle = index; });
}

void AnalogClockPanel::slotanalogClockWeekCheck(bool on)
{
    editClock([on](QVLedMediaObject &i) { i.analogClock.weekOn = on; });
}

void AnalogClockPanel::slotAnalogClockWeekColorSet(const QColor &colour)
{
    editClock([colour](QVLedMediaObject &i) { i.analogClock.weekColour = colour; });
}

void AnalogClockPanel::slotanalogClockTimeDiff(int index)
{
    editClock([index](QVLedMediaObject &i) { i.analogClock.timeDiffMode = index; });
}

void AnalogClockPanel::slotanalogClockTimeDiffChanged(const QTime &time)
{
    editCurrent([time](QVLedMediaObject &i) { i.analogClock.timeDiff = time; });
}

void AnalogClockPanel::slotanalogClockPlayTimeChanged(const QTime &time)
{
    editCurrent([time](QVLedMediaObject &i) { i.analogClock.playTime = time; });
}

// ---- marks and hands --------------------------------------------------

void AnalogClockPanel::slotAnalogClockTimeScaleColorSet(const QColor &colour)
{
    editClock([colour](QVLedMediaObject &i) { i.analogClock.timeScaleColour = colour; });
}

void AnalogClockPanel::slotAnalogClockTimeScaleWChanged(int value)
{
    editClock([value](QVLedMediaObject &i) { i.analogClock.timeScaleWidth = value; });
}

void AnalogClockPanel::slotAnalogClockTimeScaleHChanged(int value)
{
    editClock([value](QVLedMediaObject &i) { i.analogClock.timeScaleHeight = value; });
}

void AnalogClockPanel::slotanalogClockTimeScaleShowStyle(int index)
{
    editClock([index](QVLedMediaObject &i) { i.analogClock.timeScaleStyle = index; });
}

void AnalogClockPanel::slotAnalogClockMScaleColorSet(const QColor &colour)
{
    editClock([colour](QVLedMediaObject &i) { i.analogClock.minuteScaleColour = colour; });
}

void AnalogClockPanel::slotAnalogClockMScaleWChanged(int value)
{
    editClock([value](QVLedMediaObject &i) { i.analogClock.minuteScaleWidth = value; });
}

void AnalogClockPanel::slotAnalogClockMScaleHChanged(int value)
{
    editClock([value](QVLedMediaObject &i) { i.analogClock.minuteScaleHeight = value; });
}

void AnalogClockPanel::slotanalogClockMScaleShowStyle(int index)
{
    editClock([index](QVLedMediaObject &i) { i.analogClock.minuteScaleStyle = index; });
}

void AnalogClockPanel::slotAnalogClockHourColorSet(const QColor &colour)
{
    editClock([colour](QVLedMediaObject &i) { i.analogClock.hourHandColour = colour; });
}

void AnalogClockPanel::slotAnalogClockMinColorSet(const QColor &colour)
{
    editClock([colour](QVLedMediaObject &i) { i.analogClock.minuteHandColour = colour; });
}

void AnalogClockPanel::slotAnalogClockSecColorSet(const QColor &colour)
{
    editClock([colour](QVLedMediaObject &i) { i.analogClock.secondHandColour = colour; });
}
