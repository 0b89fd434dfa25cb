// The image panel of "image" and "office" items.

#include "panels/ImagePanel.h"

#include "base/Prompts.h"
#include "model/Effects.h"
#include "model/QVLedMediaObject.h"
#include "panels/PanelHost.h"
#include "panels/controls/ColourButton.h"
#include "panels/controls/FillGuard.h"
#include "panels/controls/MediaValueLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyle>

// 220 pixels high, against the lower edge of the window panel.
ImagePanel::ImagePanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::Image, windowPanel, 220, 220)
{
    build();
    trUpdate();
}

QLabel *ImagePanel::label(int x, int y, int width, int height)
{
    auto *caption = new QLabel(this);
    caption->setGeometry(x, y, width, height);
    return caption;
}

void ImagePanel::build()
{
    m_pathCaption = label(10, 6, 80);
    m_pathEdit = new QLineEdit(this);
    m_pathEdit->setGeometry(90, 6, 500, 26);
    m_pathEdit->setReadOnly(true);

    m_backgroundCaption = label(10, 36, 120);
    m_backgroundCombo = new QComboBox(this);
    m_backgroundCombo->setGeometry(130, 36, 270, 26);
    m_backgroundChooser = new BackgroundChooser(m_backgroundCombo, BackgroundChooser::colourFirst, this);
    connect(m_backgroundChooser, &BackgroundChooser::sigChosen, this, &ImagePanel::onBackgroundChosen);
    m_colourButton = new ColourButton(this, QSize(60, 26), QRect(6, 4, 48, 18));
    m_colourButton->move(400, 36);
    connect(m_colourButton, &ColourButton::sigColourChosen, this, &ImagePanel::slotimageBKColorSet);

    m_musicCaption = label(10, 66, 150);
    m_musicEdit = new QLineEdit(this);
    m_musicEdit->setGeometry(160, 66, 440, 26);
    m_musicButton = new QPushButton(this);
    m_musicButton->setGeometry(600, 66, 26, 26);
    m_musicButton->setIcon(style()->standardIcon(QStyle::SP_DirIcon));
    connect(m_musicButton, &QPushButton::clicked, this, &ImagePanel::slotLoadImageBKMusic);

    m_comingBox = new QCheckBox(this);
    m_comingBox->setGeometry(10, 96, 300, 26);
    connect(m_comingBox, &QCheckBox::toggled, this, &ImagePanel::slotImageComingBox);
    m_comingCombo = new QComboBox(this);
    m_comingCombo->setGeometry(310, 96, 200, 26);
    m_comingCombo->setEnabled(false);
    connect(m_comingCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &ImagePanel::slotImageComingStyle);
    label(510, 96, 40);
    m_comingSpeed = new QSpinBox(this);
    m_comingSpeed->setGeometry(550, 96, 45, 26);
    m_comingSpeed->setRange(1, 10);
    m_comingSpeed->setEnabled(false);
    connect(m_comingSpeed, qOverload<int>(&QSpinBox::valueChanged), this, &ImagePanel::slotImageComingSpeed);
    m_comingUnit = label(600, 96, 40);

    m_outBox = new QCheckBox(this);
    m_outBox->setGeometry(10, 126, 300, 26);
    connect(m_outBox, &QCheckBox::toggled, this, &ImagePanel::slotImageGoingOutBox);
    m_outCombo = new QComboBox(this);
    m_outCombo->setGeometry(310, 126, 200, 26);
    connect(m_outCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &ImagePanel::slotImageOutStyle);
    label(510, 126, 40);
    m_outSpeed = new QSpinBox(this);
    m_outSpeed->setGeometry(550, 126, 45, 26);
    m_outSpeed->setRange(1, 10);
    connect(m_outSpeed, qOverload<int>(&QSpinBox::valueChanged), this, &ImagePanel::slotImageOutSpeed);
    m_outUnit = label(600, 126, 40);

    m_scaleCaption = label(10, 156, 80);
    m_scaleCombo = new QComboBox(this);
    m_scaleCombo->setGeometry(90, 156, 300, 26);
    connect(m_scaleCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &ImagePanel::slotimageScaleType);
    m_stayCaption = label(400, 156, 120);
    m_staySpin = new QSpinBox(this);
    m_staySpin->setGeometry(520, 156, 50, 26);
    m_staySpin->setRange(1, 10000);
    connect(m_staySpin, qOverload<int>(&QSpinBox::valueChanged), this, &ImagePanel::slotimageStayTime);
    m_stayUnit = label(570, 156, 40);

    m_transparencyCaption = label(10, 186, 120);
    m_transparencySlider = new QSlider(Qt::Horizontal, this);
    m_transparencySlider->setGeometry(130, 186, 200, 26);
    m_transparencySlider->setRange(0, 10);
    connect(m_transparencySlider, &QSlider::valueChanged, this, &ImagePanel::slotimageTransparentSlider);
    m_rotationCaption = label(350, 186, 130);
    m_rotationCombo = new QComboBox(this);
    m_rotationCombo->setGeometry(480, 186, 90, 26);
    connect(m_rotationCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &ImagePanel::slotimageRotateAngle);
}

void ImagePanel::trUpdate()
{
    m_pathCaption->setText(tr("Path:"));
    m_backgroundCaption->setText(tr("Background:"));
    m_musicCaption->setText(tr("Background Music:"));
    m_comingBox->setText(tr("Special Effect for Coming into the site"));
    m_outBox->setText(tr("Special Effect for going out from the site"));
    m_comingUnit->setText(tr("0.1s"));
    m_outUnit->setText(tr("0.1s"));
    m_scaleCaption->setText(tr("Scale:"));
    m_stayCaption->setText(tr("Stay Time:"));
    m_stayUnit->setText(tr("S"));
    m_transparencyCaption->setText(tr("Transparency:"));
    m_rotationCaption->setText(tr("Rotation angle:"));
    // The lists come back in the new language, on the entries they showed; nothing is stored.
    using namespace MediaValueLists;
    refillCombo(m_comingCombo, translated(Effects::names(Effects::List::ImageEntrance)),
                qMax(0, m_comingCombo->currentIndex()));
    refillCombo(m_outCombo, translated(Effects::names(Effects::List::Exit)), qMax(0, m_outCombo->currentIndex()));
    refillCombo(m_scaleCombo, translated(scaleTypes()), qMax(0, m_scaleCombo->currentIndex()));
    refillCombo(m_rotationCombo, translated(rotations()), qMax(0, m_rotationCombo->currentIndex()));
    m_backgroundChooser->retranslate();
}

void ImagePanel::refill()
{
    const QVLedMediaObject *item = host().curMedia();
    MediaFamily itemFamily;
    if (item && MediaKinds::familyOf(item->kind, &itemFamily) && itemFamily == family())
        fill(*item);
}

void ImagePanel::fill(const QVLedMediaObject &item)
{
    const ImageProperty &image = item.image;
    const FillGuard guard{m_pathEdit,     m_backgroundCombo, m_musicEdit, m_comingBox,          m_comingCombo,
                          m_comingSpeed,  m_outBox,          m_outCombo,  m_outSpeed,           m_scaleCombo,
                          m_staySpin,     m_transparencySlider, m_rotationCombo, m_colourButton};
    m_pathEdit->setText(image.path);
    // A picture background without a picture shows "Please Select background picture"; no dialog opens.
    m_backgroundChooser->fill(image.bgIsColour, image.bgPicture);
    m_colourButton->setColour(image.bgColour);
    m_colourButton->setEnabled(image.bgIsColour);
    m_musicEdit->setText(image.musicPath);
    m_comingBox->setChecked(image.comingOn);
    m_comingCombo->setEnabled(image.comingOn);
    m_comingSpeed->setEnabled(image.comingOn);
    m_outBox->setChecked(image.goingOutOn);
    m_outCombo->setEnabled(image.goingOutOn);
    m_outSpeed->setEnabled(image.goingOutOn);
    m_comingCombo->setCurrentIndex(image.comingStyle);
    m_outCombo->setCurrentIndex(image.outStyle);
    m_comingSpeed->setValue(image.comingSpeed);
    m_outSpeed->setValue(image.outSpeed);
    m_scaleCombo->setCurrentIndex(image.scaleType);
    m_staySpin->setValue(image.stayTime);
    m_transparencySlider->setValue(image.transparency);
    m_rotationCombo->setCurrentIndex(image.rotateAngle);
}

// ---- property slots ----------------------------------------------------

void ImagePanel::slotImageComingBox(bool on)
{
    m_comingCombo->setEnabled(on);
    m_comingSpeed->setEnabled(on);
    editCurrent([on](QVLedMediaObject &item) { item.image.comingOn = on; });
}

void ImagePanel::slotImageComingStyle(int index)
{
    editCurrent([index](QVLedMediaObject &item) { item.image.comingStyle = index; });
}

void ImagePanel::slotImageComingSpeed(int speed)
{
    editCurrent([speed](QVLedMediaObject &item) { item.image.comingSpeed = speed; });
}

void ImagePanel::slotImageGoingOutBox(bool on)
{
    m_outCombo->setEnabled(on);
    m_outSpeed->setEnabled(on);
    editCurrent([on](QVLedMediaObject &item) { item.image.goingOutOn = on; });
}

void ImagePanel::slotImageOutStyle(int index)
{
    editCurrent([index](QVLedMediaObject &item) { item.image.outStyle = index; });
}

void ImagePanel::slotImageOutSpeed(int speed)
{
    editCurrent([speed](QVLedMediaObject &item) { item.image.outSpeed = speed; });
}

void ImagePanel::slotimageScaleType(int index)
{
    editCurrent([index](QVLedMediaObject &item) { item.image.scaleType = index; });
}

void ImagePanel::slotimageStayTime(int seconds)
{
    editCurrent([seconds](QVLedMediaObject &item) { item.image.stayTime = seconds; });
}

void ImagePanel::slotimageTransparentSlider(int value)
{
    editCurrent([value](QVLedMediaObject &item) { item.image.transparency = value; });
}

void ImagePanel::slotimageRotateAngle(int index)
{
    editCurrent([index](QVLedMediaObject &item) { item.image.rotateAngle = index; });
}

void ImagePanel::slotimageBKColorSet()
{
    const QColor colour = m_colourButton->colour();
    editCurrent([colour](QVLedMediaObject &item) {
        item.image.bgColour = colour;
        item.image.bgIsColour = true;
    });
}

void ImagePanel::slotShowimageBKColorDialog()
{
    m_colourButton->click();
}

void ImagePanel::slotLoadImageBKMusic()
{
    const QString path = Prompts::current().openFileName(
        host().dialogParent(), tr("Open"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        tr("audio(*.mp3 *.wav)"));
    if (path.isEmpty())
        return;
    m_musicEdit->setText(path);
    editCurrent([path](QVLedMediaObject &item) { item.image.musicPath = path; });
}

void ImagePanel::onBackgroundChosen(BackgroundChooser::Choice choice)
{
    slotimageBackgroundChanged(int(choice));
}

void ImagePanel::slotimageBackgroundChanged(int index)
{
    const QString picture = m_backgroundChooser->picture();
    switch (index) {
    case 0:
        m_colourButton->setEnabled(true);
        editCurrent([](QVLedMediaObject &item) { item.image.bgIsColour = true; });
        return;
    case 1:
        // The picture dialog was cancelled: the colour button goes, the record stays.
        m_colourButton->setEnabled(false);
        editCurrent([](QVLedMediaObject &) {});
        return;
    case 2:
        m_colourButton->setEnabled(false);
        editCurrent([picture](QVLedMediaObject &item) {
            item.image.bgPicture = picture;
            item.image.bgIsColour = false;
        });
        return;
    default:
        return; // the combo was emptied
    }
}
