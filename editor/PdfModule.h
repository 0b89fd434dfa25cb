#pragma once

// The pages of an Office item's page file are drawn by MuPDF, which lives in
// the module "pdf" (base/Modules.h): the program opens it when it first
// reads a page file, so an editor that never meets an Office document never
// loads it. Without the module an Office item has no pages: the import says
// so, and play logs the item failed.

#include "model/DocumentPages.h"

#include <QString>
#include <QtPlugin>

#include <memory>

// The root object of the module.
class PdfModule
{
public:
    virtual ~PdfModule() = default;

    // The pages of the PDF at `path`, counted now; null, with `error`, when
    // the file is not a regular file or cannot be read as a PDF. May run on
    // any thread (counting opens the file: call it off the GUI thread).
    virtual std::shared_ptr<const PageSource> openPages(const QString &path, QString *error) const = 0;
};

#define PdfModule_iid "org.qvledplayer.PdfModule/1"
Q_DECLARE_INTERFACE(PdfModule, PdfModule_iid)
