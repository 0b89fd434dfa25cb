#pragma once

// The page of every web view the program shows (web-page items and the
// weather pictures). A display window is a screen nobody stands at: nothing
// a page does may put a window of its own on it, nor wait for an answer.
// So a page answers its own dialogs at once (alert is taken as read, confirm
// and prompt as cancelled), opens no further windows, chooses no files, is
// refused every permission it asks for (place, camera, microphone,
// notifications, full screen, storage), prints nothing, and keeps its
// console messages to itself.

#include <QWebEnginePage>

class QuietWebPage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit QuietWebPage(QObject *parent);

protected:
    void javaScriptAlert(const QUrl &securityOrigin, const QString &message) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &message) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &message, const QString &defaultValue,
                          QString *result) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList &oldFiles,
                            const QStringList &acceptedMimeTypes) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;
};
