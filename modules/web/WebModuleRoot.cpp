// The web module: the one part of the program that links the web engine. The
// program opens it the first time a web page or a weather window shows.

#include "modules/web/QuietWebPage.h"
#include "modules/web/UrlPlayer.h"
#include "playback/content/WebModule.h"

#include <QObject>
#include <QUrl>
#include <QWebEngineView>

class WebModuleRoot : public QObject, public WebModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID WebModule_iid)
    Q_INTERFACES(WebModule)

public:
    std::unique_ptr<ContentPlayer> createPagePlayer(QWidget *area) override
    {
        return std::make_unique<UrlPlayer>(area);
    }

    QWidget *createPictureView(QWidget *parent, int width, int height) override
    {
        auto *view = new QWebEngineView(parent);
        // A picture address may name a page with scripts of its own.
        view->setPage(new QuietWebPage(view));
        view->setFixedSize(width, height);
        view->page()->setBackgroundColor(QColor(QStringLiteral("#0f0f1000")));
        return view;
    }

    void showPicture(QWidget *view, const QUrl &url) override
    {
        auto *web = qobject_cast<QWebEngineView *>(view);
        if (!web)
            return;
        if (url.isEmpty())
            web->setHtml(QString());
        else
            web->load(url);
    }
};

#include "WebModuleRoot.moc"
