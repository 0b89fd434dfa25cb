// The count-timer panel: its controls, its filler and its property slots.

#include "panels/DigitalTimerPanel.h"

#include "model/QVLedMediaObject.h"
#include "panels/controls/BackgroundRow.h"
#include "panels/controls/FillGuard.h"
#include "panels/controls/PanelControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QSlider>

using namespace PanelControls;

namespace {
BackgroundFieldRefs timerBackground(QVLedMediaObject &item)
{
    DigitalTimerProperty &p = item.digitalTimer;
    return {&p.bgIsColour, &p.bgColour, &p.bgPicture, &p.bgImageStyle, &p.bgTransparent};
}
} // namespace

// 200 pixels high when built, 220 once the main window was maximised or restored.
DigitalTimerPanel::DigitalTimerPanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::DigitalTimer, windowPanel, 200, 220)
{
    const BackgroundRow::Policy policy{MediaKindId::DigitalTimer, false, false, true, true};
    m_background = new BackgroundRow(this, 4, policy, &timerBackground,
                                     [this](bool, const Write &write) { editCurrent(write); });
    connect(m_background->chooser(), &BackgroundChooser::sigChosen, this,
            &DigitalTimerPanel::mSlotdigitalCountTimerBKChange);
    connect(m_background->colourButton(), &ColourButton::sigColourChosen, this,
            &DigitalTimerPanel::slotdigitalCountTimerBKColorSet);
    connect(m_background->styleBox(), qOverload<int>(&QComboBox::activated), this,
            &DigitalTimerPanel::slotdigitalCountTimerBKImageStyleChange);
    connect(m_background->transparentBox(), &QCheckBox::toggled, this,
            &DigitalTimerPanel::slotdigitalCountTimerBKTransparent);

    m_texts.label(this, QT_TR_NOOP("Transparency"), QRect(10, 40, 120, 26));
    m_transparencySlider = new QSlider(Qt::Horizontal, this);
    m_transparencySlider->setObjectName(QStringLiteral("transparency"));
    m_transparencySlider->setGeometry(130, 40, 400, 26);
    m_transparencySlider->setRange(0, 10);
    connect(m_transparencySlider, &QSlider::valueChanged, this, &DigitalTimerPanel::slotCountTimerTransparencyChanged);

    m_texts.label(this, QT_TR_NOOP("Stopwatch type:"), QRect(10, 70, 120, 26));
    m_decreaseButton
        = m_texts.button<QRadioButton>(this, QT_TR_NOOP("Decrease progressively"), QRect(130, 70, 180, 26));
    m_increaseButton
        = m_texts.button<QRadioButton>(this, QT_TR_NOOP("Increase progressively"), QRect(310, 70, 180, 26));
    m_decreaseButton->setObjectName(QStringLiteral("countDown"));
    m_increaseButton->setObjectName(QStringLiteral("countUp"));
    auto *direction = new QButtonGroup(this);
    direction->addButton(m_decreaseButton);
    direction->addButton(m_increaseButton);
    connect(m_decreaseButton, &QRadioButton::toggled, this, &DigitalTimerPanel::slotCountTimerDecrease);
    connect(m_increaseButton, &QRadioButton::toggled, this, &DigitalTimerPanel::slotCountTimerIncrease);

    m_texts.label(this, QT_TR_NOOP("Number color:"), QRect(10, 100, 120, 26));
    m_numberColour = colourButton(this, 130, 100);
    m_numberColour->setObjectName(QStringLiteral("numberColour"));
    connect(m_numberColour, &ColourButton::sigColourChosen, this,
            &DigitalTimerPanel::slotdigitalCountTimerNumberColorSet);
    m_texts.label(this, QT_TR_NOOP("Target time:"), QRect(10, 130, 90, 26));
    m_lengthEdit = timeEdit(this, QRect(100, 130, 90, 26));
    m_lengthEdit->setObjectName(QStringLiteral("length"));
    connect(m_lengthEdit, &QTimeEdit::timeChanged, this, &DigitalTimerPanel::slotdigitalCountTimerLength);
    trUpdate();
}

void DigitalTimerPanel::trUpdate()
{
    m_texts.retranslate();
    m_background->retranslate();
}

void DigitalTimerPanel::updateDigitalTimerProperty(QVLedMediaObject *item)
{
    if (!item)
        return;
    const DigitalTimerProperty &p = item->digitalTimer;
    m_background->fill(*item);
    const FillGuard guard{m_transparencySlider, m_decreaseButton, m_increaseButton, m_numberColour, m_lengthEdit};
    m_transparencySlider->setValue(p.transparency);
    (p.countMode == 1 ? m_increaseButton : m_decreaseButton)->setChecked(true);
    m_numberColour->setColour(p.numberColour);
    m_lengthEdit->setTime(p.length);
}

void DigitalTimerPanel::mSlotdigitalCountTimerBKChange(BackgroundChooser::Choice choice, const QString &picture)
{
    m_background->choose(choice, picture);
}

void DigitalTimerPanel::slotdigitalCountTimerBKColorSet(const QColor &colour)
{
    m_background->storeColour(colour);
}

void DigitalTimerPanel::slotdigitalCountTimerBKImageStyleChange(int index)
{
    m_background->storeImageStyle(index);
}

void DigitalTimerPanel::slotdigitalCountTimerBKTransparent(bool on)
{
    m_background->storeTransparent(on);
}

void DigitalTimerPanel::slotCountTimerTransparencyChanged(int value)
{
    editCurrent([value](QVLedMediaObject &i) { i.digitalTimer.transparency = value; });
}

void DigitalTimerPanel::slotCountTimerDecrease(bool on)
{
    editCurrent([on](QVLedMediaObject &i) {
        if (on)
            i.digitalTimer.countMode = 0;
    });
}

void DigitalTimerPanel::slotCountTimerIncrease(bool on)
{
    editCurrent([on](QVLedMediaObject &i) {
        if (on)
            i.digitalTimer.countMode = 1;
    });
}

void DigitalTimerPanel::slotdigitalCountTimerNumberColorSet(const QColor &colour)
{
    editCurrent([colour](QVLedMediaObject &i) { i.digitalTimer.numberColour = colour; });
}

void DigitalTimerPanel::slotdigitalCountTimerLength(const QTime &time)
{
    editCurrent([time](QVLedMediaObject &i) { i.digitalTimer.length = time; });
}
