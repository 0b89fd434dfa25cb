#pragma once

// The image panel: background, music, effects, scale, stay time, transparency
// and rotation of an "image" or "office" item. Every control writes one
// field of the current item, refreshes its preview and reports the change;
// filling the panel from an item writes nothing and opens no dialog.

#include "panels/MediaPanel.h"
#include "panels/controls/BackgroundChooser.h"

class ColourButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

class ImagePanel : public MediaPanel
{
    Q_OBJECT

public:
    ImagePanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
    // Shows the current item again, when it is a picture or an Office document.
    void refill() override;
    // Shows the item's image block (Widget::updateImageProperty).
    void fill(const QVLedMediaObject &item);

public slots:
    void slotImageComingBox(bool on);
    void slotImageComingStyle(int index);
    void slotImageComingSpeed(int speed);
    void slotImageGoingOutBox(bool on);
    void slotImageOutStyle(int index);
    void slotImageOutSpeed(int speed);
    void slotimageScaleType(int index);
    void slotimageStayTime(int seconds);
    void slotimageTransparentSlider(int value);
    void slotimageRotateAngle(int index);
    // The colour just chosen becomes the background.
    void slotimageBKColorSet();
    void slotShowimageBKColorDialog();
    void slotLoadImageBKMusic();
    // 0 colour, 1 a picture was asked for and none chosen, 2 the picture of entry 2.
    void slotimageBackgroundChanged(int index);

private:
    void build();
    void onBackgroundChosen(BackgroundChooser::Choice choice);
    QLabel *label(int x, int y, int width, int height = 26);

    QLabel *m_pathCaption = nullptr;
    QLineEdit *m_pathEdit = nullptr;
    QLabel *m_backgroundCaption = nullptr;
    QComboBox *m_backgroundCombo = nullptr;
    BackgroundChooser *m_backgroundChooser = nullptr;
    ColourButton *m_colourButton = nullptr;
    QLabel *m_musicCaption = nullptr;
    QLineEdit *m_musicEdit = nullptr;
    QPushButton *m_musicButton = nullptr;
    QCheckBox *m_comingBox = nullptr;
    QComboBox *m_comingCombo = nullptr;
    QSpinBox *m_comingSpeed = nullptr;
    QLabel *m_comingUnit = nullptr;
    QCheckBox *m_outBox = nullptr;
    QComboBox *m_outCombo = nullptr;
    QSpinBox *m_outSpeed = nullptr;
    QLabel *m_outUnit = nullptr;
    QLabel *m_scaleCaption = nullptr;
    QComboBox *m_scaleCombo = nullptr;
    QLabel *m_stayCaption = nullptr;
    QSpinBox *m_staySpin = nullptr;
    QLabel *m_stayUnit = nullptr;
    QLabel *m_transparencyCaption = nullptr;
    QSlider *m_transparencySlider = nullptr;
    QLabel *m_rotationCaption = nullptr;
    QComboBox *m_rotationCombo = nullptr;
};
