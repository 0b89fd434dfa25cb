// The translation catalogues: in step with the sources, faithful to their
// placeholders, and loaded as the "Language" setting says, Qt's own texts
// included.

#include "base/AppContext.h"
#include "resources/QvResources.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const char *const kCatalogues[] = {"deskTop_eng_ch.ts", "deskTop_eng_en.ts"};

struct Message
{
    QString context;
    QString source;
    QStringList translations; // one per numerus form
    bool unfinished = false;
};

QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            Message message;
            message.context = context;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    message.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    message.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                    bool forms = false;
                    QString text;
                    while (!xml.atEnd()) {
                        xml.readNext();
                        if (xml.isCharacters())
                            text += xml.text();
                        else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                            forms = true;
                            message.translations << xml.readElementText();
                        } else if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
                            break;
                    }
                    if (!forms)
                        message.translations << text;
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages << message;
        }
    }
    return messages;
}

QString cataloguePath(const char *name)
{
    return QStringLiteral(QV_SOURCE_DIR "/resources/translations/") + QLatin1String(name);
}

QSet<QString> placeholders(const QString &text)
{
    QSet<QString> found;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%(\\d+|n)")).globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured());
    return found;
}

QString translated(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

} // namespace

class CataloguesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initQvResources(); }

    // A text added to the sources without its translations shows up here.
    void cataloguesHoldEveryTextTranslated()
    {
        for (const char *name : kCatalogues) {
            QTemporaryDir dir;
            const QString copy = dir.filePath(QLatin1String(name));
            QVERIFY(QFile::copy(cataloguePath(name), copy));
            QProcess lupdate;
            lupdate.setWorkingDirectory(QStringLiteral(QV_SOURCE_DIR));
            QStringList arguments{
                "-silent", "-locations", "none", "-extensions", "cpp,h", "-I", QStringLiteral(QV_SOURCE_DIR)};
            for (const char *folder :
                 {"model", "base", "platform", "playback", "panels", "editor", "shell", "video-embedded", "modules"})
                if (QDir(QStringLiteral(QV_SOURCE_DIR "/") + QLatin1String(folder)).exists())
                    arguments << QLatin1String(folder);
            lupdate.start(QStringLiteral(QV_LUPDATE), arguments << "-ts" << copy);
            QVERIFY(lupdate.waitForFinished(60000));
            QCOMPARE(lupdate.exitCode(), 0);

            QStringList missing;
            for (const Message &message : readCatalogue(copy))
                if (message.unfinished)
                    missing << message.context + QStringLiteral(": ") + message.source;
            QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 lacks (run scripts/update-catalogues): %2")
                                                       .arg(QLatin1String(name), missing.join(QStringLiteral(" | ")))));
        }
    }

    void translationsKeepTheirPlaceholders()
    {
        for (const char *name : kCatalogues) {
            const QList<Message> messages = readCatalogue(cataloguePath(name));
            QVERIFY(messages.size() > 100);
            for (const Message &message : messages) {
                for (const QString &translation : message.translations)
                    QVERIFY2(placeholders(translation) == placeholders(message.source),
                             qPrintable(message.context + ": " + message.source + " -> " + translation));
            }
        }
    }

    void englishGivesTheSourceTexts()
    {
        for (const Message &message : readCatalogue(cataloguePath("deskTop_eng_en.ts")))
            for (const QString &translation : message.translations)
                QCOMPARE(translation, message.source);
    }

    // The commands compare captions: the two faces of a button must differ.
    void chineseTwoStatePairsDiffer()
    {
        QHash<QString, QString> widget;
        for (const Message &message : readCatalogue(cataloguePath("deskTop_eng_ch.ts")))
            if (message.context == QLatin1String("Widget"))
                widget.insert(message.source, message.translations.value(0));
        const std::pair<const char *, const char *> pairs[] = {{"winlock", "winunlock"},
                                                               {"winhide", "winshow"},
                                                               {"background", "frontground"},
                                                               {"win-up", "win-show"},
                                                               {"play", "pause"}};
        for (const auto &pair : pairs) {
            const QString on = widget.value(QLatin1String(pair.first));
            const QString off = widget.value(QLatin1String(pair.second));
            QVERIFY2(!on.isEmpty() && !off.isEmpty() && on != off, pair.first);
        }
    }

    void languageLoadsItsCatalogues_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("play");
        QTest::addColumn<QString>("yes");
        QTest::newRow("0 Chinese") << 0 << QString::fromUtf8("播放") << QString::fromUtf8("是(&Y)");
        QTest::newRow("1 English") << 1 << "play"
                                   << "&Yes";
        QTest::newRow("5 none") << 5 << "play"
                                << "&Yes";
    }

    void languageLoadsItsCatalogues()
    {
        QFETCH(int, language);
        QFETCH(QString, play);
        QFETCH(QString, yes);
        AppContext::reset();
        AppContext::Language = language;
        AppContext::installTranslators();
        QCOMPARE(translated("Widget", "play"), play);
        QCOMPARE(translated("QPlatformTheme", "&Yes"), yes);

        // A later choice takes effect at once, whatever the start installed.
        AppContext::Language = 0;
        AppContext::loadCatalogues();
        QCOMPARE(translated("Widget", "play"), QString::fromUtf8("播放"));
        QCOMPARE(translated("QPlatformTheme", "&Yes"), QString::fromUtf8("是(&Y)"));
        // and back to English: Qt's own English again, nothing left of the Chinese
        AppContext::Language = 1;
        AppContext::loadCatalogues();
        QCOMPARE(translated("Widget", "play"), QStringLiteral("play"));
        QCOMPARE(translated("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
        AppContext::reset();
    }
};

QTEST_MAIN(CataloguesTest)
#include "test_catalogues.moc"
