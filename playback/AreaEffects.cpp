// Effect geometry and the animations that run it.

#include "playback/AreaEffects.h"

#include "model/Effects.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPropertyAnimation>
#include <QRandomGenerator>
#include <QWidget>

namespace EffectGeometry {

namespace {

// A rectangle by its inclusive edges: a right edge of left - 1 is zero wide.
QRect edges(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

EffectPlan move(const QPoint &from, const QPoint &to)
{
    EffectPlan plan;
    plan.kind = EffectPlan::Kind::Move;
    plan.moveFrom = from;
    plan.moveTo = to;
    return plan;
}

EffectPlan wipe(const QRect &from, const QRect &to)
{
    EffectPlan plan;
    plan.kind = EffectPlan::Kind::Wipe;
    plan.cover1From = from;
    plan.cover1To = to;
    return plan;
}

EffectPlan wipe2(const QRect &from1, const QRect &to1, const QRect &from2, const QRect &to2)
{
    EffectPlan plan = wipe(from1, to1);
    plan.cover2From = from2;
    plan.cover2To = to2;
    plan.twoCovers = true;
    return plan;
}

EffectPlan fade()
{
    EffectPlan plan;
    plan.kind = EffectPlan::Kind::Fade;
    return plan;
}

} // namespace

EffectPlan entrance(int number, const QSize &area, int border)
{
    const int W = area.width(), H = area.height(), B = border, k = B / 2;
    const QPoint rest(k, k);
    const QRect c0 = edges(k, k, W - 1 - k, H - 1 - k);
    switch (number) {
    case 1:
        return move({W - k, k}, rest);
    case 2:
        return move({k - W, k}, rest);
    case 3:
        return move({k, k - H}, rest);
    case 4:
        return move({k, H - k}, rest);
    case 5:
        return move({W - k, H - k}, rest);
    case 6:
        return move({k - W, H - k}, rest);
    case 7:
        return move({k - W, k - H}, rest);
    case 8:
        return move({W - k, k - H}, rest);
    case 9:
        return wipe(c0, edges(B, k, B - 1, H - 1 - k));
    case 10:
        return wipe(c0, edges(W - k, k, W - 1 - k, H - 1 - k));
    case 11:
        return wipe(c0, edges(k, H - k, W - 1 - k, H - 1 - k));
    case 12:
        return wipe(c0, edges(k, k, W - 1 - k, k - 1));
    case 13:
        return wipe2(edges(k, k, W / 2 - 1 + k, H - 1 - k), edges(k, k, k - 1, H - 1 - k),
                     edges(W / 2, k, 2 * (W / 2) - 1, H - 1 - k), edges(W - k, k, W - 1 - k, H - 1 - k));
    case 14:
        return wipe(c0, edges(W / 2, k, W / 2 - 1, H - 1 - k));
    case 15:
        return wipe2(edges(k, k, W - 1 - k, H / 2 - 1 + k), edges(k, k, W - 1 - k, k - 1),
                     edges(k, H / 2, W - 1 - k, 2 * (H / 2) - 1), edges(k, H - k, W - 1 - k, H - 1 - k));
    case 16:
        return wipe(c0, edges(k, H / 2, W - 1 - k, H / 2 - 1));
    case 17:
        return wipe(QRect(k, k, W - 2 * k, H - 2 * k), QRect(W / 2, H / 2, 0, 0));
    case 18:
        return fade();
    default:
        return EffectPlan();
    }
}

EffectPlan exit(int number, const QSize &area, int border)
{
    const int W = area.width(), H = area.height(), B = border, k = B / 2;
    const QPoint rest(k, k);
    const QRect c1 = edges(k, k, k - 1 + W - B, k - 1 + H - B);
    switch (number) {
    case 1:
        return move(rest, {-W, k});
    case 2:
        return move(rest, {W, k});
    case 3:
        return move(rest, {k, H});
    case 4:
        return move(rest, {k, -H});
    case 5:
        return move(rest, {-W, -H});
    case 6:
        return move(rest, {W, -H});
    case 7:
        return move(rest, {W, H});
    case 8:
        return move(rest, {-W, H});
    case 9:
        return wipe(edges(W, k, W - 1, k - 1 + H - B), c1);
    case 10:
        return wipe(edges(k, k, k - 1, k - 1 + H - B), c1);
    case 11:
        return wipe(edges(k, k, k - 1 + W - B, k - 1), c1);
    case 12:
        return wipe(edges(k, H, k - 1 + W - B, H - 1), c1);
    case 13:
        return wipe(edges(W / 2, k, W / 2 - 1, k - 1 + H - B), c1);
    case 14:
        return wipe2(edges(k, k, k - 1, k - 1 + H - B), edges(k, k, W / 2 - 1 + k, k - 1 + H - B),
                     edges(W, k, W - 1, k - 1 + H - B), edges(W / 2, k, 2 * (W / 2) - 1, k - 1 + H - B));
    case 15:
        return wipe(edges(k, H / 2, k - 1 + W - B, H / 2 - 1), edges(k, k, k + W - 1, k - 1 + H - B));
    case 16:
        return wipe2(edges(k, k, k - 1 + W - B, k - 1), edges(k, k, k - 1 + W - B, H / 2 - 1 + k),
                     edges(k, H, k - 1 + W - B, H - 1), edges(k, H / 2, k - 1 + W - B, 2 * (H / 2) - 1));
    case 17:
        return wipe(edges(W / 2, H / 2, W / 2 - 1, H / 2 - 1), edges(k, k, k - 1 + W - B, H - 1 + k));
    case 18:
        return fade();
    default:
        return EffectPlan();
    }
}

} // namespace EffectGeometry

// ---- running effects --------------------------------------------------

AreaEffects::AreaEffects(QWidget *area) : QObject(area), m_area(area)
{ }

AreaEffects::~AreaEffects()
{
    // The animations are children of this object; stopped first, none reports its end on the way out.
    for (QPropertyAnimation *animation : {m_move, m_fade, m_coverMoves[0], m_coverMoves[1]}) {
        if (animation) {
            animation->disconnect(this);
            animation->stop();
        }
    }
}

void AreaEffects::setRandomGenerator(QRandomGenerator *generator)
{
    m_generator = generator;
}

int AreaEffects::resolve(int number)
{
    const int n = Effects::normalized(number);
    if (n != Effects::kRandom)
        return n;
    QRandomGenerator *generator = m_generator ? m_generator : QRandomGenerator::global();
    return Effects::fromDraw(generator->generate());
}

QLabel *AreaEffects::cover(int index)
{
    if (!m_covers[index]) {
        m_covers[index] = new QLabel(m_area);
        m_covers[index]->setStyleSheet(QStringLiteral("background:black"));
        m_covers[index]->hide();
    }
    return m_covers[index];
}

QPropertyAnimation *AreaEffects::animation(QPropertyAnimation *&slot, QObject *target, const QByteArray &property)
{
    if (!slot) {
        slot = new QPropertyAnimation(this);
        slot->setEasingCurve(QEasingCurve::OutQuad);
        slot->setPropertyName(property);
        connect(slot, &QPropertyAnimation::finished, this, [this, animation = slot] {
            if (animation == m_lead)
                onLeadFinished();
        });
    }
    slot->setTargetObject(target);
    return slot;
}

void AreaEffects::run(QPropertyAnimation *animation, const QVariant &from, const QVariant &to, int durationMs)
{
    animation->stop();
    animation->setDuration(durationMs);
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->start(QAbstractAnimation::KeepWhenStopped);
}

void AreaEffects::startEntrance(QWidget *content, int number, int speedTenths, int border)
{
    m_entering = true;
    m_lastNumber = resolve(number);
    start(content, EffectGeometry::entrance(m_lastNumber, m_area->size(), border), speedTenths, border);
}

void AreaEffects::startExit(QWidget *content, int number, int speedTenths, int border)
{
    m_entering = false;
    m_lastNumber = resolve(number);
    start(content, EffectGeometry::exit(m_lastNumber, m_area->size(), border), speedTenths, border);
}

void AreaEffects::start(QWidget *content, const EffectPlan &plan, int speedTenths, int border)
{
    stop();
    m_content = content;
    const int durationMs = qMax(0, speedTenths) * 100;
    const int k = border / 2;
    switch (plan.kind) {
    case EffectPlan::Kind::Move:
        content->show();
        m_lead = animation(m_move, content, "pos");
        run(m_move, plan.moveFrom, plan.moveTo, durationMs);
        return;
    case EffectPlan::Kind::Wipe: {
        content->move(k, k);
        content->show();
        for (int i = 0; i < 2; ++i) {
            const bool used = i == 0 || plan.twoCovers;
            if (!used) {
                if (m_covers[i])
                    m_covers[i]->hide();
                continue;
            }
            QLabel *label = cover(i);
            label->setGeometry(i == 0 ? plan.cover1From : plan.cover2From);
            label->show();
            label->raise();
        }
        // The second cover runs alongside the first, for as long; the first one's end ends the effect.
        if (plan.twoCovers)
            run(animation(m_coverMoves[1], cover(1), "geometry"), plan.cover2From, plan.cover2To, durationMs);
        m_lead = animation(m_coverMoves[0], cover(0), "geometry");
        run(m_coverMoves[0], plan.cover1From, plan.cover1To, durationMs);
        return;
    }
    case EffectPlan::Kind::Fade: {
        QGraphicsOpacityEffect *opacity = fadeEffectOn(content);
        if (!opacity)
            break; // nothing to fade with: it ends at once
        m_fadeRest = opacity->opacity();
        const qreal from = m_entering ? 0.0 : m_fadeRest;
        const qreal to = m_entering ? m_fadeRest : 0.0;
        opacity->setOpacity(from); // an entrance never shows a frame at full opacity first
        content->show();
        m_lead = animation(m_fade, opacity, "opacity");
        run(m_fade, from, to, durationMs);
        return;
    }
    case EffectPlan::Kind::None:
        break;
    }
    // A number without a plan ends at once, as an effect of no length would.
    m_lead = nullptr;
    onLeadFinished();
}

QGraphicsOpacityEffect *AreaEffects::fadeEffectOn(QWidget *content)
{
    QGraphicsEffect *existing = content->graphicsEffect();
    if (auto *own = qobject_cast<QGraphicsOpacityEffect *>(existing)) {
        m_fadeEffect = own;
        m_fadeEffectIsOurs = false;
        return own;
    }
    if (existing)
        return nullptr;
    auto *ours = new QGraphicsOpacityEffect(content);
    content->setGraphicsEffect(ours); // the content owns it from here
    m_fadeEffect = ours;
    m_fadeEffectIsOurs = true;
    return ours;
}

void AreaEffects::endFade()
{
    if (m_fade)
        m_fade->setTargetObject(nullptr);
    if (!m_fadeEffect)
        return;
    m_fadeEffect->setOpacity(m_fadeRest);
    if (m_fadeEffectIsOurs) {
        if (QWidget *content = qobject_cast<QWidget *>(m_fadeEffect->parent()))
            content->setGraphicsEffect(nullptr); // deletes it
    }
    m_fadeEffect = nullptr;
    m_fadeEffectIsOurs = false;
}

void AreaEffects::onLeadFinished()
{
    // The content has its own opacity again before anyone shows or hides it.
    if (m_lead == m_fade)
        endFade();
    m_lead = nullptr;
    if (m_entering)
        emit sigEntranceFinished();
    else
        emit sigExitFinished();
}

bool AreaEffects::isRunning() const
{
    return m_lead && m_lead->state() != QAbstractAnimation::Stopped;
}

void AreaEffects::pause()
{
    for (QPropertyAnimation *animation : {m_move, m_fade, m_coverMoves[0], m_coverMoves[1]}) {
        if (animation && animation->state() == QAbstractAnimation::Running)
            animation->pause();
    }
}

void AreaEffects::resume()
{
    for (QPropertyAnimation *animation : {m_move, m_fade, m_coverMoves[0], m_coverMoves[1]}) {
        if (animation && animation->state() == QAbstractAnimation::Paused)
            animation->resume();
    }
}

void AreaEffects::stop()
{
    m_lead = nullptr; // a stopped animation reports nothing
    for (QPropertyAnimation *animation : {m_move, m_fade, m_coverMoves[0], m_coverMoves[1]}) {
        if (animation)
            animation->stop();
    }
    endFade();
    hideCovers();
}

void AreaEffects::hideCovers()
{
    for (QLabel *label : m_covers) {
        if (label)
            label->hide();
    }
}
