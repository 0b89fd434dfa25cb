// Office documents to pages, with a converter that writes PDFs of a known
// number of pages and counts its calls: which page file is a document's
// (documents of one base name, a page file without a record, a document
// named tmp.*), conversions that fail and are remembered, missing
// documents, the size pages are drawn at, and an import that waits for a
// slow conversion while the program goes on.

#include "base/AppContext.h"
#include "editor/OfficePageFiles.h"
#include "editor/OfficePages.h"
#include "platform/OfficeConverter.h"
#include "support/FakeSoffice.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QtTest>

namespace {

void writeDocument(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

class CountingConverter : public OfficeConverter
{
public:
    enum class Mode { Pdf, Fail, Garbage, Unavailable };

    CountingConverter() { OfficeConverter::install(this); }
    ~CountingConverter() override { OfficeConverter::install(nullptr); }

    void start(Application application, const QString &source, const QString &target, int format, Done done) override
    {
        calls << QStringLiteral("%1 %2 %3").arg(int(application)).arg(QFileInfo(source).fileName()).arg(format);
        switch (mode) {
        case Mode::Pdf:
            FakeSoffice::writePdf(target, pages, QSizeF(200, 100));
            done(Outcome::Converted, QString());
            break;
        case Mode::Garbage: {
            QFile file(target);
            file.open(QIODevice::WriteOnly);
            file.write(QByteArray(4096, '\x7f'));
            file.close();
            done(Outcome::Converted, QString());
            break;
        }
        case Mode::Fail:
            done(Outcome::Failed, QStringLiteral("refused"));
            break;
        case Mode::Unavailable:
            done(Outcome::Unavailable, QStringLiteral("not installed"));
            break;
        }
    }

    QStringList calls;
    int pages = 3;
    Mode mode = Mode::Pdf;
};

// The pages of a document, prepared now.
DocumentPages prepared(const QString &path, OfficePages::Result *result = nullptr)
{
    DocumentPages pages;
    const OfficePages::Result outcome = OfficePages::prepare(path, &pages);
    if (result)
        *result = outcome;
    return pages;
}

QString tmpFile(const QString &name)
{
    return OfficePages::tmpFolder() + QLatin1Char('/') + name;
}

} // namespace

Q_DECLARE_METATYPE(CountingConverter::Mode)

class OfficePagesTest : public QObject
{
    Q_OBJECT

private slots:
    void aDocumentBecomesPagesDrawnAtTheSizeShown()
    {
        TestEnvironment env;
        CountingConverter converter;
        writeDocument(env.path("report.final.docx"), "words");
        OfficePages::Result result;
        const DocumentPages pages = prepared(env.path("report.final.docx"), &result);
        QVERIFY(result.converted && !result.wordFailed);
        QCOMPARE(converter.calls, QStringList{QStringLiteral("0 report.final.docx 17")});
        QCOMPARE(OfficePages::pageFileOf(env.path("report.final.docx")), tmpFile("report.pdf"));
        QVERIFY(QFileInfo(tmpFile("report.pdf")).size() > 0);
        QVERIFY(QFileInfo::exists(tmpFile("report.pdf.source")));
        QVERIFY(!QFileInfo::exists(OfficePageFiles::scratchPdf()));
        QCOMPARE(pages.status(), DocumentPages::Status::Ready);
        QCOMPARE(pages.size(), 3);

        // Pages of 200 x 100 points, drawn for the area that shows them, never above the cap.
        const struct
        {
            QSize area;
            Qt::AspectRatioMode mode;
            QSize drawn;
        } cases[] = {
            {{640, 360}, Qt::IgnoreAspectRatio, {640, 360}},
            {{640, 360}, Qt::KeepAspectRatio, {640, 320}},
            {{16384, 16384}, Qt::KeepAspectRatio, {4096, 2048}},
            {{16384, 16384}, Qt::IgnoreAspectRatio, {2896, 2896}},
        };
        for (const auto &c : cases) {
            const QImage page = pages.source()->render(2, c.area, c.mode);
            QCOMPARE(page.size(), c.drawn);
            QVERIFY(qint64(page.width()) * page.height() <= kMaxPagePixels);
        }
        QVERIFY(pages.source()->render(3, {640, 360}, Qt::KeepAspectRatio).isNull()); // no fourth page
    }

    void theSameDocumentIsConvertedOnceUntilItChanges()
    {
        TestEnvironment env;
        CountingConverter converter;
        const QString document = env.path("a/sales.pptx");
        writeDocument(document, "slides");
        QCOMPARE(prepared(document).size(), 3);
        QCOMPARE(converter.calls, QStringList{QStringLiteral("1 sales.pptx 32")});
        converter.pages = 4;
        QCOMPARE(prepared(document).size(), 3); // the page file as it is
        QCOMPARE(converter.calls.size(), 1);

        writeDocument(document, "slides, longer now");
        QCOMPARE(prepared(document).size(), 4);
        QCOMPARE(converter.calls.size(), 2);
        QCOMPARE(OfficePages::pageFileOf(document), tmpFile("sales.pdf"));
    }

    // Two documents with one base name: each shows its own pages or none, never the other's.
    void documentsOfOneBaseNameNeverShareTheirPages_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("one name, two folders") << "dirA/same.docx"
                                               << "dirB/same.docx";
        QTest::newRow("one base, two names") << "a.report.docx"
                                             << "a.plan.pptx";
    }

    void documentsOfOneBaseNameNeverShareTheirPages()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        TestEnvironment env;
        CountingConverter converter;
        writeDocument(env.path(first), "the first");
        writeDocument(env.path(second), "the second");
        QCOMPARE(prepared(env.path(first)).size(), 3);
        const QString byBase = OfficePages::pageFileOf(env.path(first));

        // The second cannot be converted: nothing shows for it, and the first's page file stays.
        converter.mode = CountingConverter::Mode::Fail;
        const DocumentPages failed = prepared(env.path(second));
        QCOMPARE(failed.status(), DocumentPages::Status::Failed);
        QCOMPARE(failed.size(), 0);
        QCOMPARE(converter.calls.size(), 2);

        // Changed and converted, it gets a page file of its own.
        writeDocument(env.path(second), "the second, mended");
        converter.mode = CountingConverter::Mode::Pdf;
        converter.pages = 5;
        QCOMPARE(prepared(env.path(second)).size(), 5);
        QCOMPARE(converter.calls.size(), 3);
        const QString ofItsOwn = OfficePages::pageFileOf(env.path(second));
        QVERIFY2(ofItsOwn != byBase && QFileInfo(ofItsOwn).fileName().count('.') == 2, qPrintable(ofItsOwn));

        // Each keeps its own pages, with no conversion.
        QCOMPARE(prepared(env.path(first)).size(), 3);
        QCOMPARE(prepared(env.path(second)).size(), 5);
        QCOMPARE(converter.calls.size(), 3);
        QCOMPARE(OfficePages::pageFileOf(env.path(first)), byBase);
    }

    void aDocumentNamedTmpKeepsItsPages()
    {
        TestEnvironment env;
        CountingConverter converter;
        // What an older version left of its scratch file: a PDF named tmp.pdf without a record.
        QDir().mkpath(OfficePages::tmpFolder());
        QVERIFY(FakeSoffice::writePdf(tmpFile("tmp.pdf"), 1));
        writeDocument(env.path("tmp.docx"), "words");
        QCOMPARE(prepared(env.path("tmp.docx")).size(), 3);
        QCOMPARE(converter.calls.size(), 1);
        QVERIFY(QFileInfo::exists(tmpFile("tmp.pdf")));
        QCOMPARE(prepared(env.path("tmp.docx")).size(), 3);
        QCOMPARE(converter.calls.size(), 1);
    }

    // What the converter does, and whether the next preparation tries again.
    void aFailedConversionIsRememberedUntilTheDocumentChanges_data()
    {
        QTest::addColumn<CountingConverter::Mode>("mode");
        QTest::addColumn<bool>("remembered");
        QTest::newRow("refused") << CountingConverter::Mode::Fail << true;
        QTest::newRow("no PDF came out") << CountingConverter::Mode::Garbage << true;
        QTest::newRow("no converter") << CountingConverter::Mode::Unavailable << false;
    }

    void aFailedConversionIsRememberedUntilTheDocumentChanges()
    {
        QFETCH(CountingConverter::Mode, mode);
        QFETCH(bool, remembered);
        TestEnvironment env;
        CountingConverter converter;
        converter.mode = mode;
        const QString document = env.path("letter.doc");
        writeDocument(document, "words");
        for (int attempt = 1; attempt <= 2; ++attempt) {
            OfficePages::Result result;
            QCOMPARE(prepared(document, &result).status(), DocumentPages::Status::Failed);
            QVERIFY(result.wordFailed);
            QCOMPARE(converter.calls.size(), remembered ? 1 : attempt);
        }
        QVERIFY(!QFileInfo::exists(OfficePages::pageFileOf(document)));
        QVERIFY(!QFileInfo::exists(OfficePageFiles::scratchPdf()));

        // Changed, it is tried again; a spreadsheet's failure is not Word's.
        writeDocument(document, "words, mended");
        converter.mode = CountingConverter::Mode::Pdf;
        QCOMPARE(prepared(document).size(), 3);
        converter.mode = mode;
        writeDocument(env.path("budget.xls"), "cells");
        OfficePages::Result result;
        prepared(env.path("budget.xls"), &result);
        QVERIFY(!result.wordFailed);
    }

    void aMissingDocumentUsesItsOwnPageFile()
    {
        TestEnvironment env;
        CountingConverter converter;
        const QString document = env.path("menu.docx");
        writeDocument(document, "words");
        prepared(document);
        QFile::remove(document);
        OfficePages::Result result;
        QCOMPARE(prepared(document, &result).size(), 3);
        QVERIFY(!result.wordFailed);
        QCOMPARE(converter.calls.size(), 1); // never converted while missing

        // A changed document that cannot be converted keeps the pages of its older self.
        writeDocument(document, "words, changed");
        converter.mode = CountingConverter::Mode::Fail;
        QCOMPARE(prepared(document, &result).size(), 3);
        QVERIFY(result.wordFailed);

        // Neither document nor page file: no pages.
        QCOMPARE(prepared(env.path("gone.pptx")).status(), DocumentPages::Status::Failed);
        QCOMPARE(converter.calls.size(), 2);
    }

    void aSlowConversionKeepsTheProgramGoing()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        FakeSoffice::writePdf(env.path("fixture.pdf"), 2);
        OfficeConverter slow;
        slow.setProgram(FakeSoffice::install(env.path("bin"), env.path("fixture.pdf")));
        OfficeConverter::install(&slow);
        writeDocument(env.path("slow plan.docx"), "words");

        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start(100);
        OfficePages::Result result;
        const DocumentPages pages = prepared(env.path("slow plan.docx"), &result);
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
