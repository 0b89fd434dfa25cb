#pragma once

// What an area asks of the player of one media family (pictures and Office
// pages, texts, clocks, web page, stream, camera, weather, video). An area
// makes a family's player the first time an item of that family comes up
// (ContentFactory) and keeps it for its own life; it then only talks to it
// through the calls below. A player never reaches back into the area: it does
// not call the area's slotStopAllTimer or stopAndHideAll, and it steps to no
// other item; it shows, pauses, resumes, stops and, when it times its items
// itself, reports that its item is over.
//
// All calls come on the GUI thread. The area has stopped every one of its
// players before it shows an item, so show() always starts from a stopped player.

#include <QObject>
#include <QRect>

class QVLedMediaObject;
class QWidget;

class ContentPlayer : public QObject
{
    Q_OBJECT

public:
    enum class Purpose {
        RealPlay, // the area plays its list: the item counts for the play log
        Preview,  // the editor shows the selected item: nothing is logged, no item follows
    };

    ContentPlayer() = default;
    ~ContentPlayer() override;

    // The widget that shows the family's items, a child of the area; null
    // until the player first needs it. The player owns it.
    virtual QWidget *view() const = 0;

    // True: the player decides when an item is over and says so with
    // reportFinished() (its own item timers, the end of a video). False: the
    // area's one stay timer ends the item after its stay time, and the player
    // only shows it. The answer never changes for one player.
    virtual bool timesItself() const = 0;

    // Shows the item inside the area, in the rectangle last given to placeIn.
    // `ticket` names this showing of the item; the end report carries it back
    // so the area can tell a late report from the current one. A preview has
    // ticket 0 and its reports go nowhere.
    void show(QVLedMediaObject *item, Purpose purpose, quint64 ticket);

    // Holds the item where it is: its timers stop, a video halts. Only the
    // player of the current item is paused.
    virtual void pause() = 0;
    // Goes on from where pause() held, for the time that was left, and shows
    // the view again (the area may have been hidden meanwhile). Never called
    // without a pause() before it.
    virtual void resume() = 0;

    // Hides the view, stops the player's own timers and releases whatever
    // decodes (a video, a stream, the camera); a stopped player costs no CPU.
    // Cheap and harmless on a player that shows nothing. Once its players are
    // stopped the area takes no end report of an item shown before.
    void stop();

    // Places the view in `contentRect` (area coordinates: inside the area's
    // border). Called once right after the player is made, and again whenever
    // the area is moved, resized or shown; also while the player is stopped.
    virtual void placeIn(const QRect &contentRect) = 0;

signals:
    // The item of `ticket` is over, played through (`succeeded`) or not
    // (a file that does not open, a device that is missing): the play log
    // row says "success" or "failed". Emitted by reportFinished() only; the
    // area takes at most one report per showing.
    void sigItemFinished(quint64 ticket, bool succeeded);

protected:
    // show() and stop() without the ticket bookkeeping: what each family does.
    virtual void showItem(QVLedMediaObject *item, Purpose purpose) = 0;
    virtual void stopItem() = 0;

    // For players that time themselves: the item shown last is over. May be
    // called at any time after show(), also from within it; after stop(), a
    // second time, or for a preview it reports nothing.
    void reportFinished(bool succeeded);
    // The same for a showing named earlier by currentTicket(): for ends that
    // arrive late from work started for an item (a decoder's end-of-file
    // event); the area drops the report unless that showing is still current.
    void reportFinished(quint64 ticket, bool succeeded);
    // The ticket of the item shown now; 0 for a preview or after stop().
    quint64 currentTicket() const { return m_ticket; }

private:
    quint64 m_ticket = 0; // 0: nothing to report to
};
