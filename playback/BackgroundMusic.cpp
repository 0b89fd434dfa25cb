// Background music that gives up on files it cannot play instead of
// retrying them without end.

#include "playback/BackgroundMusic.h"

#include "base/Log.h"

#include <QMediaPlayer>
#include <QMediaPlaylist>
#include <QUrl>

BackgroundMusic::BackgroundMusic(QObject *parent)
    : QObject(parent), m_player(new QMediaPlayer(this)), m_playlist(new QMediaPlaylist(m_player))
{
    // Qt moves the playlist on to the next file after an error; a list of
    // nothing but broken files in a loop would go round for good.
    connect(m_player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this, &BackgroundMusic::onError);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia)
            onError();
    });
}

void BackgroundMusic::start(const void *program, const QStringList &files)
{
    stop();
    if (program != m_program || files != m_files) {
        m_program = program;
        m_files = files;
        m_failed.clear();
    }
    for (const QString &file : files) {
        if (m_failed.contains(file))
            continue;
        m_queued << file;
        m_playlist->addMedia(QMediaContent(QUrl::fromLocalFile(file)));
    }
    if (m_queued.isEmpty())
        return;
    m_playlist->setPlaybackMode(QMediaPlaylist::Loop);
    m_player->setPlaylist(m_playlist);
    m_player->play();
}

void BackgroundMusic::stop()
{
    m_player->stop();
    m_playlist->clear();
    m_queued.clear();
}

QStringList BackgroundMusic::failedFiles() const
{
    QStringList failed;
    for (const QString &file : m_files) {
        if (m_failed.contains(file) && !failed.contains(file))
            failed << file;
    }
    return failed;
}

void BackgroundMusic::onError()
{
    const QString file = m_queued.value(m_playlist->currentIndex());
    if (file.isEmpty() || m_failed.contains(file))
        return;
    m_failed.insert(file);
    m_unreported << file;
    // Not now: Qt is in the middle of its own error handling, which moves the
    // playlist on; by then it also knows the reason.
    if (!m_cleanupQueued) {
        m_cleanupQueued = true;
        QMetaObject::invokeMethod(this, &BackgroundMusic::leaveOutFailed, Qt::QueuedConnection);
    }
}

void BackgroundMusic::leaveOutFailed()
{
    m_cleanupQueued = false;
    const QString reason = m_player->errorString().isEmpty() ? tr("not a playable sound") : m_player->errorString();
    for (const QString &file : qAsConst(m_unreported))
        qCWarning(lcPlayback).noquote()
            << tr("background music %1 cannot be played (%2); it is left out until the next program").arg(file, reason);
    m_unreported.clear();
    if (m_queued.isEmpty())
        return; // stopped meanwhile
    const int current = m_playlist->currentIndex();
    for (int i = m_queued.size() - 1; i >= 0; --i) {
        if (m_failed.contains(m_queued.at(i))) {
            m_queued.removeAt(i);
            m_playlist->removeMedia(i);
        }
    }
    if (m_queued.isEmpty()) {
        qCWarning(lcPlayback).noquote() << tr(
            "no background music of this program can be played; music stops until the next program");
        stop();
        return;
    }
    if (m_playlist->currentIndex() < 0)
        m_playlist->setCurrentIndex(qBound(0, current, m_queued.size() - 1));
    if (m_player->state() != QMediaPlayer::PlayingState && m_player->state() != QMediaPlayer::PausedState)
        m_player->play();
}
