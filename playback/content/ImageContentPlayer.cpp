// Pictures and Office pages in an area: page by page, with effects, music,
// transparency, rotation and scale.

#include "playback/content/ImageContentPlayer.h"

#include "base/PictureRequest.h"
#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "playback/AreaEffects.h"
#include "playback/content/MediaModule.h"
#include "playback/content/OfficePageFeed.h"

#include <QFileInfo>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPainter>
#include <QTransform>

// The picture label: the item's background (a colour, or a picture stretched
// over the whole label) behind the picture, which sits in the middle.
class PictureLabel : public QLabel
{
public:
    explicit PictureLabel(QWidget *parent) : QLabel(parent) { setAlignment(Qt::AlignCenter); }

    void setBackground(const QColor &colour, const QPixmap &picture)
    {
        m_colour = colour;
        m_picture = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        {
            QPainter painter(this);
            if (!m_picture.isNull())
                painter.drawPixmap(rect(), m_picture);
            else
                painter.fillRect(rect(), m_colour);
        }
        QLabel::paintEvent(event);
    }

private:
    QColor m_colour{0, 0, 0, 0};
    QPixmap m_picture;
};

ImageContentPlayer::ImageContentPlayer(QWidget *area) : PagedContentPlayer(area)
{ }

ImageContentPlayer::~ImageContentPlayer()
{
    stopMusic();
    delete m_label; // its opacity effect goes with it
}

QWidget *ImageContentPlayer::view() const
{
    return m_label;
}

PictureLabel *ImageContentPlayer::label()
{
    if (!m_label) {
        m_label = new PictureLabel(area());
        m_label->setGeometry(contentRect());
        m_opacity = new QGraphicsOpacityEffect(m_label);
        m_label->setGraphicsEffect(m_opacity);
        m_label->hide();
    }
    return m_label;
}

int ImageContentPlayer::pageCount() const
{
    return m_office ? m_image.pages.size() : 1;
}

QPixmap ImageContentPlayer::sourceOf(int index) const
{
    return m_office ? QPixmap::fromImage(m_feed->page(index)) : m_image.pixmap;
}

QPixmap ImageContentPlayer::shownPicture() const
{
    return m_label ? m_label->pixmap(Qt::ReturnByValue) : QPixmap();
}

qreal ImageContentPlayer::opacity() const
{
    return m_opacity ? m_opacity->opacity() : 1.0;
}

bool ImageContentPlayer::musicPlaying() const
{
    return m_music && m_music->playing();
}

// ---- showing an item --------------------------------------------------

void ImageContentPlayer::showItem(QVLedMediaObject *item, Purpose purpose)
{
    beginItem(purpose);
    const MediaKindRow *row = MediaKinds::find(item->kind);
    m_office = row && row->id == MediaKindId::Office;
    m_image = item->image;
    m_pageIndex = 0;
    m_waitingForPicture = false;
    m_startWhenResumed = false;

    area()->setStyleSheet(QStringLiteral("background:transparent;"));
    PictureLabel *picture = label();
    m_opacity->setOpacity(qBound(0.0, m_image.transparency / 10.0, 1.0));
    // A colour background is fully transparent: only the picture is seen.
    const QColor colour(m_image.bgColour.red(), m_image.bgColour.green(), m_image.bgColour.blue(), 0);
    picture->setBackground(colour, QPixmap());
    requestBackground();

    if (realPlay())
        startMusic();
    picture->move(contentRect().topLeft());
    picture->show();
    if (m_office) {
        m_officePageShown = false;
        feed()->setDocument(m_image.pages);
        aimFeed();
        m_source = sourceOf(0);
        showPicture();
        startPage();
    } else {
        requestPicture();
    }
}

void ImageContentPlayer::startPage()
{
    if (m_image.comingOn) {
        enter();
    } else {
        effects()->hideCovers();
        stay();
    }
}

// ---- the picture and the background picture ----------------------------

PictureRequest *ImageContentPlayer::pictureRequest()
{
    if (!m_pictureRequest) {
        m_pictureRequest = new PictureRequest(QStringLiteral("picture"), this);
        connect(m_pictureRequest, &PictureRequest::sigSettled, this, &ImageContentPlayer::pictureSettled);
    }
    return m_pictureRequest;
}

PictureRequest *ImageContentPlayer::backgroundRequest()
{
    if (!m_backgroundRequest) {
        m_backgroundRequest = new PictureRequest(QStringLiteral("background picture"), this);
        connect(m_backgroundRequest, &PictureRequest::sigSettled, this, &ImageContentPlayer::backgroundSettled);
    }
    return m_backgroundRequest;
}

void ImageContentPlayer::requestPicture()
{
    // A picture the record already holds needs no file.
    if (!m_image.pixmap.isNull()) {
        m_source = m_image.pixmap;
        showPicture();
        startPage();
        return;
    }
    m_source = QPixmap();
    showPicture(); // nothing of the item before stays
    m_waitingForPicture = true;
    askForPicture();
}

void ImageContentPlayer::askForPicture()
{
    const PictureCache::Result result = pictureRequest()->want(m_image.path, contentRect().size());
    if (result.state != PictureCache::State::Pending)
        pictureSettled(result);
}

void ImageContentPlayer::pictureSettled(const PictureCache::Result &result)
{
    if (!showing() || m_office)
        return;
    const bool ready = result.state == PictureCache::State::Ready;
    if (ready) {
        m_source = QPixmap::fromImage(result.picture);
        showPicture();
    }
    if (!m_waitingForPicture)
        return; // more pixels for a larger area, or none: what shows stays
    m_waitingForPicture = false;
    if (!ready) {
        reportFinished(false); // nothing of the item could be shown
        return;
    }
    if (paused())
        m_startWhenResumed = true;
    else
        startPage();
}

void ImageContentPlayer::requestBackground()
{
    if (m_image.bgIsColour || m_image.bgPicture.isEmpty()) {
        if (m_backgroundRequest)
            m_backgroundRequest->forget();
        return;
    }
    const PictureCache::Result result = backgroundRequest()->want(m_image.bgPicture, contentRect().size());
    if (result.state != PictureCache::State::Pending)
        backgroundSettled(result);
}

void ImageContentPlayer::backgroundSettled(const PictureCache::Result &result)
{
    // A background that cannot be read leaves the colour; the item's picture still shows.
    if (!showing() || result.state != PictureCache::State::Ready)
        return;
    PictureLabel *picture = label();
    const QColor colour(m_image.bgColour.red(), m_image.bgColour.green(), m_image.bgColour.blue(), 0);
    const QSize size = picture->size().isEmpty() ? result.picture.size() : picture->size();
    picture->setBackground(
        colour, QPixmap::fromImage(result.picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void ImageContentPlayer::showPicture()
{
    PictureLabel *picture = label();
    const int scale = m_image.scaleType;
    // Another scale mode shows no picture at all, rather than the one shown before.
    if (m_source.isNull() || (scale != 0 && scale != 1) || picture->size().isEmpty()) {
        picture->setPixmap(QPixmap());
        return;
    }
    if (m_office)
        m_officePageShown = true;
    const QPixmap scaled = m_source.scaled(picture->size(), scale == 0 ? Qt::IgnoreAspectRatio : Qt::KeepAspectRatio,
                                           Qt::SmoothTransformation);
    QTransform turn;
    if (m_image.rotateAngle >= 0 && m_image.rotateAngle <= 3)
        turn.rotate(90.0 * m_image.rotateAngle);
    picture->setPixmap(scaled.transformed(turn, Qt::SmoothTransformation));
}

void ImageContentPlayer::startMusic()
{
    stopMusic();
    if (m_image.musicPath.isEmpty() || !QFileInfo::exists(m_image.musicPath))
        return;
    if (!m_music)
        m_music = Multimedia::newMusic(this);
    if (m_music)
        m_music->start(this, {m_image.musicPath});
}

void ImageContentPlayer::stopMusic()
{
    if (m_music)
        m_music->stop();
}

void ImageContentPlayer::enter()
{
    effects()->startEntrance(label(), m_image.comingStyle, m_image.comingSpeed, border());
}

void ImageContentPlayer::stay()
{
    startStay(qint64(m_image.stayTime) * 1000);
}

// ---- page turning -----------------------------------------------------

void ImageContentPlayer::entranceFinished()
{
    stopStay();
    effects()->hideCovers();
    label()->show();
    stay();
}

void ImageContentPlayer::pageTimeout()
{
    if (!showing() || m_waitingForPicture)
        return;
    stopStay();
    stopMusic(); // the music plays while the first page stays
    if (m_image.goingOutOn) {
        label()->show();
        effects()->startExit(label(), m_image.outStyle, m_image.outSpeed, border());
        return;
    }
    effects()->hideCovers();
    if (m_office)
        nextPage(false);
    else
        finish();
}

void ImageContentPlayer::exitFinished()
{
    effects()->hideCovers();
    if (m_office)
        nextPage(true);
    else
        finish();
}

void ImageContentPlayer::nextPage(bool afterExit)
{
    ++m_pageIndex;
    if (m_pageIndex >= pageCount()) {
        m_pageIndex = 0;
        finish();
        return;
    }
    m_source = sourceOf(m_pageIndex);
    showPicture();
    label()->move(contentRect().topLeft());
    label()->show();
    // A page after an exit always comes in with an effect; otherwise only when an entrance is chosen.
    if (afterExit || m_image.comingStyle != 0) {
        enter();
    } else {
        effects()->hideCovers();
        stay();
    }
}

void ImageContentPlayer::finish()
{
    label()->hide();
    reportFinished(!m_office || m_officePageShown);
}

// ---- Office pages -------------------------------------------------------

OfficePageFeed *ImageContentPlayer::feed()
{
    if (!m_feed) {
        m_feed = new OfficePageFeed(this);
        connect(m_feed, &OfficePageFeed::sigPageReady, this, [this](int index) {
            if (index == m_pageIndex)
                officePageArrived();
        });
        connect(m_feed, &OfficePageFeed::sigDocumentChanged, this, &ImageContentPlayer::officePageArrived);
    }
    return m_feed;
}

void ImageContentPlayer::aimFeed()
{
    const int scale = m_image.scaleType;
    const QSize size = scale == 0 || scale == 1 ? label()->size() : QSize();
    feed()->setTarget(size, scale == 0 ? Qt::IgnoreAspectRatio : Qt::KeepAspectRatio);
}

void ImageContentPlayer::officePageArrived()
{
    if (!showing() || !m_office)
        return;
    const QPixmap page = sourceOf(m_pageIndex);
    if (page.isNull())
        return; // asked for; it comes
    m_source = page;
    showPicture();
}

// ---- pause, stop, place -------------------------------------------------

void ImageContentPlayer::pauseContent()
{
    if (m_music)
        m_music->pause();
}

void ImageContentPlayer::resumeContent()
{
    if (m_music)
        m_music->resume();
    if (m_startWhenResumed) {
        m_startWhenResumed = false;
        startPage();
    }
}

void ImageContentPlayer::stopItem()
{
    endItem();
    if (m_feed)
        m_feed->clear();
    stopMusic();
    m_waitingForPicture = false;
    m_startWhenResumed = false;
    if (m_pictureRequest)
        m_pictureRequest->forget();
    if (m_backgroundRequest)
        m_backgroundRequest->forget();
    if (m_label)
        m_label->hide();
}

void ImageContentPlayer::placeIn(const QRect &contentRect)
{
    setContentRect(contentRect);
    if (!m_label)
        return;
    m_label->resize(contentRect.size());
    if (!effectRunning())
        m_label->move(contentRect.topLeft());
    if (!showing())
        return;
    // The picture follows the new size, from the page kept in memory; a
    // larger area may want more pixels of the file than were decoded, and
    // an Office page is drawn again for it, replacing this one when it comes.
    showPicture();
    if (!m_office && m_image.pixmap.isNull())
        askForPicture();
    if (m_office) {
        aimFeed();
        officePageArrived();
    }
    requestBackground();
}
