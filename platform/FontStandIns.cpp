// Maps the layout's font family to an installed stand-in.

#include "platform/FontStandIns.h"

#include "base/Log.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace FontStandIns {

namespace {
// CJK sans families close to the layout family's widths, the one the set-up
// installs first.
const char *const kStandIns[] = {"Noto Sans CJK SC", "Source Han Sans SC"};
} // namespace

QString layoutFamily()
{
    return QStringLiteral("微软雅黑");
}

QString install()
{
    const QStringList installed = QFontDatabase().families();
    if (installed.contains(layoutFamily()) || installed.contains(QStringLiteral("Microsoft YaHei")))
        return QString();
    for (const char *standIn : kStandIns) {
        const QString family = QString::fromUtf8(standIn);
        if (installed.contains(family)) {
            QFont::insertSubstitution(layoutFamily(), family);
            return family;
        }
    }
    qCWarning(lcShell).noquote() << "no stand-in for the font family" << layoutFamily()
                                 << "is installed; texts may not fit their places";
    return QString();
}

} // namespace FontStandIns
