#pragma once

// What the engines of both video modules do alike, on their libmpv session:
// pause, scale, volume and rotation as properties, and what they tell of the
// open file.

#include "modules/mpv/MpvSession.h"
#include "playback/video/VideoModule.h"
#include "playback/video/VideoValues.h"

class MpvPlayerEngine : public VideoEngine
{
public:
    void setPaused(bool paused) override { session().setProperty("pause", paused ? "yes" : "no"); }
    void scale(int index) override
    {
        if (const char *zoom = VideoValues::zoomForScale(index))
            session().setProperty("video-zoom", zoom);
    }
    void setVolume(int volume) override { session().setProperty("volume", VideoValues::number(volume)); }
    void rotate(int degrees) override { session().setProperty("video-rotate", VideoValues::number(degrees)); }
    QString openedPath() const override { return session().openedPath(); }
    QString propertyText(const QString &name) const override { return session().propertyText(name); }

protected:
    virtual MpvSession &session() const = 0;
};
