// The bookkeeping every content player shares: which showing an end report
// belongs to, and that a stopped player or a preview reports nothing.

#include "playback/content/ContentPlayer.h"

ContentPlayer::~ContentPlayer() = default;

void ContentPlayer::show(QVLedMediaObject *item, Purpose purpose, quint64 ticket)
{
    m_ticket = purpose == Purpose::RealPlay ? ticket : 0;
    showItem(item, purpose);
}

void ContentPlayer::stop()
{
    m_ticket = 0;
    stopItem();
}

void ContentPlayer::reportFinished(bool succeeded)
{
    const quint64 ticket = m_ticket;
    m_ticket = 0; // one report per showing
    reportFinished(ticket, succeeded);
}

void ContentPlayer::reportFinished(quint64 ticket, bool succeeded)
{
    if (ticket != 0)
        emit sigItemFinished(ticket, succeeded);
}
