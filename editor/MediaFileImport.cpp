// The suffix lists of the media import and the reading of text files.

#include "editor/MediaFileImport.h"

#include "base/Log.h"

#include <QFile>
#include <QTextCodec>

namespace MediaFileImport {

namespace {
struct SuffixList
{
    MediaKindId kind;
    QStringList suffixes;
};

// Tested in this order.
const SuffixList kLists[] = {
    {MediaKindId::Video,
     {"mp4", "flv", "rmvb", "avi", "mkv", "mpg", "mov", "mpeg", "wmv", "rm"}},
    {MediaKindId::Image, {"jpg", "png", "bmp", "jpeg", "gif"}},
    {MediaKindId::Txt, {"txt"}},
    {MediaKindId::Office, {"doc", "docx", "ppt", "pptx", "xls", "xlsx"}},
};
} // namespace

bool kindOfFile(const QString &path, MediaKindId *kind)
{
    const QString suffix = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1);
    for (const SuffixList &list : kLists) {
        if (list.suffixes.contains(suffix, Qt::CaseInsensitive)) {
            *kind = list.kind;
            return true;
        }
    }
    return false;
}

QString dialogFilter()
{
    return QStringLiteral("(*.mp4 *.mov *.vob *.flv *.rmvb *.avi *.mkv *.mpg *.mpeg *.wmv *.rm *.jpg *.png *.jpeg "
                          "*.gif *.txt *.doc *.docx *.ppt *.pptx *.xls *.xlsx)");
}

QString readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcEditor).noquote() << "cannot read the text file" << path << ":" << file.errorString();
        return QString();
    }
    const QByteArray bytes = file.readAll();
    QTextCodec::ConverterState state; // a byte-order mark is read as such and dropped
    const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return text;
    return QString::fromLocal8Bit(bytes);
}

} // namespace MediaFileImport
