// The allocator as the player keeps it: threads that allocate side by side
// share the few arenas the program allows instead of making one each, and
// the pages left free between blocks still held go back to the system.

#include "platform/Allocator.h"

#include <QtTest>

#include <atomic>
#include <cstring>
#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <cstdlib>
#include <thread>
#include <vector>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QV_OWN_ALLOCATOR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QV_OWN_ALLOCATOR 1
#endif

class AllocatorTest : public QObject
{
    Q_OBJECT

private slots:
    void threadsShareTheArenasTheProgramAllows()
    {
#ifdef QV_OWN_ALLOCATOR
        QSKIP("the sanitizer brings an allocator of its own");
#endif
        if (qEnvironmentVariableIsSet("MALLOC_ARENA_MAX"))
            QSKIP("MALLOC_ARENA_MAX chose the limit for this run");
        if (Allocator::arenasInUse() < 0)
            QSKIP("this C library does not list its arenas");
        QVERIFY(Allocator::limitArenas(2));

        std::atomic<int> ready{0};
        std::atomic<bool> go{false};
        std::vector<std::thread> threads;
        for (int t = 0; t < 12; ++t) {
            threads.emplace_back([&ready, &go, t] {
                ++ready;
                while (!go)
                    std::this_thread::yield();
                std::vector<void *> blocks;
                for (int i = 0; i < 4000; ++i) {
                    blocks.push_back(std::malloc(size_t(16 + (i * 37 + t * 101) % 4000)));
                    if (i % 3 == 2) {
                        std::free(blocks[size_t(i / 2)]);
                        blocks[size_t(i / 2)] = nullptr;
                    }
                }
                for (void *block : blocks)
                    std::free(block);
            });
        }
        while (ready < 12)
            std::this_thread::yield();
        go = true;
        for (std::thread &thread : threads)
            thread.join();

        const int arenas = Allocator::arenasInUse();
        QVERIFY2(arenas >= 1 && arenas <= 2, qPrintable(QStringLiteral("%1 arenas").arg(arenas)));
    }

    void freePagesBetweenHeldBlocksGoBack()
    {
#ifdef QV_OWN_ALLOCATOR
        QSKIP("the sanitizer brings an allocator of its own");
#endif
#ifndef __GLIBC__
        QSKIP("only this C library's allocator is looked at");
#else
        // 64 MB in blocks of 64 KB kept inside the arena (not mapped one by
        // one), then seven in eight freed: the pages between stay held.
        mallopt(M_MMAP_THRESHOLD, 1 << 20);
        std::vector<void *> blocks;
        for (int i = 0; i < 1024; ++i) {
            blocks.push_back(std::malloc(64 * 1024));
            std::memset(blocks.back(), 1, 64 * 1024);
        }
        for (size_t i = 0; i < blocks.size(); ++i) {
            if (i % 8 != 7) {
                std::free(blocks[i]);
                blocks[i] = nullptr;
            }
        }
        const qint64 before = residentKilobytes();
        Allocator::releaseFreePages();
        const qint64 after = residentKilobytes();
        for (void *block : blocks)
            std::free(block);
        QVERIFY2(before - after > 40 * 1024, qPrintable(QStringLiteral("%1 kB -> %2 kB").arg(before).arg(after)));
#endif
    }

private:
    static qint64 residentKilobytes()
    {
        QFile statm(QStringLiteral("/proc/self/statm"));
        if (!statm.open(QIODevice::ReadOnly))
            return -1;
        const QList<QByteArray> fields = statm.readAll().split(' ');
        return fields.value(1).toLongLong() * (sysconf(_SC_PAGESIZE) / 1024);
    }
};

QTEST_GUILESS_MAIN(AllocatorTest)
#include "test_allocator.moc"
