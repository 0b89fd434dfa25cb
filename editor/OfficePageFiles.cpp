// Which page file is a document's, the records beside the page files, and
// the conversions that failed.

#include "editor/OfficePageFiles.h"

#include "base/AppContext.h"
#include "base/Log.h"
#include "editor/OfficePages.h"
#include "model/RegularFile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace OfficePageFiles {

namespace {

constexpr qint64 kMaxRecordBytes = 1 << 20; // a record, or the list of failures, is never larger

QString recordOf(const QString &pageFile)
{
    return pageFile + QStringLiteral(".source");
}

QString failuresFile()
{
    return OfficePages::tmpFolder() + QStringLiteral("/failed-conversions.json");
}

QString baseOf(const QFileInfo &document)
{
    return document.fileName().section(QLatin1Char('.'), 0, 0);
}

QJsonObject signatureOf(const QFileInfo &document)
{
    return {{QStringLiteral("path"), document.absoluteFilePath()},
            {QStringLiteral("size"), QString::number(document.size())},
            {QStringLiteral("modified"), QString::number(document.lastModified().toMSecsSinceEpoch())}};
}

// A small JSON object from a regular file; empty when there is none.
QJsonObject readObject(const QString &path)
{
    QFile file(path);
    QString reason;
    if (!RegularFile::open(file, &reason))
        return {};
    return QJsonDocument::fromJson(file.read(kMaxRecordBytes)).object();
}

void writeObject(const QString &path, const QJsonObject &object)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(object).toJson(QJsonDocument::Compact));
        if (file.commit())
            return;
    }
    qCWarning(lcEditor).noquote() << "cannot write" << path << ":" << file.errorString();
}

enum class Owner { Nobody, This, Other };

Owner ownerOf(const QString &pageFile, const QFileInfo &document, QJsonObject *record)
{
    if (!QFileInfo::exists(recordOf(pageFile)))
        return Owner::Nobody;
    *record = readObject(recordOf(pageFile));
    return record->value(QStringLiteral("path")).toString() == document.absoluteFilePath() ? Owner::This : Owner::Other;
}

Choice chosen(const QString &pageFile, const QFileInfo &document, Owner owner, const QJsonObject &record)
{
    Choice choice;
    choice.pageFile = pageFile;
    choice.exists = QFileInfo(pageFile).isFile();
    choice.recorded = owner == Owner::This;
    choice.upToDate = choice.exists && (owner == Owner::Nobody || record == signatureOf(document));
    return choice;
}

} // namespace

QString scratchPdf()
{
    // Two dots: no document's page file is named so.
    return OfficePages::tmpFolder() + QStringLiteral("/scratch.converting.pdf");
}

namespace {
// The rule above in one folder. `tidy`: a leftover scratch file there may go.
Choice chooseIn(const QString &tmpFolder, const QFileInfo &document, bool tidy)
{
    const QString folder = tmpFolder + QLatin1Char('/');
    const QString base = baseOf(document);
    const QString byBase = folder + base + QStringLiteral(".pdf");
    QJsonObject record;
    Owner owner = ownerOf(byBase, document, &record);
    // Versions before the records used "tmp.pdf" as their scratch file: one without a record is a leftover.
    if (tidy && owner == Owner::Nobody && base == QLatin1String("tmp"))
        QFile::remove(byBase);
    if (owner != Owner::Other && QFileInfo(byBase).isFile())
        return chosen(byBase, document, owner, record);

    const QByteArray key = QCryptographicHash::hash(document.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1);
    const QString ofItsOwn = folder + base + QLatin1Char('.') + QString::fromLatin1(key.toHex().left(12)) + ".pdf";
    QJsonObject ownRecord;
    const Owner ownOwner = ownerOf(ofItsOwn, document, &ownRecord);
    if (QFileInfo(ofItsOwn).isFile())
        return chosen(ofItsOwn, document, ownOwner == Owner::Other ? Owner::Nobody : ownOwner, ownRecord);
    // Nothing there yet: the name by base, unless another document (or something not a file) holds it.
    if (owner == Owner::Other || QFileInfo::exists(byBase))
        return chosen(ofItsOwn, document, ownOwner, ownRecord);
    return chosen(byBase, document, owner, record);
}
} // namespace

Choice choose(const QFileInfo &document)
{
    const Choice here = chooseIn(OfficePages::tmpFolder(), document, true);
    const QString older = AppContext::programFilePath(QStringLiteral("tmp"));
    if (here.exists || QDir::cleanPath(older) == QDir::cleanPath(OfficePages::tmpFolder()))
        return here;
    Choice kept = chooseIn(older, document, false);
    // One that is out of date is made anew in the settings folder; with the
    // document gone it is all there is.
    if (!kept.exists || (!kept.upToDate && document.exists()))
        return here;
    kept.older = true;
    return kept;
}

void recordSource(const QString &pageFile, const QFileInfo &document)
{
    writeObject(recordOf(pageFile), signatureOf(document));
}

void remove(const QString &pageFile)
{
    QFile::remove(pageFile);
    QFile::remove(recordOf(pageFile));
}

bool failedBefore(const QFileInfo &document)
{
    const QJsonObject failed = readObject(failuresFile()).value(document.absoluteFilePath()).toObject();
    return !failed.isEmpty() && failed == signatureOf(document);
}

void rememberFailure(const QFileInfo &document)
{
    QJsonObject failures = readObject(failuresFile());
    failures.insert(document.absoluteFilePath(), signatureOf(document));
    writeObject(failuresFile(), failures);
}

void forgetFailure(const QFileInfo &document)
{
    QJsonObject failures = readObject(failuresFile());
    if (failures.contains(document.absoluteFilePath())) {
        failures.remove(document.absoluteFilePath());
        writeObject(failuresFile(), failures);
    }
}

} // namespace OfficePageFiles
