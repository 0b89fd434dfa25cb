#pragma once

// The video panel: the path, volume, play range, scale, rotation and cover
// text of a "video" item, with live edits of the preview player. It also shows
// the length and position the preview player reports, and keeps the edits of
// the cover text, which its "Edit Text" dialog and the main window's cover
// slots write through.

#include "panels/MediaPanel.h"
#include "panels/VideoRange.h"

#include <QTime>

class BackgroundChooser;
class ColourButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;
class QTimeEdit;
class VideoProperty;

class VideoPanel : public MediaPanel
{
    Q_OBJECT

public:
    VideoPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
    // Shows the item's video block; runs no slot and stores nothing.
    void fill(const VideoProperty &video);

    // The length of the file `item` has open: stored in that item (an end of
    // 00:00:01 becomes the length too) and shown when it is the current item.
    void setVideoRange(QVLedMediaObject *item, float seconds);
    // The position of the current item's file.
    void setVideoProgress(int seconds);
    static QString secondsToTimeText(int seconds);

    // Builds the cover dialog for the current item, runs it and frees it.
    void editCoverText();

    // ---- the cover slots (the dialog's and the main window's) ----
    void slotVideoCoverTextFamily(const QString &family);
    void slotVideoCoverTextFontSize(const QString &size);
    void slotVideoCoverTextBChecked(bool on);
    void slotVideoCoverTextIChecked(bool on);
    void slotVideoCoverTextUChecked(bool on);
    void slotVideoCoverTextColorSet(const QColor &colour);
    void slotVideoCoverColorful(int index);
    void slotVideoCoverRollState(int state);
    void slotVideoCoverDirect(int index);
    void slotVideoCoverSpeed(int index);
    void slotRollTextYChange(int y);
    void slotVideoCoverTextChanged(const QString &text);
    void slotvideoCoverTextBoxChecked(bool on);
    void slotvideoCoverTextBox(bool checked);

    // ---- the panel's own slots ----
    void slotVideoVolumeChanged(int volume);
    void slotVideoVolumeEanble(bool muted);
    void slotVideoSeek(int seconds);
    void slotvideoStartTimeChanged(const QTime &time);
    void slotvideoEndTimeChanged(const QTime &time);
    void slotVideoExceptBox(bool on);
    void SlotvideoScaleType(int index);
    void SlotvideoRotate(int index);
    void SlotvideooBackgroundType(int choice, const QString &picture);
    void slotvideoBKColorSet(const QColor &colour);
    void Slotm_videoBKImageStyle(int index);

    // Controls the tests drive.
    QSlider *volumeSlider() const { return m_volume; }
    QSlider *positionSlider() const { return m_position; }
    QTimeEdit *startEdit() const { return m_start; }
    QTimeEdit *endEdit() const { return m_end; }
    QTimeEdit *durationEdit() const { return m_duration; }
    QCheckBox *rangeBox() const { return m_rangeBox; }
    QCheckBox *coverBox() const { return m_coverBox; }
    QPushButton *editTextButton() const { return m_editText; }
    QPushButton *muteButton() const { return m_mute; }
    QComboBox *scaleCombo() const { return m_scale; }
    QComboBox *rotationCombo() const { return m_rotation; }
    QString positionText() const;

protected:
    // The tab widget follows the panel's size (the main window maximised or restored).
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildShowPage();
    void buildBackgroundPage();
    // Writes the current item's cover field (a video item only), refreshes
    // the cover and reports the change.
    void editCover(const Write &write);
    // Corrects and stores the range after an edit of one end.
    void rangeEdited(VideoRange::Edited which);
    void showRange(const VideoRange::Range &range);

    QTabWidget *m_tabs = nullptr;
    QLabel *m_showPage = nullptr;
    QLabel *m_pathLabel = nullptr;
    QLineEdit *m_path = nullptr;
    QLabel *m_volumeLabel = nullptr;
    QSlider *m_volume = nullptr;
    QPushButton *m_mute = nullptr;
    QLabel *m_positionLabel = nullptr;
    QSlider *m_position = nullptr;
    QLabel *m_positionText = nullptr;
    QLabel *m_durationLabel = nullptr;
    QTimeEdit *m_duration = nullptr;
    QCheckBox *m_coverBox = nullptr;
    QPushButton *m_editText = nullptr;
    QCheckBox *m_rangeBox = nullptr;
    QLabel *m_startLabel = nullptr;
    QTimeEdit *m_start = nullptr;
    QLabel *m_endLabel = nullptr;
    QTimeEdit *m_end = nullptr;
    QLabel *m_scaleLabel = nullptr;
    QComboBox *m_scale = nullptr;
    QLabel *m_rotationLabel = nullptr;
    QComboBox *m_rotation = nullptr;
    // The background page: built and wired, never shown.
    QLabel *m_backgroundPage = nullptr;
    QLabel *m_backgroundLabel = nullptr;
    QComboBox *m_background = nullptr;
    BackgroundChooser *m_backgroundChooser = nullptr;
    ColourButton *m_backgroundColour = nullptr;
    QComboBox *m_imageStyle = nullptr;
    QTime m_knownLength{0, 0}; // the last length reported, 00:00:00 when none
};
