// Immediate or batched showing and hiding of area players.

#include "playback/AreaVisibility.h"

#include "playback/CommonPlayWindow.h"

void AreaVisibility::beginBatch()
{
    if (m_depth++ > 0)
        return;
    m_hasBaseline = false;
    m_wishes.clear();
}

void AreaVisibility::endBatch(const QList<CommonPlayWindow *> &areas)
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    for (CommonPlayWindow *area : areas) {
        const bool shown = !area->isHidden();
        const bool visible = wanted(area, shown);
        if (visible != shown)
            area->setVisible(visible);
        if (visible)
            area->update();
    }
    m_wishes.clear();
}

bool AreaVisibility::wanted(const CommonPlayWindow *area, bool fallback) const
{
    const auto wish = m_wishes.constFind(area);
    if (wish != m_wishes.constEnd() && wish->epoch == m_epoch)
        return wish->visible;
    return m_hasBaseline ? m_baseline : fallback;
}

void AreaVisibility::setVisible(CommonPlayWindow *area, bool visible)
{
    if (!batching()) {
        area->setVisible(visible);
        return;
    }
    m_wishes.insert(area, Wish{m_epoch, visible});
}

void AreaVisibility::setAllVisible(const QList<CommonPlayWindow *> &areas, bool visible)
{
    if (!batching()) {
        for (CommonPlayWindow *area : areas)
            area->setVisible(visible);
        return;
    }
    ++m_epoch;
    m_hasBaseline = true;
    m_baseline = visible;
}

void AreaVisibility::repaint(CommonPlayWindow *area)
{
    if (!batching())
        area->update();
}
