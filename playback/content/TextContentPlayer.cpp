// Texts in an area: pages, rows and rolling lines, with effects and stays.

#include "playback/content/TextContentPlayer.h"

#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "playback/AreaEffects.h"
#include "playback/textWidget.h"

TextContentPlayer::TextContentPlayer(QWidget *area) : PagedContentPlayer(area)
{ }

TextContentPlayer::~TextContentPlayer()
{
    delete m_widget;
}

QWidget *TextContentPlayer::view() const
{
    return m_widget;
}

textWidget *TextContentPlayer::widget()
{
    if (!m_widget) {
        m_widget = new textWidget(area());
        m_widget->setGeometry(textRect());
        m_widget->hide();
        connect(m_widget, &textWidget::sigPassFinished, this, &TextContentPlayer::passFinished);
    }
    return m_widget;
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
    text->mode = kind == MediaKindId::ScrollingText   ? textWidget::Scrolling
                 : kind == MediaKindId::SingleRowText ? textWidget::SingleRow
                                                      : textWidget::Pages;
    text->setAlignment(m_text.horizontalAlign, m_text.verticalAlign);
    text->page = 0;
    text->drawnPage = -1;
}

void TextContentPlayer::showItem(QVLedMediaObject *item, Purpose purpose)
{
    beginItem(purpose);
    m_text = item->text;
    textWidget *text = widget();
    text->stopScrolling();
    text->move(textRect().topLeft());
    fillWidget(*item);
    if (m_text.bgTransparent)
        area()->setStyleSheet(QStringLiteral("background:transparent;"));

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

// ---- pages, exits and ends ----------------------------------------------

void TextContentPlayer::entranceFinished()
{
    effects()->hideCovers();
    textWidget *text = widget();
    text->show();
    text->move(textRect().topLeft());
    text->showCurrentPage();
    startStay(pageStayMs());
}

void TextContentPlayer::pageTimeout()
{
    if (!showing())
        return;
    stopStay();
    if (m_text.goingOutOn) {
        widget()->show();
        effects()->startExit(widget(), m_text.outStyle, m_text.outSpeed, border());
        return;
    }
    effects()->hideCovers();
    if (widget()->mode == textWidget::Scrolling)
        finish();
    else
        nextPage(false);
}

void TextContentPlayer::exitFinished()
{
    effects()->hideCovers();
    widget()->move(textRect().topLeft());
    if (widget()->mode == textWidget::Scrolling)
        finish(); // a rolling text that leaves has ended
    else
        nextPage(true);
}

void TextContentPlayer::nextPage(bool afterExit)
{
    textWidget *text = widget();
    ++text->page;
    if (!text->hasPage(text->page)) {
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
    if (showing() && realPlay())
        finish();
}

void TextContentPlayer::finish()
{
    stopStay();
    widget()->stopScrolling();
    widget()->hide();
    reportFinished(true);
}

// ---- pause, stop, place -------------------------------------------------

void TextContentPlayer::pauseContent()
{
    widget()->pauseScrolling();
}

void TextContentPlayer::resumeContent()
{
    widget()->resumeScrolling();
}

void TextContentPlayer::stopItem()
{
    endItem();
    if (m_widget) {
        m_widget->stopScrolling();
        m_widget->stripLabel->hide();
        m_widget->hide();
    }
}

void TextContentPlayer::placeIn(const QRect &contentRect)
{
    setContentRect(contentRect);
    if (!m_widget)
        return;
    m_widget->resize(textRect().size());
    if (!effectRunning())
        m_widget->move(textRect().topLeft());
}
