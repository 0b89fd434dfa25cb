// A widget's picture from the cache, asked for again when its decode ends.

#include "base/PictureRequest.h"

#include "base/Log.h"

PictureRequest::PictureRequest(const QString &what, QObject *parent) : QObject(parent), m_what(what)
{
    connect(&PictureCache::instance(), &PictureCache::sigDecoded, this, &PictureRequest::decoded);
}

PictureCache::Result PictureRequest::want(const QString &path, const QSize &cover)
{
    m_path = path;
    m_cover = cover;
    const PictureCache::Result result = PictureCache::instance().picture(path, cover);
    m_waiting = result.state == PictureCache::State::Pending;
    tell(result);
    return result;
}

void PictureRequest::forget()
{
    m_waiting = false;
    m_path.clear();
}

void PictureRequest::decoded(const QString &path)
{
    if (!m_waiting || path != m_path)
        return;
    const PictureCache::Result result = PictureCache::instance().picture(m_path, m_cover);
    if (result.state == PictureCache::State::Pending)
        return; // more pixels are wanted than that decode gave: another one runs
    m_waiting = false;
    tell(result);
    emit sigSettled(result);
}

void PictureRequest::tell(const PictureCache::Result &result) const
{
    if (result.state == PictureCache::State::Failed && result.firstFailure)
        qCWarning(lcPlayback).noquote() << "the" << m_what << m_path << "cannot be shown:" << result.error;
}
