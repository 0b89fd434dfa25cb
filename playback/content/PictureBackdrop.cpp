// Background pictures painted under content widgets, from the picture cache.

#include "playback/content/PictureBackdrop.h"

#include "base/PictureRequest.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace {
const char *const kObjectName = "qv-picture-backdrop";
}

PictureBackdrop *PictureBackdrop::of(QWidget *widget, bool make)
{
    auto *backdrop = widget->findChild<PictureBackdrop *>(QLatin1String(kObjectName), Qt::FindDirectChildrenOnly);
    if (!backdrop && make)
        backdrop = new PictureBackdrop(widget);
    return backdrop;
}

PictureBackdrop::PictureBackdrop(QWidget *widget)
    : QObject(widget), m_widget(widget), m_request(new PictureRequest(QStringLiteral("background picture"), this))
{
    setObjectName(QLatin1String(kObjectName));
    connect(m_request, &PictureRequest::sigSettled, this, &PictureBackdrop::settled);
    widget->installEventFilter(this);
}

void PictureBackdrop::show(const QString &path, Style style)
{
    const bool hadPicture = !m_pixmap.isNull();
    m_path = path;
    m_style = path.isEmpty() ? Style::None : style;
    m_picture = QImage();
    m_pixmap = QPixmap();
    if (hadPicture)
        m_widget->update();
    if (m_style == Style::None) {
        m_request->forget();
        return;
    }
    ask();
}

void PictureBackdrop::ask()
{
    // Tiles and a label's picture show at the picture's own size; a stretched one at the widget's.
    const QSize cover = m_style == Style::Stretched ? m_widget->size() : QSize();
    const PictureCache::Result result = m_request->want(m_path, cover);
    if (result.state != PictureCache::State::Pending)
        settled(result);
}

void PictureBackdrop::settled(const PictureCache::Result &result)
{
    if (result.state != PictureCache::State::Ready || m_style == Style::None)
        return;
    m_picture = result.picture;
    if (m_style == Style::LabelPixmap) {
        if (auto *label = qobject_cast<QLabel *>(m_widget))
            label->setPixmap(QPixmap::fromImage(m_picture));
        return;
    }
    prepare();
    m_widget->update();
}

void PictureBackdrop::prepare()
{
    if (m_picture.isNull() || m_style == Style::LabelPixmap)
        return;
    if (m_style == Style::Stretched && !m_widget->size().isEmpty())
        m_pixmap
            = QPixmap::fromImage(m_picture.scaled(m_widget->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else
        m_pixmap = QPixmap::fromImage(m_picture);
}

bool PictureBackdrop::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_widget)
        return false;
    if (event->type() == QEvent::Paint && !m_pixmap.isNull()) {
        // Painted before the widget paints itself, over its style sheet's (transparent) background.
        QPainter painter(m_widget);
        if (m_style == Style::Tiled)
            painter.drawTiledPixmap(m_widget->rect(), m_pixmap);
        else
            painter.drawPixmap(0, 0, m_pixmap);
    } else if (event->type() == QEvent::Resize && m_style == Style::Stretched) {
        prepare();
        ask(); // a larger widget may want more pixels than were decoded
    }
    return false;
}
