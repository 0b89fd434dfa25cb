// Texts in an area: pages, rows and rolling lines, with effects and stays.

#include "playback/content/TextContentPlayer.h"

#include "base/Clock.h"
#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "playback/AreaEffects.h"
#include "playback/textWidget.h"

namespace {
constexpr qint64 kMinimumStayMs = 1000;
}

TextContentPlayer::TextContentPlayer(QWidget *area) : m_area(area)
{
    m_stayTimer.setSingleShot(true);
    m_stayTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_stayTimer, &QTimer::timeout, this, &TextContentPlayer::pageTimeout);
}

TextContentPlayer::~TextContentPlayer()
{
    delete m_widget;
    delete m_effects;
}

QWidget *TextContentPlayer::view() const
{
    return m_widget;
}

textWidget *TextContentPlayer::widget()
{
    if (!m_widget) {
        m_widget = new textWidget(m_area);
        m_widget->setGeometry(m_contentRect.adjusted(0, 0, -2, -2));
        m_widget->hide();
        connect(m_widget, &textWidget::sigPassFinished, this, &TextContentPlayer::passFinished);
    }
    return m_widget;
}

AreaEffects *TextContentPlayer::effects()
{
    if (!m_effects) {
        m_effects = new AreaEffects(m_area);
        connect(m_effects, &AreaEffects::sigEntranceFinished, this, &TextContentPlayer::onEntranceFinished);
        connect(m_effects, &AreaEffects::sigExitFinished, this, &TextContentPlayer::onExitFinished);
    }
    return m_effects;
}

int TextContentPlayer::border() const
{
    return qMax(0, (m_area->width() - m_contentRect.width()) / 2);
}

qint64 TextContentPlayer::pageStayMs() const
{
    return qint64(m_text.stayTime) * 1000;
}

qint64 TextContentPlayer::durationMs() const
{
    return MediaKinds::lengthSeconds(m_text.playDuration) * 1000;
}

// ---- showing an item --------------------------------------------------

void TextContentPlayer::fillWidget(const QVLedMediaObject &item)
{
    textWidget *text = widget();
    const MediaKindRow *row = MediaKinds::find(item.kind);
    const MediaKindId kind = row ? row->id : MediaKindId::SimpleText;
    text->text = m_text.text;
    text->textColour = m_text.textColour;
    text->fontFamily = m_text.fontFamily;
    text->underline = m_text.underline;
    text->italic = m_text.italic;
    text->bold = m_text.bold;
    text->fontSize = m_text.fontSize;
    text->comingStyle = m_text.comingStyle;
    text->outStyle = m_text.outStyle;
    text->colourful = m_text.colourful;
    text->kerning = m_text.kerning;
    text->spacing = m_text.spacing;
    text->onePass = m_text.completePlay;
    text->stayTime = m_text.stayTime;
    text->endToEnd = m_text.endToEnd;
    text->gap = m_text.intervalOfCycle;
    text->rollingSpeed = m_text.rollingSpeed;
    text->rollingDirection = m_text.rollingDirection;
    text->mode = kind == MediaKindId::ScrollingText ? textWidget::Scrolling
        : kind == MediaKindId::SingleRowText        ? textWidget::SingleRow
                                                    : textWidget::Pages;
    text->setAlignment(m_text.horizontalAlign, m_text.verticalAlign);
    text->page = 0;
    text->drawnPage = -1;
}

void TextContentPlayer::showItem(QVLedMediaObject *item, Purpose purpose)
{
    m_text = item->text;
    m_realPlay = purpose == Purpose::RealPlay;
    m_showing = true;
    m_paused = false;
    m_stayTimer.stop();
    if (m_effects)
        m_effects->stop();
    textWidget *text = widget();
    text->stopScrolling();
    text->move(m_contentRect.topLeft());
    fillWidget(*item);
    if (m_text.bgTransparent)
        m_area->setStyleSheet(QStringLiteral("background:transparent;"));

    if (text->mode != textWidget::Scrolling) {
        text->stripLabel->hide();
        text->update();
        text->show();
        if (m_text.comingOn)
            enter();
        else
            startStay(pageStayMs());
        return;
    }
    // A rolling text has no entrance effect.
    text->prepareScrolling();
    text->setStartPosition();
    text->startScrolling();
    text->update();
    text->show();
    // A pass that never ends (a text that cannot move) ends after its duration like any other.
    if (!m_text.completePlay || !text->scrolls())
        startStay(durationMs());
}

void TextContentPlayer::enter()
{
    effects()->startEntrance(widget(), m_text.comingStyle, m_text.comingSpeed, border());
}

void TextContentPlayer::startStay(qint64 ms)
{
    if (!m_realPlay)
        return;
    m_stayMs = qBound<qint64>(kMinimumStayMs, ms, INT_MAX);
    m_stayElapsedMs = 0;
    m_stayRunningSince = Clock::current().now();
    m_stayTimer.start(int(m_stayMs));
}

// ---- pages, exits and ends ----------------------------------------------

void TextContentPlayer::onEntranceFinished()
{
    if (!m_showing)
        return;
    effects()->hideCovers();
    textWidget *text = widget();
    text->show();
    text->move(m_contentRect.topLeft());
    text->showCurrentPage();
    startStay(pageStayMs());
}

void TextContentPlayer::pageTimeout()
{
    if (!m_showing)
        return;
    m_stayTimer.stop();
    if (m_text.goingOutOn) {
        widget()->show();
        effects()->startExit(widget(), m_text.outStyle, m_text.outSpeed, border());
        return;
    }
    effects()->hideCovers();
    if (widget()->mode == textWidget::Scrolling) {
        finish();
        return;
    }
    nextPage(false);
}

void TextContentPlayer::onExitFinished()
{
    if (!m_showing)
        return;
    effects()->hideCovers();
    widget()->move(m_contentRect.topLeft());
    if (widget()->mode == textWidget::Scrolling) {
        finish(); // a rolling text that leaves has ended
        return;
    }
    nextPage(true);
}

void TextContentPlayer::nextPage(bool afterExit)
{
    textWidget *text = widget();
    ++text->page;
    if (text->page >= text->pageCount()) {
        finish();
        return;
    }
    if (afterExit && m_text.comingStyle != 0) {
        enter();
        return;
    }
    text->showCurrentPage();
    startStay(pageStayMs());
}

void TextContentPlayer::passFinished()
{
    // A preview rolls on; only a text played for real ends with its pass.
    if (!m_showing || !m_realPlay)
        return;
    finish();
}

void TextContentPlayer::finish()
{
    m_stayTimer.stop();
    widget()->stopScrolling();
    widget()->hide();
    reportFinished(true);
}

// ---- pause, resume, stop, place ---------------------------------------

void TextContentPlayer::pause()
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
    widget()->pauseScrolling();
}

void TextContentPlayer::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    if (m_effects)
        m_effects->resume();
    if (m_stayWasRunning) {
        m_stayRunningSince = Clock::current().now();
        m_stayTimer.start(int(qBound<qint64>(0, m_stayMs - m_stayElapsedMs, INT_MAX)));
    }
    widget()->resumeScrolling();
}

void TextContentPlayer::stopItem()
{
    m_showing = false;
    m_paused = false;
    m_stayTimer.stop();
    if (m_effects)
        m_effects->stop();
    if (m_widget) {
        m_widget->stopScrolling();
        m_widget->stripLabel->hide();
        m_widget->hide();
    }
}

void TextContentPlayer::placeIn(const QRect &contentRect)
{
    m_contentRect = contentRect;
    if (!m_widget)
        return;
    // The text lies two pixels inside the content on the right and at the bottom.
    m_widget->resize(contentRect.adjusted(0, 0, -2, -2).size());
    if (!m_effects || !m_effects->isRunning())
        m_widget->move(contentRect.topLeft());
}
