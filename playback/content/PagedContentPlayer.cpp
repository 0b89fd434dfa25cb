// Page stays and effects of the paged players, and their pause.

#include "playback/content/PagedContentPlayer.h"

#include "base/Clock.h"
#include "playback/AreaEffects.h"

#include <QWidget>

namespace {
constexpr qint64 kMinimumStayMs = 1000;
}

PagedContentPlayer::PagedContentPlayer(QWidget *area) : m_area(area)
{
    m_stayTimer.setSingleShot(true);
    m_stayTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_stayTimer, &QTimer::timeout, this, &PagedContentPlayer::pageTimeout);
}

PagedContentPlayer::~PagedContentPlayer()
{
    delete m_effects;
}

AreaEffects *PagedContentPlayer::effects()
{
    if (!m_effects) {
        m_effects = new AreaEffects(m_area);
        connect(m_effects, &AreaEffects::sigEntranceFinished, this, &PagedContentPlayer::onEntranceFinished);
        connect(m_effects, &AreaEffects::sigExitFinished, this, &PagedContentPlayer::onExitFinished);
    }
    return m_effects;
}

void PagedContentPlayer::onEntranceFinished()
{
    if (m_showing)
        entranceFinished();
}

void PagedContentPlayer::onExitFinished()
{
    if (m_showing)
        exitFinished();
}

int PagedContentPlayer::border() const
{
    return qMax(0, (m_area->width() - m_contentRect.width()) / 2);
}

bool PagedContentPlayer::effectRunning() const
{
    return m_effects && m_effects->isRunning();
}

void PagedContentPlayer::beginItem(Purpose purpose)
{
    m_realPlay = purpose == Purpose::RealPlay;
    m_showing = true;
    m_paused = false;
    m_stayTimer.stop();
    if (m_effects)
        m_effects->stop();
}

void PagedContentPlayer::endItem()
{
    m_showing = false;
    m_paused = false;
    m_stayTimer.stop();
    if (m_effects)
        m_effects->stop();
}

void PagedContentPlayer::startStay(qint64 ms)
{
    if (!m_realPlay)
        return;
    m_stayMs = qBound<qint64>(kMinimumStayMs, ms, INT_MAX);
    m_stayElapsedMs = 0;
    m_stayRunningSince = Clock::current().now();
    m_stayTimer.start(int(m_stayMs));
}

void PagedContentPlayer::stopStay()
{
    m_stayTimer.stop();
}

void PagedContentPlayer::pause()
{
    if (m_paused || !m_showing)
        return;
    m_paused = true;
    if (m_effects)
        m_effects->pause();
    m_stayWasRunning = m_stayTimer.isActive();
    if (m_stayWasRunning) {
        m_stayElapsedMs += m_stayRunningSince.msecsTo(Clock::current().now());
        m_stayTimer.stop();
    }
    pauseContent();
}

void PagedContentPlayer::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    if (m_effects)
        m_effects->resume();
    // The page goes on for what was left of its own stay.
    if (m_stayWasRunning) {
        m_stayRunningSince = Clock::current().now();
        m_stayTimer.start(int(qBound<qint64>(0, m_stayMs - m_stayElapsedMs, INT_MAX)));
    }
    resumeContent();
}
