// The module "pdf": the pages of PDF page files, drawn by MuPDF.

#include "editor/PdfModule.h"
#include "modules/pdf/MuPdfPages.h"

#include <QObject>

class MuPdfModule : public QObject, public PdfModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PdfModule_iid)
    Q_INTERFACES(PdfModule)

public:
    std::shared_ptr<const PageSource> openPages(const QString &path, QString *error) const override
    {
        return MuPdfPages::open(path, error);
    }
};

#include "MuPdfModule.moc"
