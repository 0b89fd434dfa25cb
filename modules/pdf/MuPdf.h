#pragma once

// The four operations the Office pages need of MuPDF: open a PDF, count its
// pages, take a page, render it to an image. A document and its pages belong
// to the thread that opened them; use them on that thread alone.

#include <QImage>
#include <QSizeF>
#include <QString>

#include <memory>

namespace MuPDF {

class Page
{
public:
    ~Page();
    Page(const Page &) = delete;
    Page &operator=(const Page &) = delete;

    // The page's size in points (a point is 1/72 inch); empty when it cannot be read.
    QSizeF size() const;
    // The page at scaleX x scaleY of its size (1.0: one pixel a point),
    // turned by `rotation` degrees; a null image when it cannot be rendered.
    QImage renderImage(float scaleX, float scaleY, float rotation) const;

private:
    friend class Document;
    struct Private;
    explicit Page(std::unique_ptr<Private> d);
    std::unique_ptr<Private> d;
};

class Document
{
public:
    ~Document();
    Document(const Document &) = delete;
    Document &operator=(const Document &) = delete;

    int numPages() const;
    // The page at the index counted from 0; null when there is none or it cannot be read.
    std::unique_ptr<Page> page(int index) const;

private:
    friend std::unique_ptr<Document> loadDocument(const QString &path, QString *error);
    struct Private;
    explicit Document(std::unique_ptr<Private> d);
    std::unique_ptr<Private> d;
};

// The document at the path; null when it cannot be opened (`error` then says why).
std::unique_ptr<Document> loadDocument(const QString &path, QString *error = nullptr);

} // namespace MuPDF
