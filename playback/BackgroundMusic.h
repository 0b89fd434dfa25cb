#pragma once

// The background music of the program that plays: its files in a loop. A
// file that cannot be played (moved, on a stick that is gone, not audio) is
// reported once and left out for the rest of that program's play; when no
// file of the program can be played the music stops until the next program.
// Pictures and the play log never wait for it.

#include <QObject>
#include <QSet>
#include <QStringList>

class QMediaPlayer;
class QMediaPlaylist;

class BackgroundMusic : public QObject
{
    Q_OBJECT

public:
    explicit BackgroundMusic(QObject *parent = nullptr);

    // Plays the files of `program` from the first, in a loop. Starting the
    // same program with the same files again remembers which of them failed.
    void start(const void *program, const QStringList &files);
    // Stops and forgets the playlist (not what failed).
    void stop();

    QMediaPlayer *player() const { return m_player; }
    QMediaPlaylist *playlist() const { return m_playlist; }
    // Files of the current program found unplayable so far.
    QStringList failedFiles() const;

private:
    void onError();
    // Takes the files that failed out of the playlist; stops when none is left.
    void leaveOutFailed();

    QMediaPlayer *m_player = nullptr;
    QMediaPlaylist *m_playlist = nullptr;
    const void *m_program = nullptr;
    QStringList m_files;  // the program's files, as given
    QStringList m_queued; // the files in the playlist, in its order
    QSet<QString> m_failed;
    QStringList m_unreported; // failed, not yet reported
    bool m_cleanupQueued = false;
};
