// The video panel: its controls, its filler, its slots and the reports of
// the preview player.

#include "panels/VideoPanel.h"

#include "base/Prompts.h"
#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "model/VideoLength.h"
#include "panels/CommonFontSetDialog.h"
#include "panels/PanelHost.h"
#include "panels/controls/BackgroundChooser.h"
#include "panels/controls/ColourButton.h"
#include "panels/controls/FillGuard.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QTimeEdit>

namespace {

const QTime kMidnight(0, 0);

bool isVideo(const QVLedMediaObject &item)
{
    const MediaKindRow *row = MediaKinds::find(item.kind);
    return row && row->id == MediaKindId::Video;
}

// Two digits below 10, else the plain number.
QString twoDigits(int value)
{
    return value < 10 ? QStringLiteral("0%1").arg(value) : QString::number(value);
}

} // namespace

// 220 pixels high, against the lower edge of the window panel.
VideoPanel::VideoPanel(PanelHost &host, QWidget *windowPanel) : MediaPanel(host, MediaFamily::Video, windowPanel, 220, 220)
{
    m_tabs = new QTabWidget(this);
    m_tabs->setFixedSize(size());
    m_showPage = new QLabel;
    buildShowPage();
    m_tabs->addTab(m_showPage, QString());
    buildBackgroundPage();
    trUpdate();
}

void VideoPanel::resizeEvent(QResizeEvent *event)
{
    MediaPanel::resizeEvent(event);
    m_tabs->setFixedSize(size());
}

void VideoPanel::buildShowPage()
{
    QLabel *page = m_showPage;
    m_pathLabel = new QLabel(page);
    m_pathLabel->setGeometry(10, 6, 80, 26);
    m_path = new QLineEdit(page);
    m_path->setGeometry(90, 6, 520, 26);
    m_path->setReadOnly(true);

    m_volumeLabel = new QLabel(page);
    m_volumeLabel->setGeometry(10, 36, 80, 26);
    m_volume = new QSlider(Qt::Horizontal, page);
    m_volume->setGeometry(90, 36, 520, 26);
    m_volume->setRange(0, 100);
    connect(m_volume, &QSlider::valueChanged, this, &VideoPanel::slotVideoVolumeChanged);
    m_mute = new QPushButton(page);
    m_mute->setGeometry(614, 36, 26, 26);
    m_mute->setCheckable(true);
    m_mute->setIcon(QApplication::style()->standardIcon(QStyle::SP_MediaVolume));
    m_mute->setIconSize(QSize(26, 26));
    connect(m_mute, &QPushButton::toggled, this, &VideoPanel::slotVideoVolumeEanble);

    m_positionLabel = new QLabel(page);
    m_positionLabel->setGeometry(10, 66, 80, 26);
    m_position = new QSlider(Qt::Horizontal, page);
    m_position->setGeometry(90, 66, 520, 26);
    connect(m_position, &QSlider::sliderMoved, this, &VideoPanel::slotVideoSeek);
    m_positionText = new QLabel(QStringLiteral("00:00:00"), page);
    m_positionText->setGeometry(614, 66, 60, 26);

    m_durationLabel = new QLabel(page);
    m_durationLabel->setGeometry(10, 96, 80, 26);
    m_duration = new QTimeEdit(page);
    m_duration->setGeometry(90, 96, 150, 26);
    m_duration->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    m_duration->setReadOnly(true);
    m_coverBox = new QCheckBox(page);
    m_coverBox->setGeometry(250, 96, 150, 26);
    // toggled comes before clicked: the switch is stored before the dialog opens.
    connect(m_coverBox, &QCheckBox::toggled, this, &VideoPanel::slotvideoCoverTextBoxChecked);
    connect(m_coverBox, &QCheckBox::clicked, this, &VideoPanel::slotvideoCoverTextBox);
    m_editText = new QPushButton(page);
    m_editText->setGeometry(400, 96, 120, 26);
    m_editText->setEnabled(false);
    connect(m_editText, &QPushButton::clicked, this, &VideoPanel::editCoverText);

    m_rangeBox = new QCheckBox(page);
    m_rangeBox->setGeometry(10, 126, 80, 26);
    connect(m_rangeBox, &QCheckBox::toggled, this, &VideoPanel::slotVideoExceptBox);
    m_startLabel = new QLabel(page);
    m_startLabel->setGeometry(90, 126, 100, 26);
    m_start = new QTimeEdit(page);
    m_start->setGeometry(190, 126, 150, 26);
    m_start->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    connect(m_start, &QTimeEdit::timeChanged, this, &VideoPanel::slotvideoStartTimeChanged);
    m_endLabel = new QLabel(page);
    m_endLabel->setGeometry(360, 126, 100, 26);
    m_end = new QTimeEdit(page);
    m_end->setGeometry(460, 126, 150, 26);
    m_end->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    connect(m_end, &QTimeEdit::timeChanged, this, &VideoPanel::slotvideoEndTimeChanged);

    m_scaleLabel = new QLabel(page);
    m_scaleLabel->setGeometry(10, 156, 80, 26);
    m_scale = new QComboBox(page);
    m_scale->setGeometry(90, 156, 150, 26);
    connect(m_scale, QOverload<int>::of(&QComboBox::activated), this, &VideoPanel::SlotvideoScaleType);
    m_rotationLabel = new QLabel(page);
    m_rotationLabel->setGeometry(260, 156, 120, 26);
    m_rotation = new QComboBox(page);
    m_rotation->setGeometry(380, 156, 150, 26);
    connect(m_rotation, QOverload<int>::of(&QComboBox::activated), this, &VideoPanel::SlotvideoRotate);
}

void VideoPanel::buildBackgroundPage()
{
    // Wired like the other panels' background pages, but never offered.
    m_backgroundPage = new QLabel(this);
    m_backgroundPage->hide();
    m_backgroundLabel = new QLabel(m_backgroundPage);
    m_backgroundLabel->setGeometry(10, 6, 100, 26);
    m_background = new QComboBox(m_backgroundPage);
    m_background->setGeometry(110, 6, 300, 26);
    m_backgroundChooser = new BackgroundChooser(m_background, BackgroundChooser::colourFirst, this);
    connect(m_backgroundChooser, &BackgroundChooser::sigChosen, this,
            [this](BackgroundChooser::Choice choice, const QString &picture) {
                SlotvideooBackgroundType(int(choice), picture);
            });
    m_backgroundColour = new ColourButton(m_backgroundPage, QSize(60, 26), QRect(6, 4, 48, 18));
    m_backgroundColour->move(414, 6);
    connect(m_backgroundColour, &ColourButton::sigColourChosen, this, &VideoPanel::slotvideoBKColorSet);
    m_imageStyle = new QComboBox(m_backgroundPage);
    m_imageStyle->setGeometry(480, 6, 60, 26);
    connect(m_imageStyle, QOverload<int>::of(&QComboBox::activated), this, &VideoPanel::Slotm_videoBKImageStyle);
}

void VideoPanel::trUpdate()
{
    m_tabs->setTabText(0, tr("Show"));
    m_pathLabel->setText(tr("Path:"));
    m_volumeLabel->setText(tr("Volume:"));
    m_positionLabel->setText(tr("Position:"));
    m_durationLabel->setText(tr("Duration:"));
    m_coverBox->setText(tr("Overlayed Text"));
    m_editText->setText(tr("Edit Text"));
    m_rangeBox->setText(tr("Except"));
    m_startLabel->setText(tr("Starting time:"));
    m_endLabel->setText(tr("End time:"));
    m_scaleLabel->setText(tr("Scale:"));
    m_rotationLabel->setText(tr("Rotation angle:"));
    m_backgroundLabel->setText(tr("Background:"));
    refillCombo(m_scale, {tr("Fill"), tr("Original Scale")}, m_scale->currentIndex());
    refillCombo(m_rotation, {tr("None"), tr("90"), tr("180"), tr("270")}, m_rotation->currentIndex());
    refillCombo(m_imageStyle, {tr("Tile"), tr("Stretch")}, m_imageStyle->currentIndex());
    m_backgroundChooser->retranslate();
}

QString VideoPanel::positionText() const
{
    return m_positionText->text();
}

// ---- filling -------------------------------------------------------------

void VideoPanel::fill(const VideoProperty &video)
{
    // Selecting an item shows it; it writes nothing back, into it or into the item before.
    FillGuard guard{m_volume, m_coverBox, m_rangeBox, m_start, m_end, m_scale, m_rotation, m_background,
                    m_imageStyle};
    m_path->setText(video.path);
    m_volume->setValue(video.volume);
    if (video.rangeOn)
        m_position->setValue(int(kMidnight.secsTo(video.startTime)));
    m_coverBox->setChecked(video.coverOn);
    m_editText->setEnabled(video.coverOn);
    m_rangeBox->setChecked(video.rangeOn);
    m_start->setEnabled(video.rangeOn);
    m_end->setEnabled(video.rangeOn);
    m_start->setTime(video.startTime);
    m_end->setTime(video.endTime);
    m_scale->setCurrentIndex(video.scaleType);
    m_rotation->setCurrentIndex(video.rotate);
    m_backgroundChooser->fill(video.bgIsColour, video.bgPicture);
    m_backgroundColour->setColour(video.bgColour);
    m_backgroundColour->setEnabled(video.bgIsColour);
    m_imageStyle->setEnabled(!video.bgIsColour);
}

// ---- reports of the preview player ------------------------------------------

void VideoPanel::setVideoRange(QVLedMediaObject *item, float seconds)
{
    if (!item || !isVideo(*item))
        return;
    const QTime length = VideoLength::asTime(seconds);
    item->video.duration = length;
    if (item->video.endTime == QTime(0, 0, 1))
        item->video.endTime = length;
    if (item != host().curMedia())
        return; // another item's file: the panel shows the selected one
    m_knownLength = length;
    m_position->setRange(0, int(qMin<double>(seconds, 24 * 3600 - 1)));
    m_duration->setTime(length);
    FillGuard guard{m_end};
    m_end->setTime(item->video.endTime);
}

void VideoPanel::setVideoProgress(int seconds)
{
    m_position->setValue(seconds);
    m_positionText->setText(secondsToTimeText(seconds));
}

QString VideoPanel::secondsToTimeText(int s)
{
    if (s < 10)
        return QStringLiteral("00:00:0%1").arg(s);
    if (s < 60)
        return QStringLiteral("00:00:%1").arg(s);
    if (s < 3600)
        return QStringLiteral("00:%1:%2").arg(twoDigits(s / 60), twoDigits(s % 60));
    const int rest = s % 3600;
    return QStringLiteral("%1:%2:%3").arg(twoDigits(s / 3600), twoDigits(rest / 60), twoDigits(rest % 60));
}

// ---- live edits -------------------------------------------------------------

void VideoPanel::slotVideoVolumeChanged(int volume)
{
    if (!editCurrentOfKind(MediaKindId::Video, [volume](QVLedMediaObject &item) { item.video.volume = volume; },
                           Preview::Skip))
        return;
    if (!host().curDisplayPlays())
        host().editVideoPlayer(PanelHost::VideoEdit::Volume, volume);
}

void VideoPanel::slotVideoVolumeEanble(bool muted)
{
    m_mute->setIcon(QApplication::style()->standardIcon(muted ? QStyle::SP_MediaVolumeMuted : QStyle::SP_MediaVolume));
    m_volume->setValue(muted ? 0 : 100); // the slider's own slot stores and applies it
}

void VideoPanel::slotVideoSeek(int seconds)
{
    if (host().curDisplayPlays())
        return;
    m_positionText->setText(secondsToTimeText(seconds));
    host().editVideoPlayer(PanelHost::VideoEdit::Seek, seconds);
}

void VideoPanel::SlotvideoScaleType(int index)
{
    if (!editCurrentOfKind(MediaKindId::Video, [index](QVLedMediaObject &item) { item.video.scaleType = index; },
                           Preview::Skip))
        return;
    host().editVideoPlayer(PanelHost::VideoEdit::Scale, index); // also while it plays
}

void VideoPanel::SlotvideoRotate(int index)
{
    if (!editCurrentOfKind(MediaKindId::Video, [index](QVLedMediaObject &item) { item.video.rotate = index; },
                           Preview::Skip))
        return;
    // "None" reads as 0.
    host().editVideoPlayer(PanelHost::VideoEdit::Rotate, m_rotation->itemText(index).toInt());
}

// ---- the play range -----------------------------------------------------------

void VideoPanel::slotvideoStartTimeChanged(const QTime &)
{
    rangeEdited(VideoRange::Edited::Start);
}

void VideoPanel::slotvideoEndTimeChanged(const QTime &)
{
    rangeEdited(VideoRange::Edited::End);
}

void VideoPanel::showRange(const VideoRange::Range &range)
{
    FillGuard guard{m_start, m_end};
    m_start->setTime(range.start);
    m_end->setTime(range.end);
}

void VideoPanel::rangeEdited(VideoRange::Edited which)
{
    QVLedMediaObject *item = host().curMedia();
    if (!item)
        return;
    // The length the panel shows, else the item's own.
    const QTime length = m_knownLength > kMidnight ? m_knownLength : item->video.duration;
    const VideoRange::Range range = VideoRange::settle({m_start->time(), m_end->time()}, length, which);
    showRange(range);
    editCurrentOfKind(MediaKindId::Video, [range](QVLedMediaObject &edited) {
        edited.video.startTime = range.start;
        edited.video.endTime = range.end;
    });
}

void VideoPanel::slotVideoExceptBox(bool on)
{
    if (!host().curMedia())
        return;
    m_start->setEnabled(on);
    m_end->setEnabled(on);
    if (m_end->time() == kMidnight && m_duration->time() > kMidnight) {
        FillGuard guard{m_end};
        m_end->setTime(m_duration->time());
    }
    const VideoRange::Range range =
        VideoRange::settle({m_start->time(), m_end->time()}, m_knownLength, VideoRange::Edited::End);
    showRange(range);
    editCurrentOfKind(MediaKindId::Video, [on, range](QVLedMediaObject &item) {
        item.video.rangeOn = on;
        item.video.startTime = range.start;
        item.video.endTime = range.end;
    });
}

// ---- the background page -------------------------------------------------------

void VideoPanel::SlotvideooBackgroundType(int choice, const QString &picture)
{
    const auto chosen = BackgroundChooser::Choice(choice);
    const bool colour = chosen == BackgroundChooser::Choice::First;
    m_backgroundColour->setEnabled(colour);
    m_imageStyle->setEnabled(!colour);
    editCurrentOfKind(MediaKindId::Video, [chosen, colour, picture](QVLedMediaObject &item) {
        item.video.bgIsColour = colour;
        if (chosen == BackgroundChooser::Choice::Picture)
            item.video.bgPicture = picture;
    }, Preview::Skip);
}

void VideoPanel::slotvideoBKColorSet(const QColor &colour)
{
    editCurrentOfKind(MediaKindId::Video, [colour](QVLedMediaObject &item) { item.video.bgColour = colour; },
                      Preview::Skip);
}

void VideoPanel::Slotm_videoBKImageStyle(int index)
{
    editCurrentOfKind(MediaKindId::Video, [index](QVLedMediaObject &item) { item.video.bgImageStyle = index; },
                      Preview::Skip);
}

// ---- the cover text ---------------------------------------------------------------

void VideoPanel::editCover(const Write &write)
{
    QVLedMediaObject *item = host().curMedia();
    if (!item)
        return;
    if (isVideo(*item))
        write(*item);
    host().refreshVideoCover();
    reportChange();
}

void VideoPanel::editCoverText()
{
    QVLedMediaObject *item = host().curMedia();
    if (!item)
        return;
    CommonFontSetDialog dialog(*this, host().dialogParent());
    dialog.fill(item->video);
    Prompts::current().execDialog(&dialog);
}

void VideoPanel::slotvideoCoverTextBox(bool checked)
{
    if (checked)
        editCoverText();
}

void VideoPanel::slotvideoCoverTextBoxChecked(bool on)
{
    m_editText->setEnabled(on);
    editCover([on](QVLedMediaObject &item) { item.video.coverOn = on; });
}

void VideoPanel::slotVideoCoverTextFamily(const QString &family)
{
    editCover([family](QVLedMediaObject &item) { item.video.coverFontFamily = family; });
}

void VideoPanel::slotVideoCoverTextFontSize(const QString &size)
{
    const int points = size.toInt();
    editCover([points](QVLedMediaObject &item) { item.video.coverFontSize = points; });
}

void VideoPanel::slotVideoCoverTextBChecked(bool on)
{
    editCover([on](QVLedMediaObject &item) { item.video.coverBold = on; });
}

void VideoPanel::slotVideoCoverTextIChecked(bool on)
{
    editCover([on](QVLedMediaObject &item) { item.video.coverItalic = on; });
}

void VideoPanel::slotVideoCoverTextUChecked(bool on)
{
    editCover([on](QVLedMediaObject &item) { item.video.coverUnderline = on; });
}

void VideoPanel::slotVideoCoverTextColorSet(const QColor &colour)
{
    editCover([colour](QVLedMediaObject &item) { item.video.coverColour = colour; });
}

void VideoPanel::slotVideoCoverColorful(int index)
{
    editCover([index](QVLedMediaObject &item) { item.video.coverColourful = index; });
}

void VideoPanel::slotVideoCoverRollState(int state)
{
    editCover([state](QVLedMediaObject &item) {
        if (state == Qt::Unchecked)
            item.video.coverRolling = false;
        else if (state == Qt::Checked)
            item.video.coverRolling = true;
    });
}

void VideoPanel::slotVideoCoverDirect(int index)
{
    editCover([index](QVLedMediaObject &item) { item.video.coverDirection = index; });
}

void VideoPanel::slotVideoCoverSpeed(int index)
{
    editCover([index](QVLedMediaObject &item) { item.video.coverSpeed = index + 1; });
}

void VideoPanel::slotRollTextYChange(int y)
{
    editCover([y](QVLedMediaObject &item) { item.video.coverY = y; });
}

void VideoPanel::slotVideoCoverTextChanged(const QString &text)
{
    editCover([text](QVLedMediaObject &item) { item.video.coverText = text; });
}
