// The text panel of the four text kinds: its two pages, the rows each kind
// shows, its fillers and its property slots.

#include "panels/TextPanel.h"

#include "model/Effects.h"
#include "model/QVLedMediaObject.h"
#include "panels/PanelHost.h"
#include "panels/controls/ColourButton.h"
#include "panels/controls/FillGuard.h"
#include "panels/controls/MediaValueLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimeEdit>

namespace {

QLabel *caption(QWidget *page, int x, int y, int width, const QString &text = QString())
{
    auto *label = new QLabel(text, page);
    label->setGeometry(x, y, width, 26);
    return label;
}

template <typename Control>
Control *control(QWidget *page, int x, int y, int width)
{
    auto *made = new Control(page);
    made->setGeometry(x, y, width, 26);
    return made;
}

QSpinBox *spin(QWidget *page, int x, int y, int width, int minimum, int maximum)
{
    auto *box = control<QSpinBox>(page, x, y, width);
    box->setRange(minimum, maximum);
    return box;
}

QPushButton *toggle(QWidget *page, int x, const QString &text)
{
    auto *button = new QPushButton(text, page);
    button->setGeometry(x, 68, 26, 26);
    button->setCheckable(true);
    return button;
}

// Shows the entry of a stored index; an index with no entry leaves the box as it was.
void showIndex(QComboBox *combo, int index)
{
    if (index >= 0 && index < combo->count())
        combo->setCurrentIndex(index);
}

void setShown(std::initializer_list<QWidget *> widgets, bool shown)
{
    for (QWidget *widget : widgets)
        widget->setVisible(shown);
}

} // namespace

// 200 pixels high, against the lower edge of the window panel.
TextPanel::TextPanel(PanelHost &host, QWidget *windowPanel) : MediaPanel(host, MediaFamily::Text, windowPanel, 200, 200)
{
    m_tabs = new QTabWidget(this);
    m_tabs->setGeometry(rect());
    m_textPage = new QWidget;
    m_propertyPage = new QWidget;
    m_tabs->addTab(m_textPage, QString());
    m_tabs->addTab(m_propertyPage, QString());
    buildTextPage(m_textPage);
    buildPropertyPage(m_propertyPage);
    connectControls();
    trUpdate();
}

void TextPanel::buildTextPage(QWidget *page)
{
    m_textEdit = new QTextEdit(page);
    m_textEdit->setAcceptRichText(false);
    m_textEdit->setGeometry(10, 4, width() - 20, 60);
    m_fontCaption = caption(page, 10, 68, 80);
    m_familyCombo = control<QFontComboBox>(page, 90, 68, 180);
    m_familyCombo->setEditable(false);
    m_sizeCaption = caption(page, 300, 68, 80);
    m_sizeCombo = control<QComboBox>(page, 380, 68, 100);
    m_sizeCombo->addItems(MediaValueLists::fontSizes());
    m_boldButton = toggle(page, 490, QStringLiteral("B"));
    m_italicButton = toggle(page, 520, QStringLiteral("I"));
    m_underlineButton = toggle(page, 550, QStringLiteral("U"));
    m_textColourButton = new ColourButton(page, QSize(90, 26), QRect(6, 4, 78, 16));
    m_textColourButton->move(580, 68);

    m_colourfulCaption = caption(page, 10, 100, 160);
    m_colourfulCombo = control<QComboBox>(page, 170, 100, 300);
    m_horizontalCaption = caption(page, 10, 130, 150);
    m_horizontalCaption->setStyleSheet(QStringLiteral("font:14px"));
    m_horizontalCombo = control<QComboBox>(page, 160, 130, 90);
    // Set once here; the retranslation leaves it.
    m_verticalCaption = caption(page, 250, 130, 130, tr("Vertical alignment:"));
    m_verticalCombo = control<QComboBox>(page, 380, 130, 90);
    m_spacingCaption = caption(page, 470, 130, 60);
    m_spacingSpin = spin(page, 530, 130, 45, 0, 500);
    m_spacingSpin->setStyleSheet(QStringLiteral("font:14px"));
    m_spacingCaption->hide();
    m_spacingSpin->hide();
    // Made after the spacing pair, on the same place, and lying above it.
    m_kerningCaption = caption(page, 470, 130, 60);
    m_kerningCaption->setStyleSheet(QStringLiteral("font:14px"));
    m_kerningSpin = spin(page, 530, 130, 45, 0, 500);
    m_kerningSpin->setStyleSheet(QStringLiteral("font:14px"));
}

void TextPanel::buildPropertyPage(QWidget *page)
{
    m_backgroundCaption = caption(page, 10, 6, 90);
    m_backgroundCombo = control<QComboBox>(page, 100, 6, 340);
    m_backgroundChooser = new BackgroundChooser(m_backgroundCombo, BackgroundChooser::colourFirst, this);
    m_backgroundColourButton = new ColourButton(page, QSize(60, 26), QRect(6, 4, 48, 18));
    m_backgroundColourButton->move(444, 6);
    m_imageStyleCombo = control<QComboBox>(page, 510, 6, 60);
    m_transparentBox = control<QCheckBox>(page, 574, 6, 110);
    buildEffectRows(page);
    buildRollingRows(page);
    m_stayCaption = caption(page, 10, 96, 80);
    m_staySpin = spin(page, 100, 96, 90, 0, 100000);
    m_stayUnit = caption(page, 190, 96, 90);
    m_completePlayBox = control<QCheckBox>(page, 10, 126, 120);
    m_durationCaption = caption(page, 180, 126, 120);
    m_durationEdit = control<QTimeEdit>(page, 300, 126, 120);
    m_durationEdit->setDisplayFormat(QStringLiteral("HH:mm:ss"));
}

void TextPanel::buildEffectRows(QWidget *page)
{
    m_comingBox = control<QCheckBox>(page, 10, 36, 300);
    m_comingCombo = control<QComboBox>(page, 310, 36, 230);
    m_comingSpeedCaption = caption(page, 544, 36, 50);
    m_comingSpeed = spin(page, 600, 36, 45, 1, 500);
    m_comingUnit = caption(page, 650, 36, 40, QStringLiteral("0.1s"));
    m_outBox = control<QCheckBox>(page, 10, 66, 300);
    m_outCombo = control<QComboBox>(page, 310, 66, 230);
    m_outSpeedCaption = caption(page, 544, 66, 50);
    m_outSpeed = spin(page, 600, 66, 45, 1, 500);
    m_outUnit = caption(page, 650, 66, 40, QStringLiteral("0.1s"));
}

void TextPanel::buildRollingRows(QWidget *page)
{
    // On the places of the effect rows: a filler shows one group or the other.
    m_directionCaption = caption(page, 10, 36, 130);
    m_directionCombo = control<QComboBox>(page, 140, 36, 110);
    m_endToEndBox = control<QCheckBox>(page, 260, 36, 120);
    m_intervalCaption = caption(page, 384, 36, 120);
    m_intervalSpin = spin(page, 510, 36, 40, 0, 100);
    m_intervalUnit = caption(page, 550, 36, 40);
    m_rollingSpeedCaption = caption(page, 10, 66, 130);
    m_rollingSpeedCombo = control<QComboBox>(page, 140, 66, 110);
    m_rollingSpeedCombo->addItems(MediaValueLists::rollingSpeeds());
}

void TextPanel::connectControls()
{
    const auto changed = qOverload<int>(&QComboBox::currentIndexChanged);
    const auto activated = qOverload<int>(&QComboBox::activated);
    const auto spun = qOverload<int>(&QSpinBox::valueChanged);
    connect(m_textEdit, &QTextEdit::textChanged, this, &TextPanel::slotTextTextChanged);
    connect(m_familyCombo, &QComboBox::textActivated, this, &TextPanel::mSlotTextFamily);
    connect(m_sizeCombo, &QComboBox::textActivated, this, &TextPanel::mSlotTextFontSize);
    connect(m_boldButton, &QPushButton::toggled, this, &TextPanel::slotTextBChecked);
    connect(m_italicButton, &QPushButton::toggled, this, &TextPanel::slotTextIChecked);
    connect(m_underlineButton, &QPushButton::toggled, this, &TextPanel::slotTextUChecked);
    connect(m_textColourButton, &ColourButton::sigColourChosen, this, &TextPanel::slotTextColorSet);
    connect(m_colourfulCombo, changed, this, &TextPanel::m_textColorfulBoxChanged);
    connect(m_horizontalCombo, changed, this, &TextPanel::slotTextHorizontalChanged);
    connect(m_verticalCombo, changed, this, &TextPanel::m_textVerticalBoxChanged);
    connect(m_spacingSpin, spun, this, &TextPanel::slotTextSPacingChanged);
    connect(m_kerningSpin, spun, this, &TextPanel::slotTextKerningChanged);
    connect(m_backgroundChooser, &BackgroundChooser::sigChosen, this, &TextPanel::onBackgroundChosen);
    connect(m_backgroundColourButton, &ColourButton::sigColourChosen, this, &TextPanel::slotTextBKColorSet);
    connect(m_imageStyleCombo, activated, this, &TextPanel::slottextBKImageStyleChange);
    connect(m_transparentBox, &QCheckBox::toggled, this, &TextPanel::slotTextBKTransparent);
    connect(m_comingBox, &QCheckBox::toggled, this, &TextPanel::slotTextComingIntoBox);
    connect(m_comingCombo, activated, this, &TextPanel::mSlottextComingStyleChange);
    connect(m_comingSpeed, spun, this, &TextPanel::slotTextComingSpeedChanged);
    connect(m_outBox, &QCheckBox::toggled, this, &TextPanel::slotTextGoingOutBox);
    connect(m_outCombo, activated, this, &TextPanel::mSlottextOutStyleChange);
    connect(m_outSpeed, spun, this, &TextPanel::slotTextGoingOutSpeedChanged);
    connect(m_directionCombo, activated, this, &TextPanel::mSlotTextRollingChange);
    connect(m_endToEndBox, &QCheckBox::toggled, this, &TextPanel::slottextEndToEndBox);
    connect(m_intervalSpin, spun, this, &TextPanel::slottextIntervalOfCycleChanged);
    connect(m_rollingSpeedCombo, activated, this, &TextPanel::mtextRollingSpeedChange);
    connect(m_staySpin, spun, this, &TextPanel::slotTextStayTimeChanged);
    connect(m_completePlayBox, &QCheckBox::toggled, this, &TextPanel::slotTextCompletePlayBox);
    connect(m_durationEdit, &QTimeEdit::timeChanged, this, &TextPanel::slottextPlayDurationTimeChanged);
}

void TextPanel::resizeEvent(QResizeEvent *event)
{
    MediaPanel::resizeEvent(event);
    m_tabs->setGeometry(rect());
    m_textEdit->setGeometry(10, 4, width() - 20, 60);
}

void TextPanel::trUpdate()
{
    m_tabs->setTabText(0, tr("Text"));
    m_tabs->setTabText(1, tr("Property"));
    m_fontCaption->setText(tr("Font:"));
    m_sizeCaption->setText(tr("Size(px):"));
    m_colourfulCaption->setText(tr("Colorful characters:"));
    m_horizontalCaption->setText(tr("Horizontal alignment:"));
    m_spacingCaption->setText(tr("Spacing:"));
    m_kerningCaption->setText(tr("Kerning:"));
    m_backgroundCaption->setText(tr("Background:"));
    m_transparentBox->setText(tr("Transparent"));
    m_comingBox->setText(tr("Special Effect for Coming into the site"));
    m_outBox->setText(tr("Special Effect for going out from the site"));
    m_comingSpeedCaption->setText(tr("Speed:"));
    m_outSpeedCaption->setText(tr("Speed:"));
    m_directionCaption->setText(tr("Rolling Direction:"));
    m_endToEndBox->setText(tr("End to end"));
    m_intervalCaption->setText(tr("Interval of Cycles:"));
    m_intervalUnit->setText(tr("Pixel"));
    m_rollingSpeedCaption->setText(tr("Rolling speed:"));
    m_stayCaption->setText(tr("Stay Time:"));
    m_stayUnit->setText(tr("Sec"));
    m_completePlayBox->setText(tr("CompletePlay"));
    m_durationCaption->setText(tr("Play Duration:"));
    // The lists come back in the new language on the entries they showed; nothing is stored.
    using namespace MediaValueLists;
    const auto refill = [](QComboBox *combo, const QStringList &sources) {
        refillCombo(combo, translated(sources), qMax(0, combo->currentIndex()));
    };
    refill(m_colourfulCombo, colourful());
    refill(m_horizontalCombo, horizontalAlignments());
    refill(m_verticalCombo, verticalAlignments());
    refill(m_imageStyleCombo, imageStyles());
    refill(m_comingCombo, Effects::names(Effects::List::Entrance));
    refill(m_outCombo, Effects::names(Effects::List::Exit));
    refill(m_directionCombo, rollingDirections());
    m_backgroundChooser->retranslate();
}

// ---- fillers -------------------------------------------------------------

void TextPanel::refill()
{
    const QVLedMediaObject *item = host().curMedia();
    const MediaKindRow *row = item ? MediaKinds::find(item->kind) : nullptr;
    if (!row || row->family != family())
        return;
    switch (row->id) {
    case MediaKindId::SingleRowText:
        fillSingleRowText(*item);
        break;
    case MediaKindId::ScrollingText:
        fillScrollingText(*item);
        break;
    default:
        fillSimpleText(*item);
        break;
    }
}

void TextPanel::setEditorShown(bool shown)
{
    m_textEdit->setVisible(shown);
}

void TextPanel::fillSimpleText(const QVLedMediaObject &item)
{
    fill(item, Layout::Paged);
}

void TextPanel::fillSingleRowText(const QVLedMediaObject &item)
{
    fill(item, Layout::SingleRow);
}

void TextPanel::fillScrollingText(const QVLedMediaObject &item)
{
    fill(item, Layout::Scrolling);
}

void TextPanel::showRowsOf(Layout layout)
{
    const bool paged = layout == Layout::Paged;
    const bool scrolling = layout == Layout::Scrolling;
    setShown({m_horizontalCaption, m_horizontalCombo, m_verticalCaption, m_verticalCombo, m_spacingCaption,
              m_spacingSpin, m_kerningCaption, m_kerningSpin},
             paged);
    setShown({m_comingBox, m_comingCombo, m_comingSpeedCaption, m_comingSpeed, m_comingUnit, m_outBox, m_outCombo,
              m_outSpeedCaption, m_outSpeed, m_outUnit, m_stayCaption, m_staySpin, m_stayUnit},
             !scrolling);
    setShown({m_completePlayBox, m_durationCaption, m_durationEdit}, layout != Layout::SingleRow);
    setShown({m_directionCaption, m_directionCombo, m_endToEndBox, m_intervalCaption, m_intervalSpin, m_intervalUnit,
              m_rollingSpeedCaption, m_rollingSpeedCombo},
             scrolling);
}

QList<QObject *> TextPanel::valueControls() const
{
    return {m_textEdit,        m_familyCombo,       m_sizeCombo,          m_boldButton,     m_italicButton,
            m_underlineButton, m_textColourButton,  m_colourfulCombo,     m_horizontalCombo, m_verticalCombo,
            m_spacingSpin,     m_kerningSpin,       m_backgroundCombo,    m_backgroundColourButton,
            m_imageStyleCombo, m_transparentBox,    m_comingBox,          m_comingCombo,    m_comingSpeed,
            m_outBox,          m_outCombo,          m_outSpeed,           m_directionCombo, m_endToEndBox,
            m_intervalSpin,    m_rollingSpeedCombo, m_staySpin,           m_completePlayBox, m_durationEdit};
}

void TextPanel::fill(const QVLedMediaObject &item, Layout layout)
{
    const TextProperty &text = item.text;
    std::vector<QSignalBlocker> blockers;
    for (QObject *control : valueControls())
        blockers.emplace_back(control);
    showRowsOf(layout);
    m_textEdit->setPlainText(text.text);
    const int family = m_familyCombo->findText(text.fontFamily);
    if (family >= 0)
        m_familyCombo->setCurrentIndex(family);
    showIndex(m_sizeCombo, m_sizeCombo->findText(QString::number(text.fontSize)));
    m_boldButton->setChecked(text.bold);
    m_italicButton->setChecked(text.italic);
    m_underlineButton->setChecked(text.underline);
    m_textColourButton->setColour(text.textColour);
    showIndex(m_colourfulCombo, text.colourful);
    // An alignment the lists do not hold is read as the first one.
    m_horizontalCombo->setCurrentIndex(text.horizontalAlign >= 0 && text.horizontalAlign <= 2 ? text.horizontalAlign : 0);
    m_verticalCombo->setCurrentIndex(text.verticalAlign >= 0 && text.verticalAlign <= 2 ? text.verticalAlign : 0);
    m_spacingSpin->setValue(text.spacing);
    m_kerningSpin->setValue(text.kerning);
    showIndex(m_directionCombo, text.rollingDirection);
    m_endToEndBox->setChecked(text.endToEnd);
    m_intervalSpin->setValue(text.intervalOfCycle);
    m_intervalSpin->setEnabled(text.endToEnd);
    showIndex(m_rollingSpeedCombo, text.rollingSpeed - 1);
    fillBackground(text);
    m_comingBox->setChecked(text.comingOn);
    showIndex(m_comingCombo, text.comingStyle);
    m_comingSpeed->setValue(text.comingSpeed);
    m_comingCombo->setEnabled(text.comingOn);
    m_comingSpeed->setEnabled(text.comingOn);
    m_outBox->setChecked(text.goingOutOn);
    showIndex(m_outCombo, text.outStyle);
    m_outSpeed->setValue(text.outSpeed);
    m_outCombo->setEnabled(text.goingOutOn);
    m_outSpeed->setEnabled(text.goingOutOn);
    m_staySpin->setValue(text.stayTime);
    m_completePlayBox->setChecked(text.completePlay);
    m_durationEdit->setTime(text.playDuration);
    m_durationEdit->setEnabled(!text.completePlay);
}

void TextPanel::fillBackground(const TextProperty &text)
{
    // A picture background without a picture shows "Please Select background picture"; no dialog opens.
    m_backgroundChooser->fill(text.bgIsColour, text.bgPicture);
    m_backgroundColourButton->setColour(text.bgColour);
    m_transparentBox->setChecked(text.bgTransparent);
    showIndex(m_imageStyleCombo, text.bgImageStyle);
    m_backgroundCombo->setEnabled(!text.bgTransparent);
    m_backgroundColourButton->setEnabled(!text.bgTransparent && text.bgIsColour);
    m_imageStyleCombo->setEnabled(!text.bgTransparent && !text.bgIsColour);
}

// ---- the text and its font -----------------------------------------------

void TextPanel::slotTextTextChanged()
{
    if (!textChangeArmed) {
        textChangeArmed = true;
        return;
    }
    const QString text = m_textEdit->toPlainText();
    editCurrent([text](QVLedMediaObject &item) { item.text.text = text; });
}

void TextPanel::mSlotTextFamily(const QString &family)
{
    editCurrent([family](QVLedMediaObject &item) { item.text.fontFamily = family; });
}

void TextPanel::mSlotTextFontSize(const QString &size)
{
    const int points = size.toInt();
    editCurrent([points](QVLedMediaObject &item) { item.text.fontSize = points; });
}

void TextPanel::slotTextBChecked(bool on)
{
    editCurrent([on](QVLedMediaObject &item) { item.text.bold = on; });
}

void TextPanel::slotTextIChecked(bool on)
{
    editCurrent([on](QVLedMediaObject &item) { item.text.italic = on; });
}

void TextPanel::slotTextUChecked(bool on)
{
    editCurrent([on](QVLedMediaObject &item) { item.text.underline = on; });
}

void TextPanel::slotTextColorSet()
{
    const QColor colour = m_textColourButton->colour();
    editCurrent([colour](QVLedMediaObject &item) { item.text.textColour = colour; });
}

void TextPanel::slotShowTextColorDialog()
{
    m_textColourButton->click();
}

void TextPanel::m_textColorfulBoxChanged(int index)
{
    if (index >= 0)
        editCurrent([index](QVLedMediaObject &item) { item.text.colourful = index; });
}

void TextPanel::slotTextHorizontalChanged(int index)
{
    if (index >= 0)
        editCurrent([index](QVLedMediaObject &item) { item.text.horizontalAlign = index; });
}

void TextPanel::m_textVerticalBoxChanged(int index)
{
    if (index >= 0)
        editCurrent([index](QVLedMediaObject &item) { item.text.verticalAlign = index; });
}

void TextPanel::slotTextSPacingChanged(int value)
{
    editCurrentOfKind(MediaKindId::SimpleText, [value](QVLedMediaObject &item) { item.text.spacing = value; });
}

void TextPanel::slotTextKerningChanged(int value)
{
    editCurrent([value](QVLedMediaObject &item) { item.text.kerning = value; });
}

// ---- background ------------------------------------------------------------

void TextPanel::onBackgroundChosen(BackgroundChooser::Choice choice)
{
    mSlotTextBKChange(int(choice));
}

void TextPanel::mSlotTextBKChange(int index)
{
    if (index < 0 || index > 2)
        return;
    const bool colour = index == 0;
    m_imageStyleCombo->setEnabled(!colour);
    m_backgroundColourButton->setEnabled(colour);
    const QString picture = m_backgroundChooser->picture();
    editCurrent([index, picture](QVLedMediaObject &item) {
        item.text.bgIsColour = index == 0;
        // A cancelled picture choice keeps the picture there was.
        if (index == 2)
            item.text.bgPicture = picture;
    });
}

void TextPanel::slotTextBKColorSet()
{
    const QColor colour = m_backgroundColourButton->colour();
    editCurrent([colour](QVLedMediaObject &item) { item.text.bgColour = colour; });
}

void TextPanel::slotShowTextBKColorDialog()
{
    m_backgroundColourButton->click();
}

void TextPanel::slottextBKImageStyleChange(int index)
{
    editCurrent([index](QVLedMediaObject &item) { item.text.bgImageStyle = index; });
}

void TextPanel::slotTextBKTransparent(bool on)
{
    m_backgroundCombo->setEnabled(!on);
    m_imageStyleCombo->setEnabled(!on);
    m_backgroundColourButton->setEnabled(!on);
    editCurrent([on](QVLedMediaObject &item) { item.text.bgTransparent = on; });
}

// ---- effects and stays -----------------------------------------------------

void TextPanel::slotTextComingIntoBox(bool on)
{
    m_comingCombo->setEnabled(on);
    m_comingSpeed->setEnabled(on);
    editCurrent([on](QVLedMediaObject &item) { item.text.comingOn = on; });
}

void TextPanel::mSlottextComingStyleChange(int index)
{
    editCurrent([index](QVLedMediaObject &item) { item.text.comingStyle = index; });
}

void TextPanel::slotTextComingSpeedChanged(int value)
{
    editCurrent([value](QVLedMediaObject &item) { item.text.comingSpeed = value; });
}

void TextPanel::slotTextGoingOutBox(bool on)
{
    m_outCombo->setEnabled(on);
    m_outSpeed->setEnabled(on);
    editCurrent([on](QVLedMediaObject &item) { item.text.goingOutOn = on; });
}

void TextPanel::mSlottextOutStyleChange(int index)
{
    editCurrent([index](QVLedMediaObject &item) { item.text.outStyle = index; });
}

void TextPanel::slotTextGoingOutSpeedChanged(int value)
{
    editCurrent([value](QVLedMediaObject &item) { item.text.outSpeed = value; });
}

void TextPanel::slotTextStayTimeChanged(int seconds)
{
    editCurrent([seconds](QVLedMediaObject &item) { item.text.stayTime = seconds; });
}

void TextPanel::slotTextCompletePlayBox(bool on)
{
    m_durationEdit->setEnabled(!on);
    editCurrent([on](QVLedMediaObject &item) { item.text.completePlay = on; });
}

void TextPanel::slottextPlayDurationTimeChanged(const QTime &duration)
{
    editCurrent([duration](QVLedMediaObject &item) { item.text.playDuration = duration; });
}

// ---- rolling ---------------------------------------------------------------

void TextPanel::mSlotTextRollingChange(int index)
{
    editCurrentOfKind(MediaKindId::ScrollingText, [index](QVLedMediaObject &item) { item.text.rollingDirection = index; });
}

void TextPanel::slottextEndToEndBox(bool on)
{
    const QVLedMediaObject *item = host().curMedia();
    const MediaKindRow *row = item ? MediaKinds::find(item->kind) : nullptr;
    if (row && row->id == MediaKindId::ScrollingText)
        m_intervalSpin->setEnabled(on);
    editCurrentOfKind(MediaKindId::ScrollingText, [on](QVLedMediaObject &item) { item.text.endToEnd = on; });
}

void TextPanel::slottextIntervalOfCycleChanged(int value)
{
    editCurrent([value](QVLedMediaObject &item) { item.text.intervalOfCycle = value; });
}

void TextPanel::mtextRollingSpeedChange(int index)
{
    // Entry i stands for speed i + 1.
    editCurrentOfKind(MediaKindId::ScrollingText, [index](QVLedMediaObject &item) { item.text.rollingSpeed = index + 1; });
}
