#pragma once

// The pages of an Office item as the picture player shows them: the page
// shown now and the one after it, drawn at the size they are shown, on a
// worker thread; no other page is kept. A page asked for comes a moment
// later (sigPageReady); the one after it is usually there before its turn.

#include "model/DocumentPages.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>

#include <memory>

class OfficePageFeed : public QObject
{
    Q_OBJECT

public:
    explicit OfficePageFeed(QObject *parent = nullptr);
    ~OfficePageFeed() override;

    // The document whose pages to draw; what was drawn of another is dropped.
    // sigDocumentChanged tells when its pages become ready, or cannot be had.
    void setDocument(const DocumentPages &pages);
    // The size and proportions the pages are drawn in (Qt::IgnoreAspectRatio
    // or Qt::KeepAspectRatio); an empty size draws nothing. A new target
    // drops what was drawn for the old one.
    void setTarget(const QSize &size, Qt::AspectRatioMode mode);

    // Page `index` when it is drawn, else null (sigPageReady follows once it
    // is, unless the page cannot be drawn). Asks for it and for the page
    // after it, and drops every other page.
    QImage page(int index);

    // Drops every page and draws nothing more until asked again.
    void clear();

signals:
    // Page `index` was drawn: page(index) gives it now.
    void sigPageReady(int index);
    // The document's pages became ready, or cannot be had.
    void sigDocumentChanged();

private:
    struct Inbox;
    void request(int index);
    void drawn(quint64 generation, int index, const QImage &image);
    void dropAll();

    DocumentPages m_pages;
    QMetaObject::Connection m_documentChanged;
    QSize m_size;
    Qt::AspectRatioMode m_mode = Qt::IgnoreAspectRatio;
    int m_current = -1;
    quint64 m_generation = 0; // a drawing for an older document or size is dropped
    QHash<int, QImage> m_drawn;
    QSet<int> m_pending;
    std::shared_ptr<Inbox> m_inbox;
};
