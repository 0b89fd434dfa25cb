// The digital-clock panel: its two pages, its filler and its property slots.

#include "panels/DigitalClockPanel.h"

#include "model/QVLedMediaObject.h"
#include "panels/controls/BackgroundRow.h"
#include "panels/controls/FillGuard.h"
#include "panels/controls/PanelControls.h"
#include "panels/controls/TextLists.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace PanelControls;

namespace {
BackgroundFieldRefs digitalBackground(QVLedMediaObject &item)
{
    DigitalClockProperty &p = item.digitalClock;
    return {&p.bgIsColour, &p.bgColour, &p.bgPicture, &p.bgImageStyle, &p.bgTransparent};
}

template <typename Control>
Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

QPushButton *toggleButton(QWidget *parent, const char *text, int x, const char *name)
{
    auto *button = named(new QPushButton(QLatin1String(text), parent), name);
    button->setGeometry(x, 76, 26, 26);
    button->setCheckable(true);
    return button;
}

// Checks the button that carries the pair's value when `on`, else its partner.
void checkPair(QRadioButton *carrier, bool on)
{
    QAbstractButton *partner = nullptr;
    for (QAbstractButton *button : carrier->group()->buttons()) {
        if (button != carrier)
            partner = button;
    }
    (on ? carrier : partner)->setChecked(true);
}
} // namespace

// 200 pixels high when built, 220 once the main window was maximised or restored.
DigitalClockPanel::DigitalClockPanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::DigitalClock, windowPanel, 200, 220)
{
    m_tabs = new QTabWidget(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    auto *basic = new QWidget;
    auto *style = new QWidget;
    m_tabs->addTab(basic, QString());
    m_tabs->addTab(style, QString());
    m_texts.addTab(m_tabs, 0, QT_TR_NOOP("Basic Property"));
    m_texts.addTab(m_tabs, 1, QT_TR_NOOP("Display Style"));
    buildBasicPage(basic);
    buildStylePage(style);
    trUpdate();
}

void DigitalClockPanel::buildBasicPage(QWidget *page)
{
    const BackgroundRow::Policy policy{MediaKindId::DigitalClock, false, false, true, true};
    m_background = new BackgroundRow(page, 4, policy, &digitalBackground,
                                     [this](bool, const Write &write) { editCurrent(write); });
    connect(m_background->chooser(), &BackgroundChooser::sigChosen, this,
            &DigitalClockPanel::mSlotDigitalClockBKChange);
    connect(m_background->colourButton(), &ColourButton::sigColourChosen, this,
            &DigitalClockPanel::slotDigitalClockBKColorSet);
    connect(m_background->styleBox(), qOverload<int>(&QComboBox::activated), this,
            &DigitalClockPanel::slotdigitalClockBKImageStyleChange);
    connect(m_background->transparentBox(), &QCheckBox::toggled, this,
            &DigitalClockPanel::slotDigitalClockBKTransparent);

    m_texts.label(page, QT_TR_NOOP("Date Style:"), QRect(10, 40, 90, 26));
    m_dateStyleBox = named(comboBox(page, QRect(100, 40, 140, 26)), "dateStyle");
    connect(m_dateStyleBox, qOverload<int>(&QComboBox::activated), this,
            &DigitalClockPanel::slotdigitalClockDateStyleChange);
    m_texts.label(page, QT_TR_NOOP("Fixed Text:"), QRect(260, 40, 100, 26));
    m_fixedTextEdit = named(new QLineEdit(page), "fixedText");
    m_fixedTextEdit->setGeometry(360, 40, 320, 26);
    connect(m_fixedTextEdit, &QLineEdit::textChanged, this, &DigitalClockPanel::slotdigitalClockFixedTextChange);

    m_texts.label(page, QT_TR_NOOP("Font:"), QRect(10, 76, 90, 26));
    m_familyBox = named(new QFontComboBox(page), "fontFamily");
    m_familyBox->setGeometry(100, 76, 180, 26);
    m_familyBox->setEditable(false);
    connect(m_familyBox, &QComboBox::textActivated, this, &DigitalClockPanel::slotDigitalClockTextFamily);
    m_texts.label(page, QT_TR_NOOP("Size(px):"), QRect(290, 76, 90, 26));
    m_sizeBox = named(comboBox(page, QRect(380, 76, 60, 26)), "fontSize");
    m_sizeBox->addItems(TextLists::fontSizes());
    connect(m_sizeBox, &QComboBox::textActivated, this, &DigitalClockPanel::mSlotdigitalClockFontSize);
    m_boldButton = toggleButton(page, "B", 450, "bold");
    m_italicButton = toggleButton(page, "I", 480, "italic");
    m_underlineButton = toggleButton(page, "U", 510, "underline");
    connect(m_boldButton, &QPushButton::toggled, this, &DigitalClockPanel::slotDigitalClockBChecked);
    connect(m_italicButton, &QPushButton::toggled, this, &DigitalClockPanel::slotDigitalClockIChecked);
    connect(m_underlineButton, &QPushButton::toggled, this, &DigitalClockPanel::slotDigitalClockUChecked);
    m_textColour = named(colourButton(page, 540, 76), "textColour");
    connect(m_textColour, &ColourButton::sigColourChosen, this, &DigitalClockPanel::slotDigitalClockColorSet);

    m_texts.label(page, QT_TR_NOOP("Colorful characters:"), QRect(10, 110, 180, 26));
    m_colourfulBox = named(comboBox(page, QRect(190, 110, 280, 26)), "colourful");
    connect(m_colourfulBox, qOverload<int>(&QComboBox::activated), this, &DigitalClockPanel::mSlotigitalClockkColorful);
    m_texts.label(page, QT_TR_NOOP("Play time:"), QRect(10, 140, 90, 26));
    m_playTimeEdit = named(timeEdit(page, QRect(100, 140, 120, 26)), "playTime");
    connect(m_playTimeEdit, &QTimeEdit::timeChanged, this, &DigitalClockPanel::slotdigitalClockPlayTimeChanged);
}

QCheckBox *DigitalClockPanel::partBox(QWidget *box, const char *source, const char *name, int w,
                                      void (DigitalClockPanel::*slot)(bool))
{
    auto *check = named(new QCheckBox(box), name);
    check->setFixedSize(w, 22);
    m_texts.add(check, source);
    connect(check, &QCheckBox::toggled, this, slot);
    m_partBoxes << check;
    return check;
}

QRadioButton *DigitalClockPanel::radioPair(QWidget *page, const char *first, const char *second,
                                           const QRect &firstPlace, const QRect &secondPlace, const char *name,
                                           void (DigitalClockPanel::*slot)(bool))
{
    auto *carrier = named(m_texts.button<QRadioButton>(page, first, firstPlace), name);
    auto *partner = m_texts.button<QRadioButton>(page, second, secondPlace);
    // Six buttons on one page would otherwise exclude one another.
    auto *group = new QButtonGroup(this);
    group->addButton(carrier);
    group->addButton(partner);
    partner->setChecked(true);
    connect(carrier, &QRadioButton::toggled, this, slot);
    return carrier;
}

void DigitalClockPanel::buildStylePage(QWidget *page)
{
    auto *box = new QWidget(page);
    box->setGeometry(0, 0, 680, 60);
    auto *grid = new QGridLayout(box);
    grid->addWidget(partBox(box, QT_TR_NOOP("Year"), "yearOn", 60, &DigitalClockPanel::slotDigitalClockYearChecked), 0,
                    0);
    grid->addWidget(partBox(box, QT_TR_NOOP("Month"), "monthOn", 70, &DigitalClockPanel::slotDigitalClockMonthChecked),
                    0, 1);
    grid->addWidget(partBox(box, QT_TR_NOOP("Day"), "dayOn", 60, &DigitalClockPanel::slotDigitalClockDayChecked), 0, 2);
    grid->addWidget(partBox(box, QT_TR_NOOP("Hour"), "hourOn", 70, &DigitalClockPanel::slotDigitalClockHourChecked), 0,
                    3);
    grid->addWidget(partBox(box, QT_TR_NOOP("Minute"), "minuteOn", 80, &DigitalClockPanel::slotDigitalClockMinChecked),
                    0, 4);
    grid->addWidget(partBox(box, QT_TR_NOOP("Second"), "secondOn", 80, &DigitalClockPanel::slotDigitalClockSecChecked),
                    0, 5);
    grid->addWidget(
        partBox(box, QT_TR_NOOP("Half Day"), "amPmOn", 100, &DigitalClockPanel::slotDigitalClockHalfChecked), 1, 0);
    grid->addWidget(partBox(box, QT_TR_NOOP("Week"), "weekOn", 70, &DigitalClockPanel::slotDigitalClockWeekChecked), 1,
                    1);

    m_twoDigitButton = radioPair(page, QT_TR_NOOP("2-bit Years"), QT_TR_NOOP("4-bit Years"), QRect(110, 60, 100, 26),
                                 QRect(10, 60, 100, 26), "twoDigit", &DigitalClockPanel::slotdigitalClock2bit);
    m_hour12Button = radioPair(page, QT_TR_NOOP("12 Hours"), QT_TR_NOOP("24 Hours"), QRect(400, 60, 100, 26),
                               QRect(500, 60, 100, 26), "hour12", &DigitalClockPanel::slotdigitalClock12hour);
    m_multiRowButton = radioPair(page, QT_TR_NOOP("Multi-row"), QT_TR_NOOP("Single-row"), QRect(10, 90, 100, 26),
                                 QRect(110, 90, 100, 26), "multiRow", &DigitalClockPanel::slotigitalClockMultiRow);

    m_texts.label(page, QT_TR_NOOP("Time"), QRect(10, 120, 90, 26));
    m_signBox = named(comboBox(page, QRect(100, 120, 80, 26)), "timeDiffMode");
    m_signBox->addItems({QStringLiteral("+"), QStringLiteral("-")});
    connect(m_signBox, qOverload<int>(&QComboBox::activated), this, &DigitalClockPanel::mSlotigitalClockTimeDiff);
    m_offsetEdit = named(timeEdit(page, QRect(190, 120, 100, 26)), "timeDiff");
    connect(m_offsetEdit, &QTimeEdit::timeChanged, this, &DigitalClockPanel::slotdigitalClockTimeDiffChanged);
}

void DigitalClockPanel::trUpdate()
{
    m_texts.retranslate();
    m_background->retranslate();
    refillCombo(m_dateStyleBox, {tr("Year month day"), tr("Day month year"), tr("Month day year")},
                qMax(0, m_dateStyleBox->currentIndex()));
    refillCombo(m_colourfulBox, TextLists::colourfulStyles(), qMax(0, m_colourfulBox->currentIndex()));
}

void DigitalClockPanel::updateDigitalClockProperty(QVLedMediaObject *item)
{
    if (!item)
        return;
    const DigitalClockProperty &p = item->digitalClock;
    m_background->fill(*item);
    const FillGuard guard{m_dateStyleBox, m_fixedTextEdit,   m_familyBox,      m_sizeBox,      m_boldButton,
                          m_italicButton, m_underlineButton, m_textColour,     m_colourfulBox, m_playTimeEdit,
                          m_signBox,      m_offsetEdit,      m_twoDigitButton, m_hour12Button, m_multiRowButton};
    m_dateStyleBox->setCurrentIndex(p.dateStyle);
    m_fixedTextEdit->setText(p.fixedText);
    // A family or size the lists do not hold leaves the box where it was.
    const int family = m_familyBox->findText(p.fontFamily);
    if (family >= 0)
        m_familyBox->setCurrentIndex(family);
    const int size = m_sizeBox->findText(QString::number(p.fontSize));
    if (size >= 0)
        m_sizeBox->setCurrentIndex(size);
    m_boldButton->setChecked(p.bold);
    m_italicButton->setChecked(p.italic);
    m_underlineButton->setChecked(p.underline);
    m_textColour->setColour(p.textColour);
    m_colourfulBox->setCurrentIndex(p.colourful);
    m_playTimeEdit->setTime(p.playTime);
    const bool parts[] = {p.yearOn, p.monthOn, p.dayOn, p.hourOn, p.minuteOn, p.secondOn, p.amPmOn, p.weekOn};
    for (int i = 0; i < m_partBoxes.size(); ++i) {
        const QSignalBlocker blocker(m_partBoxes.at(i));
        m_partBoxes.at(i)->setChecked(parts[i]);
    }
    // Only the carriers are connected, and the guard holds them.
    checkPair(m_twoDigitButton, p.twoDigit);
    checkPair(m_hour12Button, p.hour12);
    checkPair(m_multiRowButton, p.multiRow);
    m_signBox->setCurrentIndex(p.timeDiffMode);
    m_offsetEdit->setTime(p.timeDiff);
}

// ---- background -------------------------------------------------------

void DigitalClockPanel::mSlotDigitalClockBKChange(BackgroundChooser::Choice choice, const QString &picture)
{
    m_background->choose(choice, picture);
}

void DigitalClockPanel::slotDigitalClockBKColorSet(const QColor &colour)
{
    m_background->storeColour(colour);
}

void DigitalClockPanel::slotdigitalClockBKImageStyleChange(int index)
{
    m_background->storeImageStyle(index);
}

void DigitalClockPanel::slotDigitalClockBKTransparent(bool on)
{
    m_background->storeTransparent(on);
}

// ---- basic properties -------------------------------------------------

void DigitalClockPanel::slotdigitalClockDateStyleChange(int index)
{
    editCurrent([index](QVLedMediaObject &i) { i.digitalClock.dateStyle = index; });
}

void DigitalClockPanel::slotdigitalClockFixedTextChange(const QString &text)
{
    editCurrent([text](QVLedMediaObject &i) { i.digitalClock.fixedText = text; });
}

void DigitalClockPanel::slotDigitalClockTextFamily(const QString &family)
{
    editCurrent([family](QVLedMediaObject &i) { i.digitalClock.fontFamily = family; });
}

void DigitalClockPanel::mSlotdigitalClockFontSize(const QString &size)
{
    const int points = size.toInt();
    editCurrent([points](QVLedMediaObject &i) { i.digitalClock.fontSize = points; });
}

void DigitalClockPanel::slotDigitalClockBChecked(bool on)
{
    editCurrent([on](QVLedMediaObject &i) { i.digitalClock.bold = on; });
}

void DigitalClockPanel::slotDigitalClockIChecked(bool on)
{
    editCurrent([on](QVLedMediaObject &i) { i.digitalClock.italic = on; });
}

void DigitalClockPanel::slotDigitalClockUChecked(bool on)
{
    editCurrent([on](QVLedMediaObject &i) { i.digitalClock.underline = on; });
}

void DigitalClockPanel::slotDigitalClockColorSet(const QColor &colour)
{
    editCurrent([colour](QVLedMediaObject &i) { i.digitalClock.textColour = colour; });
}

void DigitalClockPanel::mSlotigitalClockkColorful(int index)
{
    editCurrent([index](QVLedMediaObject &i) { i.digitalClock.colourful = index; });
}

void DigitalClockPanel::slotdigitalClockPlayTimeChanged(const QTime &time)
{
    editCurrent([time](QVLedMediaObject &i) { i.digitalClock.playTime = time; });
}

// ---- display style ----------------------------------------------------

void DigitalClockPanel::slotDigitalClockYearChecked(bool on)
{
    editCurrent([on](QVLedMediaObject &i) { i.digitalClock.yearOn = on; });
}

void DigitalClockPanel::slotDigitalClockMonthChecked(bool on)
{
    editCurrent([on](QVLedMediaObject &i) { i.digitalClock.monthOn = on; });
}

void DigitalClockPanel::slotDigitalClockDayChecked(bool on)
{
    editCurrent([on](QVLedMediaObject &i) { i.digitalClock.dayOn = on; });
}

void DigitalClockPanel::slotDigitalClockHourChecked(bool on)
{
    editCurrent([on](QVLedMediaObject &i) { i.digitalClock.hourOn = on; });
}

void DigitalClockPanel::slotDigitalClockMinChecked(bool on)
{
    editCurrent([on](QVLedMediaObject &i) { i.digitalClock.minuteOn = on; });
}

void DigitalClockPanel::slotDigitalClockSecChecked(bool on)
{
    editCurrent([on](QVLedMediaObject &i) { i.digitalClock.secondOn = on; });
}

void DigitalClockPanel::slotDigitalClockHalfChecked(bool on)
{
    editCurrent([on](QVLedMediaObject &i) { i.digitalClock.amPmOn = on; });
}

void DigitalClockPanel::slotDigitalClockWeekChecked(bool on)
{
    editCurrent([on](QVLedMediaObject &i) { i.digitalClock.weekOn = on; });
}

void DigitalClockPanel::slotdigitalClock2bit(bool on)
{
    editCurrent([on](QVLedMediaObject &i) { i.digitalClock.twoDigit = on; });
}

void DigitalClockPanel::slotdigitalClock12hour(bool on)
{
    editCurrent([on](QVLedMediaObject &i) { i.digitalClock.hour12 = on; });
}

void DigitalClockPanel::slotigitalClockMultiRow(bool on)
{
    editCurrent([on](QVLedMediaObject &i) { i.digitalClock.multiRow = on; });
}

void DigitalClockPanel::mSlotigitalClockTimeDiff(int index)
{
    editCurrent([index](QVLedMediaObject &i) { i.digitalClock.timeDiffMode = index; });
}

void DigitalClockPanel::slotdigitalClockTimeDiffChanged(const QTime &time)
{
    editCurrent([time](QVLedMediaObject &i) { i.digitalClock.timeDiff = time; });
}
