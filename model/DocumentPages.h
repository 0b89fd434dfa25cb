#pragma once

// The pages of an "office" item. A document becomes a page file first (a
// conversion that may take a while and may fail); its pages are drawn only
// when play asks for one, at the size it is shown, so a long document costs
// no more memory than a short one.
//
// PageSource draws the pages of one page file; DocumentPages is what the
// item holds: a handle whose copies share one state, so that every copy of
// an item (a pasted one, the one a player keeps) learns at once when the
// pages become ready or cannot be had.

#include <QImage>
#include <QObject>
#include <QSize>

#include <memory>

// The pages of one page file. Made by the editor once it knows how many
// pages there are; read-only afterwards, so render() may run on any thread,
// and on several at once.
class PageSource
{
public:
    virtual ~PageSource() = default;

    virtual int pageCount() const = 0;
    // Page `index` (counted from 0) drawn to `size`: exactly that size with
    // Qt::IgnoreAspectRatio, the largest size inside it that keeps the
    // page's proportions with Qt::KeepAspectRatio; at most kMaxPagePixels
    // pixels (the proportions kept). Null when the page cannot be drawn.
    virtual QImage render(int index, const QSize &size, Qt::AspectRatioMode mode) const = 0;
};

// The most pixels a page is drawn with, whatever the area's size: a 4K area
// (3840 x 2160) still gets every pixel; a larger one shows the page enlarged.
constexpr qint64 kMaxPagePixels = 4096LL * 2048LL;

// The size a page of `pageSize` is drawn at for `size` and `mode`, held to
// kMaxPagePixels; empty when either size is empty.
QSize pageDrawingSize(const QSizeF &pageSize, const QSize &size, Qt::AspectRatioMode mode);

struct DocumentPagesState;

// Tells the holders of a DocumentPages handle that its state changed.
class DocumentPagesNotifier : public QObject
{
    Q_OBJECT

signals:
    void sigChanged();
};

class DocumentPages
{
public:
    enum class Status {
        None,      // no document: an item that is not "office", or one just read from a file
        Preparing, // the page file is being made or read
        Ready,     // the pages are there
        Failed,    // there are no pages to show: the conversion failed or the page file cannot be read
    };

    DocumentPages() = default;
    // A handle in the state Preparing; ready() or fail() settle it, for every copy.
    static DocumentPages preparing();
    // A handle that is ready with the pages of `source`.
    static DocumentPages ready(std::shared_ptr<const PageSource> source);

    Status status() const;
    bool isReady() const { return status() == Status::Ready; }
    // The number of pages: 0 until they are ready.
    int size() const;
    bool isEmpty() const { return size() == 0; }
    // What draws the pages; null until they are ready.
    std::shared_ptr<const PageSource> source() const;

    // Settle the shared state; every copy learns of it through notifier().
    // Call on the thread the handle belongs to (the GUI thread).
    void setReady(std::shared_ptr<const PageSource> source) const;
    void setFailed() const;

    // Null for a handle of no document; otherwise signals each change of state.
    const DocumentPagesNotifier *notifier() const;
    // True when both handles share one state (or both hold none).
    bool sharesStateWith(const DocumentPages &other) const { return m_state == other.m_state; }

    // Back to no document; other copies keep the state they share.
    void clear() { m_state.reset(); }

    // A reference that does not keep the state alive, for work done on behalf
    // of the items: once every item holding the state is gone, lock() gives
    // a handle of no document.
    class Weak
    {
    public:
        DocumentPages lock() const;

    private:
        friend class DocumentPages;
        std::weak_ptr<DocumentPagesState> m_state;
    };
    Weak weak() const;

private:
    std::shared_ptr<DocumentPagesState> m_state;
};
