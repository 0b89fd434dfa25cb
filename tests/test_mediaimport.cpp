// "Add Media" -> "File": which files become which items, their owner names,
// ids and signals, text files, and an Office document that cannot be
// converted in the middle of an import.

#include "editor/MediaFileImport.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectTreeItem.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "platform/OfficeConverter.h"
#include "shell/Prodoc.h"
#include "shell/Widget.h"
#include "support/RefusingConverter.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSignalSpy>
#include <QTextCodec>
#include <QtTest>

Q_DECLARE_METATYPE(QVLedMediaObject *)

namespace {

struct Fixture
{
    TestEnvironment env;
    ScriptedPrompts prompts;
    Widget w;
    ProjectTree *tree;
    CommonWinObject *window;

    Fixture() : tree(w.curProjectWidget->tree())
    {
        window = tree->generalSegments.first()->programs.first()->windows.first();
        tree->curItem = tree->rootItem->child(0)->child(0)->child(0); // the default window's item
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(env.path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return env.path(name);
    }
};

} // namespace

class MediaImportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QVLedMediaObject *>(); }

    void kindBySuffix_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kind"); // empty: no item
        QTest::newRow("upper case video") << "/clips/CLIP.MP4" << "video";
        QTest::newRow("mixed case picture") << "/photos/photo.Jpg" << "image";
        QTest::newRow("upper case text") << "/notes/notes.TXT" << "txt";
        QTest::newRow("vob is offered but not taken") << "/clips/b.vob" << "";
        QTest::newRow("a dot in a folder only") << "D:/media.set/readme" << "";
        QTest::newRow("bmp typed by hand") << "/photos/x.bmp" << "image";
        QTest::newRow("spreadsheet") << "/office/budget.2026.xlsx" << "office";
    }

    void kindBySuffix()
    {
        QFETCH(QString, path);
        QFETCH(QString, kind);
        MediaKindId id;
        const bool taken = MediaFileImport::kindOfFile(path, &id);
        QCOMPARE(taken, !kind.isEmpty());
        if (taken)
            QVERIFY(MediaKinds::find(kind)->id == id);
    }

    void importedItemsFollowTheWindowsItems()
    {
        Fixture f;
        auto *existing = new QVLedMediaObject;
        existing->kind = MediaKind::SimpleText;
        f.window->media << existing << new QVLedMediaObject(*existing);
        QImage picture(8, 6, QImage::Format_RGB32);
        picture.fill(Qt::green);
        picture.save(f.env.path("shot.jpg"), "PNG"); // a PNG under a .jpg name: told by its contents
        f.prompts.fileNames = QStringList{f.env.path("shot.jpg"), f.env.path("b.vob"), f.env.path("clip.mp4")};
        QSignalSpy images(f.tree, &ProjectTree::sigAddImageObject);
        QSignalSpy videos(f.tree, &ProjectTree::sigAddVideoObject);
        const int ids = f.tree->mediaIdCounter;
        f.tree->addMediaFileSlot();
        QCOMPARE(f.prompts.fileDialogs, QStringList{QStringLiteral("Open")});
        QCOMPARE(f.window->media.size(), 4);
        QCOMPARE(images.count(), 1);
        QCOMPARE(images.first().at(0).toInt(), 2);
        QCOMPARE(videos.first().at(0).toInt(), 3);
        const QVLedMediaObject *shot = f.window->media.at(2);
        QCOMPARE(shot->kind, QString(MediaKind::Image));
        QCOMPARE(shot->image.path, f.env.path("shot.jpg"));
        QVERIFY(shot->image.pixmap.isNull()); // decoded when it is shown, not when it is added
        QCOMPARE(shot->id, ids);
        QCOMPARE(f.window->media.at(3)->id, ids + 1);
        QCOMPARE(f.window->media.at(3)->video.path, f.env.path("clip.mp4"));
        QCOMPARE(shot->windowName, f.window->name);
        QCOMPARE(shot->programName, f.window->programName);
        QCOMPARE(shot->segmentName, f.window->segmentName);
        QCOMPARE(shot->displayName, f.w.curDisplayName);
    }

    void aWordDocumentThatFailsEndsTheImport()
    {
        Fixture f;
        RefusingConverter converter;
        f.prompts.fileNames = QStringList{f.write("a.png", QByteArray()), f.write("b.docx", "words"),
                                          f.write("c.txt", "text")};
        const int ids = f.tree->mediaIdCounter;
        f.tree->addMediaFileSlot();
        QCOMPARE(f.window->media.size(), 1);
        QCOMPARE(f.window->media.first()->kind, QString(MediaKind::Image));
        QVERIFY(f.window->media.first()->image.pixmap.isNull()); // an empty file is still added
        QCOMPARE(converter.calls, 1);
        QCOMPARE(f.prompts.informations,
                 QStringList{QStringLiteral("Application failed to create. Please ensure that word 2000 or above is "
                                            "installed!")});
        QCOMPARE(f.tree->mediaIdCounter, ids + 2); // the refused document's id is not given back
    }

    // A page file from before the records (or from another machine) is the document's: no converter starts.
    void aDocumentWhosePageFileIsThereNeedsNoConverter()
    {
        Fixture f;
        RefusingConverter converter;
        QDir().mkpath(f.env.path("tmp"));
        {
            QPdfWriter pdf(f.env.path("tmp/menu.pdf"));
            QPainter painter(&pdf);
            pdf.newPage();
        }
        f.prompts.fileNames = QStringList{f.write("menu.docx", "words")};
        f.tree->addMediaFileSlot();
        QCOMPARE(converter.calls, 0);
        QVERIFY(f.prompts.informations.isEmpty());
        QCOMPARE(f.window->media.size(), 1);
        QCOMPARE(f.window->media.first()->image.pages.size(), 2);
        QVERIFY(QFileInfo::exists(f.env.path("tmp/menu.pdf.source"))); // it is this document's from now on
    }

    void textFilesKeepTheirCharactersAndLineEnds()
    {
        Fixture f;
        const QString utf8 = f.write("notes.txt", "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e\r\nzwei\n");
        const QString latin = f.write("menu.txt", "caf\xE9");
        QTextCodec *locale = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1")); // a machine of that code page
        f.prompts.fileNames = QStringList{utf8, latin, f.env.path("missing.txt")};
        QSignalSpy texts(f.tree, &ProjectTree::sigAddSimpleTextObject);
        f.tree->addMediaFileSlot();
        QTextCodec::setCodecForLocale(locale);
        QCOMPARE(texts.count(), 3);
        QCOMPARE(f.window->media.at(0)->kind, QString(MediaKind::Txt));
        QCOMPARE(f.window->media.at(0)->text.text, QStringLiteral("Grüße\r\nzwei\n"));
        QCOMPARE(f.window->media.at(1)->text.text, QStringLiteral("café"));
        QCOMPARE(f.window->media.at(2)->text.text, QString()); // unreadable: added with no text
    }

    // A schedule's Office items are read without their pages, which come once it is shown.
    void aLoadedScheduleBringsItsOfficePages()
    {
        Fixture f;
        QDir().mkpath(f.env.path("tmp"));
        {
            QPdfWriter pdf(f.env.path("tmp/minutes.pdf")); // the page file of a document no longer there
            QPainter painter(&pdf);
            pdf.newPage();
        }
        auto *office = new QVLedMediaObject;
        office->kind = MediaKind::Office;
        office->image.path = f.env.path("gone/minutes.docx");
        office->image.stayTime = 9;
        office->windowName = f.window->name;
        office->programName = f.window->programName;
        office->segmentName = f.window->segmentName;
        office->displayName = f.w.curDisplayName;
        f.window->media << office;
        QVERIFY(f.w.document->saveSchedule(f.env.path("plan.qvsc")));
        QVERIFY(f.w.document->loadSchedule(f.env.path("plan.qvsc")));
        ProjectTree *tree = f.w.curProjectWidget->tree();
        const QVLedMediaObject *loaded = tree->generalSegments.first()->programs.first()->windows.first()->media.value(0);
        QVERIFY(loaded && loaded != office);
        QCOMPARE(loaded->image.pages.status(), DocumentPages::Status::Preparing);
        QTRY_COMPARE(loaded->image.pages.size(), 2);
        QCOMPARE(loaded->image.stayTime, 9);
    }

    void withoutAWindowNothingHappens()
    {
        Fixture f;
        f.tree->curItem = f.tree->rootItem;
        f.prompts.fileNames = QStringList{f.write("clip.mp4", "")};
        f.tree->addMediaFileSlot();
        QVERIFY(f.prompts.fileDialogs.isEmpty());
        QVERIFY(f.window->media.isEmpty());
        f.tree->curItem = f.tree->rootItem->child(0)->child(0)->child(0);
        f.prompts.fileNames.clear(); // cancelled
        f.tree->addMediaFileSlot();
        QVERIFY(f.window->media.isEmpty());
    }
};

QTEST_MAIN(MediaImportTest)
#include "test_mediaimport.moc"
