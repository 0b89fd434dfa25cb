#pragma once

// Office pages for tests that need no PDF: a page source of pictures held in
// memory, each drawn to the size asked for, and counted as it is drawn.

#include "model/DocumentPages.h"

#include <QAtomicInt>
#include <QList>

class PicturePages : public PageSource
{
public:
    explicit PicturePages(const QList<QImage> &pictures) : m_pictures(pictures) { }

    int pageCount() const override { return m_pictures.size(); }
    QImage render(int index, const QSize &size, Qt::AspectRatioMode mode) const override
    {
        m_drawn.ref();
        const QImage picture = m_pictures.value(index);
        if (picture.isNull())
            return QImage();
        return picture.scaled(pageDrawingSize(picture.size(), size, mode), Qt::IgnoreAspectRatio);
    }
    int drawn() const { return m_drawn.loadRelaxed(); }

    // A ready handle of `count` pages of one colour each (red, green, blue, yellow, again).
    static DocumentPages coloured(int count, const QSize &size = QSize(60, 80))
    {
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
        QList<QImage> pictures;
        for (int i = 0; i < count; ++i) {
            QImage page(size, QImage::Format_RGB32);
            page.fill(colours[i % 4]);
            pictures << page;
        }
        return DocumentPages::ready(std::make_shared<PicturePages>(pictures));
    }

private:
    QList<QImage> m_pictures;
    mutable QAtomicInt m_drawn;
};
