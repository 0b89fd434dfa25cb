#pragma once

// What the web module (modules/web, the only part of the program that links
// the web engine) offers the program: the player of web-page items and the
// small picture views of the weather window. The program asks for it through
// WebEngineCheck::module(), which readies the engine first; the module is
// opened the first time a page or a weather window is shown, so a start and a
// schedule without either never load the engine.

#include <QtPlugin>

#include <memory>

class ContentPlayer;
class QUrl;
class QWidget;

class WebModule
{
public:
    virtual ~WebModule() = default;

    // A new player of web-page items whose page will be a child of `area`
    // (made when the first page shows); the caller owns it.
    virtual std::unique_ptr<ContentPlayer> createPagePlayer(QWidget *area) = 0;

    // A view of `width` x `height` pixels, child of `parent`, that shows one
    // picture from the web on a clear background. Nothing the picture's
    // address does may reach the screen beyond the view.
    virtual QWidget *createPictureView(QWidget *parent, int width, int height) = 0;
    // Loads `url` into a view made by createPictureView; an empty url clears it.
    virtual void showPicture(QWidget *view, const QUrl &url) = 0;
};

#define WebModule_iid "org.qvledplayer.WebModule/1"
Q_DECLARE_INTERFACE(WebModule, WebModule_iid)
