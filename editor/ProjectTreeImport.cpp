// "Add Media" -> "File": the chosen files become video, picture, text and
// Office items of the selected window, each appended and announced in turn.

#include "editor/ProjectTree.h"

#include "base/Prompts.h"
#include "editor/MediaFileImport.h"
#include "editor/OfficePages.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"

#include <QStandardPaths>

namespace {

QString kindString(MediaKindId id)
{
    for (const MediaKindRow &row : MediaKinds::rows()) {
        if (row.id == id)
            return row.kind;
    }
    return QString();
}

QString textOf(const QTreeWidgetItem *item)
{
    return item ? item->text(0) : QString();
}

} // namespace

void ProjectTree::addMediaFileSlot()
{
    // Without a window record nothing can be added: no dialog is shown.
    CommonWinObject *window = getCurCommonWin();
    if (!window || !curItem)
        return;
    const ImportContext context = importContext();
    const QStringList paths = Prompts::current().openFileNames(
        context.dialogParent, tr("Open"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        MediaFileImport::dialogFilter());
    for (const QString &path : paths) {
        MediaKindId kind;
        if (!MediaFileImport::kindOfFile(path, &kind))
            continue;
        auto *item = new QVLedMediaObject;
        curMediaObject = item;
        item->kind = kindString(kind);
        item->windowName = textOf(curItem);
        item->programName = textOf(curItem->parent());
        item->segmentName = textOf(curItem->parent() ? curItem->parent()->parent() : nullptr);
        item->displayName = context.displayName;
        item->id = mediaIdCounter++; // drawn before anything is read, and not given back
        switch (kind) {
        case MediaKindId::Video:
            item->video.path = path;
            break;
        case MediaKindId::Image:
            // Decoded when it is shown, in the background and to the size of its area.
            item->image.path = path;
            break;
        case MediaKindId::Txt:
            item->text.text = MediaFileImport::readTextFile(path);
            break;
        case MediaKindId::Office: {
            item->image.path = path;
            const OfficePages::Result prepared = OfficePages::prepare(path, &item->image.pages, context.dialogParent);
            // A folder that cannot be written, or pages that cannot be drawn,
            // are told as what they are, not as a missing Office.
            QString problem = prepared.rendererProblem;
            if (problem.isEmpty() && item->image.pages.isEmpty())
                problem = prepared.folderProblem;
            if (problem.isEmpty() && prepared.wordFailed)
                problem = tr("Application failed to create. Please ensure that word 2000 or above is installed!");
            if (!problem.isEmpty()) {
                curMediaObject = nullptr;
                delete item;
                Prompts::current().information(context.dialogParent, tr("info"), problem);
                return;
            }
            // The program went on while the pages were made; the window must still be the one chosen.
            if (getCurCommonWin() != window) {
                curMediaObject = nullptr;
                delete item;
                return;
            }
            break;
        }
        default:
            break;
        }
        window->media.append(item);
        const int row = window->media.size() - 1;
        switch (kind) {
        case MediaKindId::Video:
            emit sigAddVideoObject(row, item);
            break;
        case MediaKindId::Txt:
            emit sigAddSimpleTextObject(row, item);
            break;
        default:
            emit sigAddImageObject(row, item);
            break;
        }
    }
}
