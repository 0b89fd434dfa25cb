// Background music that gives up on files it cannot play instead of
// retrying them without end.

#include "modules/multimedia/BackgroundMusic.h"

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
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) { onStatus(status); });
    connect(m_playlist, &QMediaPlaylist::currentIndexChanged, this, [this] { m_loading.start(); });
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
    m_loading.start();
    m_player->play();
}

void BackgroundMusic::stop()
{
    m_awaitingReason.clear();
    m_player->stop();
    m_playlist->clear();
    m_queued.clear();
}

void BackgroundMusic::pause()
{
    if (m_player->state() == QMediaPlayer::PlayingState)
        m_player->pause();
}

void BackgroundMusic::resume()
{
    if (!m_queued.isEmpty())
        m_player->play();
}

bool BackgroundMusic::playing() const
{
    return m_player->state() == QMediaPlayer::PlayingState;
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

void BackgroundMusic::onStatus(int status)
{
    switch (status) {
    case QMediaPlayer::LoadingMedia:
        m_loading.start();
        break;
    case QMediaPlayer::InvalidMedia:
        // The error with the reason follows, often once the playlist has moved on.
        m_awaitingReason = markCurrentFailed(QString());
        break;
    case QMediaPlayer::EndOfMedia:
        // Reported before the playlist moves on, so the current file is the one that ended.
        if (!m_player->isAudioAvailable() || m_loading.elapsed() < kShortestPlayMs)
            markCurrentFailed(tr("not a playable sound"));
        break;
    default:
        break;
    }
}

void BackgroundMusic::onError()
{
    if (m_awaitingReason.isEmpty()) {
        markCurrentFailed(m_player->errorString());
        return;
    }
    // The reason of the file that failed last, not of the one that plays now.
    for (auto &failed : m_unreported) {
        if (failed.first == m_awaitingReason && failed.second.isEmpty())
            failed.second = m_player->errorString();
    }
    m_awaitingReason.clear();
}

QString BackgroundMusic::markCurrentFailed(const QString &reason)
{
    const QString file = m_queued.value(m_playlist->currentIndex());
    if (file.isEmpty() || m_failed.contains(file))
        return QString();
    m_failed.insert(file);
    m_unreported.append({file, reason});
    // Not now: Qt is in the middle of its own error handling, which moves the
    // playlist on; by then it also knows the reason.
    if (!m_cleanupQueued) {
        m_cleanupQueued = true;
        QMetaObject::invokeMethod(this, &BackgroundMusic::leaveOutFailed, Qt::QueuedConnection);
    }
    return file;
}

void BackgroundMusic::leaveOutFailed()
{
    m_cleanupQueued = false;
    for (const auto &failed : qAsConst(m_unreported))
        qCWarning(lcPlayback).noquote()
            << tr("background music %1 cannot be played (%2); it is left out until the next program")
                   .arg(failed.first, failed.second.isEmpty() ? tr("not a playable sound") : failed.second);
    m_unreported.clear();
    if (m_queued.isEmpty())
        return; // stopped meanwhile
    // The file that was to play next keeps its turn: the removed ones before it shift it down.
    int next = m_playlist->currentIndex();
    for (int i = m_queued.size() - 1; i >= 0; --i) {
        if (m_failed.contains(m_queued.at(i))) {
            m_queued.removeAt(i);
            m_playlist->removeMedia(i);
            if (i < next)
                --next;
        }
    }
    if (m_queued.isEmpty()) {
        qCWarning(lcPlayback).noquote() << tr(
            "no background music of this program can be played; music stops until the next program");
        stop();
        return;
    }
    if (m_playlist->currentIndex() < 0)
        m_playlist->setCurrentIndex(next >= 0 && next < m_queued.size() ? next : 0);
    if (m_player->state() != QMediaPlayer::PlayingState && m_player->state() != QMediaPlayer::PausedState)
        m_player->play();
}
