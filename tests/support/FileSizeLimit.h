#pragma once

// One way to make writes fail for real, even for root.

#include <csignal>
#include <sys/resource.h>

// Runs f while no file may grow beyond maxBytes: a full disk, even for root.
template <typename F>
void withFileSizeLimit(rlim_t maxBytes, F f)
{
    struct rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = saved;
    tight.rlim_cur = maxBytes;
    setrlimit(RLIMIT_FSIZE, &tight);
    f();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
}
