#pragma once

// Shows and hides the area players of a display window. Outside a batch
// every wish takes effect at once. Inside one (loading a schedule shows and
// hides every area many times before anything is painted) only the last
// wish for each area counts: "show all" and "hide all" cost nothing, and
// when the batch ends each area is touched once, and only when its state
// changes.

#include <QHash>
#include <QList>

class CommonPlayWindow;

class AreaVisibility
{
public:
    void beginBatch();
    // Applies what the batch decided to the areas, repainting those shown.
    void endBatch(const QList<CommonPlayWindow *> &areas);
    bool batching() const { return m_depth > 0; }

    void setVisible(CommonPlayWindow *area, bool visible);
    void setAllVisible(const QList<CommonPlayWindow *> &areas, bool visible);
    // Repaints the area now, or when the batch ends.
    void repaint(CommonPlayWindow *area);

private:
    struct Wish
    {
        quint64 epoch = 0;
        bool visible = false;
    };
    // What the batch wants for the area; `fallback` when it wants nothing.
    bool wanted(const CommonPlayWindow *area, bool fallback) const;

    int m_depth = 0;
    quint64 m_epoch = 0;        // each "show all" or "hide all" starts a new one
    bool m_hasBaseline = false; // a "show all" or "hide all" happened in the batch
    bool m_baseline = false;
    QHash<const CommonPlayWindow *, Wish> m_wishes;
};
