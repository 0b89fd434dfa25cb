#pragma once

// The background music of the program that plays: its files in a loop. A
// file that cannot be played (moved, on a stick that is gone, not audio) is
// reported once and left out for the rest of that program's play; when no
// file of the program can be played the music stops until the next program.
// A file that ends without having played counts as one that cannot be
// played: it had no sound in it, or it ended within a moment of its start (a
// picture or a text file that the decoder takes for an empty stream would
// otherwise be started again and again, as fast as the decoder can).
// Pictures and the play log never wait for it.

#include "playback/content/MediaModule.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QStringList>

class BackgroundMusic : public QObject, public MusicPlayer
{
    Q_OBJECT

public:
    // A file that ends sooner than this after it began to load did not play.
    static constexpr int kShortestPlayMs = 1000;

    explicit BackgroundMusic(QObject *parent = nullptr);

    // Plays the files of `program` from the first, in a loop. Starting the
    // same program with the same files again remembers which of them failed.
    void start(const void *program, const QStringList &files) override;
    // Stops and forgets the playlist (not what failed).
    void stop() override;
    void pause() override;
    void resume() override;
    bool playing() const override;

    QMediaPlayer *player() const override { return m_player; }
    QMediaPlaylist *playlist() const override { return m_playlist; }
    // Files of the current program found unplayable so far.
    QStringList failedFiles() const override;

private:
    void onStatus(int status);
    void onError();
    // The file playing now is left out, for `reason` (empty: not known yet);
    // returns it, or nothing when it was left out before.
    QString markCurrentFailed(const QString &reason);
    // Takes the files that failed out of the playlist; stops when none is left.
    void leaveOutFailed();

    QMediaPlayer *m_player = nullptr;
    QMediaPlaylist *m_playlist = nullptr;
    const void *m_program = nullptr;
    QStringList m_files;  // the program's files, as given
    QStringList m_queued; // the files in the playlist, in its order
    QSet<QString> m_failed;
    QList<QPair<QString, QString>> m_unreported; // failed, not yet reported: file and reason
    bool m_cleanupQueued = false;
    QElapsedTimer m_loading;  // since the file playing now began to load
    QString m_awaitingReason; // left out for an invalid status; its error is still to come
};
