// Office documents to page images, with a converter that writes PDFs of a
// known number of pages and counts its calls: the page file cache, failed
// and missing documents, the pages' size, and a conversion that takes its
// time while the program goes on.

#include "base/AppContext.h"
#include "editor/OfficePages.h"
#include "platform/OfficeConverter.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QtTest>

namespace {

// Writes a PDF of `pages` pages, each 200 x 100 points.
void writePdf(const QString &path, int pages)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QSizeF(200, 100), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.drawText(QPointF(100, 100), QString::number(page + 1));
    }
}

void writeDocument(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

class CountingConverter : public OfficeConverter
{
public:
    CountingConverter() { OfficeConverter::install(this); }
    ~CountingConverter() override { OfficeConverter::install(nullptr); }

    bool convert(Application application, const QString &source, const QString &target, int format) override
    {
        calls << QStringLiteral("%1 %2 %3").arg(int(application)).arg(QFileInfo(source).fileName()).arg(format);
        if (fail)
            return false;
        writePdf(target, pages);
        return true;
    }

    QStringList calls;
    int pages = 3;
    bool fail = false;
};

} // namespace

class OfficePagesTest : public QObject
{
    Q_OBJECT

private slots:
    void pagesAreRenderedAtTwiceTheirSize()
    {
        TestEnvironment env;
        CountingConverter converter;
        writeDocument(env.path("report.final.docx"), "words");
        QList<QPixmap> pages;
        const OfficePages::Result result = OfficePages::prepare(env.path("report.final.docx"), &pages);
        QVERIFY(result.converted && !result.wordFailed);
        QCOMPARE(converter.calls, QStringList{QStringLiteral("0 report.final.docx 17")});
        QCOMPARE(OfficePages::pageFileOf(env.path("report.final.docx")), AppContext::appDirPath + "/tmp/report.pdf");
        QVERIFY(QFileInfo(AppContext::appDirPath + "/tmp/report.pdf").size() > 0);
        QVERIFY(!QFileInfo::exists(OfficePages::scratchPdf()));
        QCOMPARE(pages.size(), 3);
        for (const QPixmap &page : pages)
            QCOMPARE(page.size(), QSize(400, 200));
    }

    void thePageFileIsReusedOnlyForTheSameDocument()
    {
        TestEnvironment env;
        CountingConverter converter;
        QDir().mkpath(env.path("a"));
        QDir().mkpath(env.path("b"));
        const QString first = env.path("a/sales.pptx");
        writeDocument(first, "slides");
        QList<QPixmap> pages;
        OfficePages::prepare(first, &pages);
        QCOMPARE(converter.calls.size(), 1);
        QVERIFY(converter.calls.first().endsWith(" 32"));

        // The same document again: no conversion.
        QVERIFY(!OfficePages::prepare(first, &pages).converted);
        QCOMPARE(converter.calls.size(), 1);
        QCOMPARE(pages.size(), 3);

        // Another document of the same base name is converted, not taken for the first.
        const QString other = env.path("b/sales.xlsx");
        writeDocument(other, "cells");
        converter.pages = 2;
        QVERIFY(OfficePages::prepare(other, &pages).converted);
        QCOMPARE(converter.calls.size(), 2);
        QVERIFY(converter.calls.last().endsWith(" 0"));
        QCOMPARE(pages.size(), 2);

        // The first document changed since: converted again.
        writeDocument(first, "slides, longer now");
        converter.pages = 4;
        OfficePages::prepare(first, &pages);
        QCOMPARE(converter.calls.size(), 3);
        QCOMPARE(pages.size(), 4);
    }

    void aFailedConversionLeavesNoPageFile()
    {
        TestEnvironment env;
        CountingConverter converter;
        converter.fail = true;
        writeDocument(env.path("letter.doc"), "words");
        writeDocument(env.path("budget.xls"), "cells");
        QList<QPixmap> pages{QPixmap(1, 1)};
        QVERIFY(OfficePages::prepare(env.path("letter.doc"), &pages).wordFailed);
        QVERIFY(pages.isEmpty());
        QVERIFY(!QFileInfo::exists(OfficePages::pageFileOf(env.path("letter.doc"))));
        // Only Word's failure is reported; neither leaves a page file or a scratch PDF.
        QVERIFY(!OfficePages::prepare(env.path("budget.xls"), &pages).wordFailed);
        QVERIFY(!QFileInfo::exists(OfficePages::pageFileOf(env.path("budget.xls"))));
        QVERIFY(!QFileInfo::exists(OfficePages::scratchPdf()));
    }

    void aMissingDocumentUsesThePageFileThereIs()
    {
        TestEnvironment env;
        CountingConverter converter;
        const QString document = env.path("menu.docx");
        writeDocument(document, "words");
        QList<QPixmap> pages;
        OfficePages::prepare(document, &pages);
        QFile::remove(document);
        QVERIFY(!OfficePages::prepare(document, &pages).wordFailed);
        QCOMPARE(converter.calls.size(), 1); // never converted while missing
        QCOMPARE(pages.size(), 3);

        // A document that cannot be converted also falls back on the page file there is.
        writeDocument(document, "words, changed");
        converter.fail = true;
        QVERIFY(OfficePages::prepare(document, &pages).wordFailed);
        QCOMPARE(pages.size(), 3);

        // Neither document nor page file: no pages, and nothing to render from.
        QVERIFY(!OfficePages::prepare(env.path("gone.pptx"), &pages).wordFailed);
        QVERIFY(pages.isEmpty());
        QCOMPARE(converter.calls.size(), 2);
    }

    void aSlowConversionKeepsTheProgramGoing()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        const QString fixture = env.path("fixture.pdf");
        writePdf(fixture, 2);
        // A LibreOffice stand-in that takes its time, then writes the PDF where it is told.
        const QString program = env.path("slow-soffice");
        writeDocument(program, QStringLiteral("#!/bin/sh\nsleep 1.5\nprev=\nfor a in \"$@\"; do\n"
                                              "  [ \"$prev\" = --outdir ] && out=\"$a\"\n  prev=\"$a\"\ndone\n"
                                              "base=$(basename \"$prev\")\ncp '%1' \"$out/${base%.*}.pdf\"\n")
                                   .arg(fixture)
                                   .toUtf8());
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        OfficeConverter slow;
        slow.setProgram(program);
        OfficeConverter::install(&slow);
        writeDocument(env.path("plan.docx"), "words");

        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start(100);
        QList<QPixmap> pages;
        const OfficePages::Result result = OfficePages::prepare(env.path("plan.docx"), &pages);
        OfficeConverter::install(nullptr);
        QVERIFY(result.converted);
        QCOMPARE(pages.size(), 2);
        QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
        // The box came after a second, named the document, and closed by itself.
        QCOMPARE(prompts.progressBoxes.size(), 1);
        QVERIFY(prompts.progressBoxes.first().isNull());
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(OfficePagesTest)
#include "test_officepages.moc"
