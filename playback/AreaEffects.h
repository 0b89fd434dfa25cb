#pragma once

// Entrance and exit effects of pictures, Office pages and texts in one area.
// An effect number says what moves: 1-8 slide the content in from (or out
// to) a side or corner, 9-17 uncover it with black covers that shrink (or
// cover it with covers that grow), 18 fades the area; 0 draws one of 1-17.
// The geometry of every number is a pure function of the area's size and
// border (EffectGeometry); AreaEffects runs it with animations on the
// content it is given, and makes its two covers when first needed.
//
// Whether an effect entered or left is settled when it starts, before its
// animation runs: an animation of 0 ms finishes inside start(), and its end
// is then reported from there.
//
// The fade runs on an opacity effect of the content: a child widget has no
// window opacity of its own to fade. A content that already has an opacity
// effect (a picture's transparency) fades between 0 and that opacity, which
// it has again once the fade is over; any other content gets an effect for
// the fade's time only, so a rolling text is not drawn through one.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

class QGraphicsOpacityEffect;
class QLabel;
class QPropertyAnimation;
class QRandomGenerator;
class QWidget;

// What one effect number animates in an area.
struct EffectPlan
{
    enum class Kind { None, Move, Wipe, Fade };
    Kind kind = Kind::None;
    // Move: the content's position from and to.
    QPoint moveFrom;
    QPoint moveTo;
    // Wipe: the covers' rectangles from and to; the second cover only when twoCovers.
    QRect cover1From;
    QRect cover1To;
    QRect cover2From;
    QRect cover2To;
    bool twoCovers = false;
};

namespace EffectGeometry {
// The plan of an entrance or exit number 1..18 in an area of `area` size
// with a border of `border` pixels (the content rests at border / 2); any
// other number has no plan (Kind::None).
EffectPlan entrance(int number, const QSize &area, int border);
EffectPlan exit(int number, const QSize &area, int border);
} // namespace EffectGeometry

class AreaEffects : public QObject
{
    Q_OBJECT

public:
    // The covers are children of `area`, the fade acts on it.
    explicit AreaEffects(QWidget *area);
    ~AreaEffects() override;

    // Where random numbers come from (tests seed their own); null: the global generator.
    void setRandomGenerator(QRandomGenerator *generator);
    // A stored number as played: outside 0..18 counts as 0; 0 draws one of 1..17.
    int resolve(int number);

    // Runs the effect of `number` (0 draws) on `content` for `speedTenths`
    // tenths of a second. The content rests at (border / 2, border / 2).
    void startEntrance(QWidget *content, int number, int speedTenths, int border);
    void startExit(QWidget *content, int number, int speedTenths, int border);

    // True from the start of an entrance until an exit starts.
    bool entering() const { return m_entering; }
    bool isRunning() const;
    // The number the last effect ran (after the random draw).
    int lastNumber() const { return m_lastNumber; }

    // Holds a running effect where it is, and goes on from there.
    void pause();
    void resume();
    // Ends whatever runs without reporting it, hides the covers and gives a
    // faded content its own opacity back.
    void stop();
    void hideCovers();

signals:
    void sigEntranceFinished();
    void sigExitFinished();

private:
    void start(QWidget *content, const EffectPlan &plan, int speedTenths, int border);
    void onLeadFinished();
    QLabel *cover(int index);
    QPropertyAnimation *animation(QPropertyAnimation *&slot, QObject *target, const QByteArray &property);
    void run(QPropertyAnimation *animation, const QVariant &from, const QVariant &to, int durationMs);
    // The opacity effect the fade runs on: the content's own, or one of ours; null
    // when the content has an effect of another kind.
    QGraphicsOpacityEffect *fadeEffectOn(QWidget *content);
    // The content's opacity as it was before the fade, and our effect taken away.
    void endFade();

    QWidget *m_area;
    QRandomGenerator *m_generator = nullptr;
    QLabel *m_covers[2] = {nullptr, nullptr};
    QPropertyAnimation *m_move = nullptr;
    QPropertyAnimation *m_fade = nullptr;
    QPropertyAnimation *m_coverMoves[2] = {nullptr, nullptr};
    QPointer<QWidget> m_content;                   // the widget the move animation runs on
    QPropertyAnimation *m_lead = nullptr;          // the animation whose end ends the effect
    QPointer<QGraphicsOpacityEffect> m_fadeEffect; // what the fade runs on, while it runs
    bool m_fadeEffectIsOurs = false;
    qreal m_fadeRest = 1.0; // the content's opacity outside the fade
    bool m_entering = false;
    int m_lastNumber = 0;
};
