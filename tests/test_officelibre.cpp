// A real conversion: LibreOffice turns a Word document the test makes into
// a PDF, and MuPDF renders its pages.

#include "editor/OfficePages.h"
#include "platform/OfficeConverter.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

class OfficeLibreTest : public QObject
{
    Q_OBJECT

private slots:
    void aWordDocumentBecomesItsPages()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
            QSKIP("LibreOffice is not installed (scripts/setup installs it)");
        TestEnvironment env;
        ScriptedPrompts prompts;
        // Two pages of text, written as a page LibreOffice reads and saved by it as .docx.
        const QString page = env.path("notice.html");
        QFile html(page);
        QVERIFY(html.open(QIODevice::WriteOnly));
        html.write("<html><body><p>First page</p>"
                   "<p style=\"page-break-before: always\">Second page</p></body></html>");
        html.close();
        QProcess save;
        save.start(QStringLiteral("soffice"),
                   {QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=")
                        + QUrl::fromLocalFile(env.path("profile")).toString(),
                    QStringLiteral("--convert-to"), QStringLiteral("docx:MS Word 2007 XML"), QStringLiteral("--outdir"),
                    env.path("."), page});
        QVERIFY(save.waitForFinished(120000));
        const QString document = env.path("notice.docx");
        QVERIFY2(QFileInfo(document).size() > 0, save.readAllStandardError().constData());

        QList<QPixmap> pages;
        const OfficePages::Result result = OfficePages::prepare(document, &pages);
        QVERIFY(result.converted);
        QVERIFY(!result.wordFailed);
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages.first().width() > 800); // a page of about 600 points, rendered twice as large
        QVERIFY(QFileInfo(OfficePages::pageFileOf(document)).size() > 0);
    }
};

QTEST_MAIN(OfficeLibreTest)
#include "test_officelibre.moc"
