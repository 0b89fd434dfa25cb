#pragma once

// The web page of an area: a web view under a transparent label (so a drag
// in the editor moves the area instead of reaching the page). A page that is
// hidden keeps its content but is muted and frozen, so it neither plays
// sound nor runs scripts behind the next item; shown again, it goes on
// without a reload. The page puts nothing else on the screen (QuietWebPage).

#include <QLabel>
#include <QTime>
#include <QUrl>

class QWebEngineView;

class UrlWin : public QLabel
{
    Q_OBJECT

public:
    explicit UrlWin(QWidget *parent);

    QLabel *overlayLabel = nullptr;
    QTime playTime;
    QString address;
    QWebEngineView *webView = nullptr;

    // The rules below are written here, so that they can be asked without
    // opening the web module (its tests do).
    // An address that begins with "http://" or "https://", in any letter case.
    static bool isWebAddress(const QString &address)
    {
        return address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
               || address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
    }
    // What the view loads for an address: the address itself, or a local file.
    static QUrl urlFor(const QString &address)
    {
        return isWebAddress(address) ? QUrl(address) : QUrl::fromLocalFile(address);
    }
    // The page zoom for a window of that width: width / 1240 below 1240 pixels, else 1.
    static qreal zoomFor(int width)
    {
        constexpr int fullZoomWidth = 1240;
        return width < fullZoomWidth ? qreal(width) / fullZoomWidth : 1.0;
    }

    // Loads the address unless the view shows it already: a web address
    // shown twice loads once, however it is spelt, unless it failed to load;
    // a file path never equals the view's file URL, so a file loads each
    // time. True when a load started.
    bool loadAddress(const QString &address);
    // Zoom of the window's current width.
    void applyZoom();

signals:
    // The view's load is over, of the address asked for last (a load that a
    // newer one cut short reports nothing).
    void sigLoadFinished(bool ok);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // The view shows this address already (a web address in any spelling of it).
    bool isShowing(const QString &address) const;

    bool m_loadFailed = false; // the last load failed: the view shows only the engine's error
};
