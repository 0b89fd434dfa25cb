// The allocator as the player keeps it: threads that allocate side by side
// share the few arenas the program allows instead of making one each, the
// cause of a player's memory climbing for hours while what it holds stays
// the same.

#include "platform/Allocator.h"

#include <QtTest>

#include <atomic>
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

};

QTEST_GUILESS_MAIN(AllocatorTest)
#include "test_allocator.moc"
