// Real conversions: LibreOffice turns a Word document the test makes into a
// PDF whose pages MuPDF draws; and a conversion that outlives its time-out
// is ended with the office program the launcher started, leaving nothing.

#include "editor/OfficePages.h"
#include "platform/OfficeConverter.h"
#include "support/FakeSoffice.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

// A Word document of two pages, written as a page LibreOffice reads and saved by it as .docx.
QString makeWordDocument(const TestEnvironment &env)
{
    const QString page = env.path("notice.html");
    QFile html(page);
    if (!html.open(QIODevice::WriteOnly))
        return QString();
    html.write("<html><body><p>First page</p>"
               "<p style=\"page-break-before: always\">Second page</p></body></html>");
    html.close();
    QProcess save;
    save.start(QStringLiteral("soffice"),
               {QStringLiteral("--headless"),
                QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(env.path("profile")).toString(),
                QStringLiteral("--convert-to"), QStringLiteral("docx:MS Word 2007 XML"), QStringLiteral("--outdir"),
                env.path("."), page});
    save.waitForFinished(120000);
    return env.path("notice.docx");
}

} // namespace

class OfficeLibreTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
            QSKIP("LibreOffice is not installed (scripts/setup installs it)");
    }

    void aWordDocumentBecomesItsPages()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        const QString document = makeWordDocument(env);
        QVERIFY(QFileInfo(document).size() > 0);

        DocumentPages pages;
        const OfficePages::Result result = OfficePages::prepare(document, &pages);
        QVERIFY(result.converted);
        QVERIFY(!result.wordFailed);
        QCOMPARE(pages.size(), 2);
        QVERIFY(QFileInfo(OfficePages::pageFileOf(document)).size() > 0);
        // An upright page drawn for a 1280 x 720 area keeps its proportions and fills its height.
        const QImage page = pages.source()->render(1, QSize(1280, 720), Qt::KeepAspectRatio);
        QCOMPARE(page.height(), 720);
        QVERIFY(page.width() > 400 && page.width() < 720);
        QVERIFY(FakeSoffice::processesMentioning(env.path("tmp")).isEmpty());
    }

    void aConversionPastItsTimeOutLeavesNothingBehind()
    {
        TestEnvironment env;
        const QString document = makeWordDocument(env);
        QVERIFY(QFileInfo(document).size() > 0);
        OfficeConverter converter;
        // A first start makes its profile: it takes longer than this, with the office program running
        // (the launcher starts it within a tenth of a second).
        converter.setTimeoutMs(500);
        QElapsedTimer clock;
        clock.start();
        const OfficeConverter::Outcome outcome = converter.convertAndWait(
            OfficeConverter::Application::Word, document, env.path("tmp/out.pdf"), OfficeConverter::kWordPdf);
        QCOMPARE(outcome, OfficeConverter::Outcome::Failed);
        QVERIFY2(converter.errorString().contains("longer than"), qPrintable(converter.errorString()));
        QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
        QTest::qWait(1500); // an office program still alive would make its folder again
        QVERIFY2(FakeSoffice::processesMentioning(env.path("tmp")).isEmpty(),
                 qPrintable(FakeSoffice::processesMentioning(env.path("tmp")).join(' ')));
        QCOMPARE(QDir(env.path("tmp")).entryList({QStringLiteral("conversion*")}, QDir::Dirs), QStringList());
        QVERIFY(!QFileInfo::exists(env.path("tmp/out.pdf")));
    }
};

QTEST_MAIN(OfficeLibreTest)
#include "test_officelibre.moc"
