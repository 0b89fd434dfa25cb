#pragma once

// The pages of a PDF page file, drawn by MuPDF when asked (PageSource).

#include "model/DocumentPages.h"

#include <QString>

#include <memory>

namespace MuPdfPages {

// The pages of the PDF at `path`, counted now; null, with `error`, when the
// file is not a regular file or cannot be read as a PDF. Counting opens the
// file: call it off the GUI thread. Each page drawn later opens the file
// again, on whatever thread draws it, and keeps nothing of it afterwards.
std::shared_ptr<const PageSource> open(const QString &path, QString *error);

} // namespace MuPdfPages
