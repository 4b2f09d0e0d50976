#pragma once

#include <QtGlobal>

#include <csignal>

#include <sys/resource.h>

// While it lives no file of the process can grow beyond `bytes`, as on a full disk; root too.
struct FileSizeLimit
{
    rlimit original{};
    void (*handler)(int) = std::signal(SIGXFSZ, SIG_IGN);

    explicit FileSizeLimit(qint64 bytes)
    {
        getrlimit(RLIMIT_FSIZE, &original);
        const rlimit limited{rlim_t(bytes), original.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &original), std::signal(SIGXFSZ, handler); }
};
